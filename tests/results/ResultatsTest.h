#pragma once
// The program's windows on a 160 x 120 video at 25 frames per second, with a
// measurement set straight into the view: the scale spans the picture's width
// (1.6 m, so 1.2 m a picture height), the origin at the bottom-left corner.

#include "app/UnitApplication.h"
#include "app/UnitFiche.h"
#include "results/UnitResultats.h"
#include "results/UnitTableau.h"
#include "tests/support/DialoguesScriptes.h"
#include "tests/support/ModifierMesure.h"
#include "tests/support/Temporaire.h"
#include "tests/support/VideosTest.h"
#include "view/UnitAviPlay.h"
#include "measure/UnitMesure.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class ResultatsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(config.Dossier() + "/Kinotab");
        fenetres = std::make_unique<Fenetres>();
        fiche().show();
        video = config.Dossier() + "/v.avi";
        ASSERT_TRUE(EcrireVideoTest(video, 30, QSize(160, 120), 25));
        fiche().OuvrirVideo(video);
        ASSERT_TRUE(fiche().Vue().Opened());
        dialogues.Messages.clear();
    }
    void TearDown() override { fenetres.reset(); }

    TFiche& fiche() { return fenetres->Fiche(); }
    TResultats& resultats() { return fenetres->Resultats(); }
    TMesure& mesure() { return fiche().Vue().Mesure(); }

    void Etalonner()
    {
        Modifier(mesure(), [](EtatMesure& e) {
            e.EtatEtalon = TEtatEtalon::DeuxBouts;
            e.PointsEtalon = {PointD{0, 0.5}, PointD{1, 0.5}};
            e.LongueurEtalon = 1.6;
            e.OriginePlacee = TOrigine::Placee;
            e.Origine = PointD{0, 1};
        });
    }
    // `n` marks dealt to `points` moving points; mark k at position(k).
    void Marquer(int points, int n, const std::function<PointD(int)>& position)
    {
        Modifier(mesure(), [&](EtatMesure& e) {
            e.MarquesParImage = points;
            e.Marques.clear();
            e.ImagesMarques.clear();
            for (int k = 0; k < n; ++k) {
                e.Marques.push_back(position(k));
                e.ImagesMarques.push_back(k / points + 1);
            }
            e.MarquesDerniereImage = n % points;
        });
    }
    void Mesurer(int points, int n)
    {
        Etalonner();
        // Point p moves right along its own line: a smooth motion.
        Marquer(points, n, [points](int k) {
            const int p = k % points, j = k / points;
            return PointD{0.05 + 0.04 * j + 0.002 * j * j, 0.2 + 0.2 * p};
        });
    }
    // As Mesurer(1, 12), point 1 weighing 0.2 kg, with the user's `propres`.
    void MesurerAvecGrandeurs(std::vector<TGrandeurPropre> propres)
    {
        Mesurer(1, 12);
        TGrandeursMesure g;
        g.Masses = {0.2, 0, 0};
        g.Propres = std::move(propres);
        mesure().SetGrandeurs(g);
    }
    // Runs `pendant` while the results window is shown by `vue`'s command.
    void Montrer(TVueResultats vue, std::function<void(TResultats&)> pendant = {})
    {
        dialogues.Modaux.push_back([this, pendant](QDialog& d) {
            d.show(); // shown as the user sees it, without its own event loop
            if (pendant) pendant(resultats());
            d.hide();
            return int(QDialog::Accepted);
        });
        fiche().MenuResultatsItemClick(vue);
    }

    QString Cellule(int ligne, const char* nom)
    {
        const QAbstractItemModel* m = resultats().DBGrid->model();
        return m->data(m->index(ligne, resultats().Modele().Tableau().IndiceColonne(nom))).toString();
    }
    int Lignes() { return resultats().DBGrid->model()->rowCount(); }
    // The field names of the grid's visible columns, left to right.
    QStringList ColonnesVisibles()
    {
        QStringList r;
        const QHeaderView* h = resultats().DBGrid->horizontalHeader();
        for (int v = 0; v < h->count(); ++v) {
            const int c = h->logicalIndex(v);
            if (!resultats().DBGrid->isColumnHidden(c))
                r << resultats().Modele().Tableau().ColonnesTableau()[size_t(c)].Nom;
        }
        return r;
    }

    ConfigTemporaire config;
    DialoguesScriptes dialogues;
    std::unique_ptr<Fenetres> fenetres;
    QString video;
};
