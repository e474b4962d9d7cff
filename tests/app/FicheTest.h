#pragma once
// A main window for tests: settings in a temporary folder, scripted dialogs,
// and small generated videos.

#include "app/UnitApplication.h"
#include "app/UnitFiche.h"
#include "tests/support/DialoguesScriptes.h"
#include "tests/support/ModifierMesure.h"
#include "tests/support/Temporaire.h"
#include "tests/support/VideosTest.h"
#include "view/UnitAviPlay.h"
#include "measure/UnitMesure.h"

#include <QDir>
#include <QLabel>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

class FicheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(config.Dossier() + "/Kinotab");
        Recreer();
        fiche->show();
        dialogues.Messages.clear();
    }
    void TearDown() override { Fermer(); }
    // The program's windows, made anew (not shown).
    void Recreer()
    {
        Fermer();
        fenetres = std::make_unique<Fenetres>();
        fiche = &fenetres->Fiche();
    }
    void Fermer()
    {
        fiche = nullptr;
        fenetres.reset();
    }

    // A 10-frame 160 x 120 video at 25 frames per second, made once per test.
    QString Video(const QString& nom = "clip.avi", int images = 10)
    {
        const QString chemin = config.Dossier() + "/" + nom;
        EXPECT_TRUE(EcrireVideoTest(chemin, images, QSize(160, 120), 25));
        return chemin;
    }
    TDCAVIPlay& Vue() { return fiche->Vue(); }
    TMesure& Mesure() { return fiche->Vue().Mesure(); }

    ConfigTemporaire config;
    DialoguesScriptes dialogues;
    std::unique_ptr<Fenetres> fenetres;
    TFiche* fiche = nullptr;
};
