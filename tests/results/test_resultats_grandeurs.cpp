// The masses and the user's quantities from the main window's Results menu:
// their dialogs and refusals, the table's columns, the graphs, the work file.

#include "tests/results/ResultatsTest.h"
#include "tests/support/Enfant.h"

#include "core/UnitFormatReel.h"
#include "graph/UnitGraphPlus.h"
#include "measure/UnitTravail.h"
#include "results/UnitBoiteGrandeur.h"
#include "results/UnitBoiteMasses.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>

namespace {

using ResultatsGrandeurs = ResultatsTest;

// Scripts the next dialog: each step fills it and presses OK; the messages
// shown after each are kept.
template <typename Boite>
void Scripter(DialoguesScriptes& dialogues, std::vector<std::function<void(Boite&)>> etapes)
{
    dialogues.Modaux.push_back([etapes](QDialog& d) {
        for (const auto& e : etapes) {
            e(static_cast<Boite&>(d));
            d.accept();
        }
        return d.result();
    });
}

TEST_F(ResultatsGrandeurs, MassesAreRefusedUntilTheyAreNumbersAndKeptWithTheMeasurement)
{
    Mesurer(2, 12);
    Scripter<TBoiteMasses>(dialogues,
                           {
                               [](TBoiteMasses& b) {
                                   EXPECT_TRUE(b.EditMasse[1]->isEnabled());
                                   EXPECT_FALSE(b.EditMasse[2]->isEnabled()); // two moving points
                                   EXPECT_EQ(LireReel(b.EditG->text()), 9.81);
                                   b.EditMasse[0]->setText("-1");
                               },
                               [](TBoiteMasses& b) {
                                   b.EditMasse[0]->setText("0,5");
                                   b.EditMasse[1]->setText("kg");
                               },
                               [](TBoiteMasses& b) {
                                   b.EditMasse[1]->setText("");
                                   b.EditG->setText("0");
                               },
                               [](TBoiteMasses& b) {
                                   b.EditMasse[1]->setText("1.25");
                                   b.EditG->setText("9,8");
                               },
                           });
    Enfant<QAction>(fiche(), "MenuResultatsMasses")->trigger();
    EXPECT_EQ(dialogues.Lignes(),
              QStringList({"Hmotnost bodu 1 musí být číslo 0 nebo větší (v kilogramech).",
                           "Hmotnost bodu 2 musí být číslo 0 nebo větší (v kilogramech).",
                           "Tíhové zrychlení g musí být kladné číslo (v m/s2)."}));
    const TGrandeursMesure& g = mesure().Etat().Grandeurs;
    EXPECT_EQ(g.Masses, (std::array<double, 3>{0.5, 1.25, 0}));
    EXPECT_EQ(g.g, 9.8);

    // Cancelled: nothing changes.
    dialogues.Modaux.push_back([](QDialog& d) {
        static_cast<TBoiteMasses&>(d).EditMasse[0]->setText("7");
        return int(QDialog::Rejected);
    });
    Enfant<QAction>(fiche(), "MenuResultatsMasses")->trigger();
    EXPECT_EQ(mesure().Etat().Grandeurs.Masses[0], 0.5);
}

TEST_F(ResultatsGrandeurs, AQuantityIsRefusedWithThePositionOfItsFault)
{
    Mesurer(1, 12);
    // The formula's cursor after each refusal, read at the next step.
    std::vector<int> curseurs;
    int etape = 0;
    const auto formule = [&curseurs, &etape](const char* nom, const char* f) {
        return [&curseurs, &etape, nom, f](TBoiteGrandeur& b) {
            if (etape++ > 0) curseurs.push_back(b.EditFormule->cursorPosition());
            b.EditNom->setText(nom);
            b.EditUnite->setText("J");
            b.EditFormule->setText(f);
        };
    };
    Scripter<TBoiteGrandeur>(dialogues,
                             {formule("2K", "x1"), formule("vx1", "x1"), formule("K", "0.5*(vx1^2+"),
                              formule("K", "x1 + foo"), formule("K", "x1 + vx2"), formule("K", "log(t)"),
                              formule("K", "0.5*m1*(vx1^2+vy1^2)")});
    Enfant<QAction>(fiche(), "MenuResultatsGrandeur")->trigger();
    const QStringList l = dialogues.Lignes();
    ASSERT_EQ(l.size(), 6);
    EXPECT_EQ(l[0], "Název musí začínat písmenem a obsahovat jen písmena bez diakritiky, číslice a podtržítko.");
    EXPECT_EQ(l[1], "Název vx1 už má jiný sloupec nebo veličina.");
    EXPECT_EQ(l[2], "Chyba ve vzorci na pozici 12.");
    EXPECT_EQ(l[3], "Neznámý název „foo“ ve vzorci na pozici 6.");
    EXPECT_EQ(l[4], "Řada „vx2“ (pozice 6 ve vzorci) v tomto měření není.");
    EXPECT_EQ(l[5], "Vzorec nedává konečnou hodnotu ve vzorku 1 (t = 0 s).");
    // The cursor was put on the formula's faults (0-based); the others leave it at the end.
    EXPECT_EQ(curseurs, (std::vector<int>{2, 2, 11, 5, 5, 6}));
    ASSERT_EQ(mesure().Etat().Grandeurs.Propres.size(), 1u);
    EXPECT_EQ(mesure().Etat().Grandeurs.Propres[0], (TGrandeurPropre{"K", "J", "0.5*m1*(vx1^2+vy1^2)"}));
}

TEST_F(ResultatsGrandeurs, TheTableAndTheGraphsShowTheQuantities)
{
    MesurerAvecGrandeurs({{"K", "J", "0.5*m1*(vx1^2+vy1^2)"}});
    Montrer(TVueResultats::Tableau, [this](TResultats& r) {
        EXPECT_EQ(ColonnesVisibles(),
                  QStringList({"Numero", "Date", "x1", "y1", "Ek1", "Ep1", "E1", "px1", "py1", "p1", "K"}));
        for (int l = 0; l < 12; ++l) EXPECT_EQ(Cellule(l, "K"), Cellule(l, "Ek1")) << l;
        EXPECT_FALSE(Cellule(3, "Ek1").isEmpty());
        const QAbstractItemModel* m = r.DBGrid->model();
        EXPECT_EQ(m->headerData(r.Modele().Tableau().IndiceColonne("px1"), Qt::Horizontal).toString(), "px1 (kg m/s)");
        r.MenuAffichageIncertitudes->trigger();
        EXPECT_TRUE(ColonnesVisibles().contains("uK"));
        // Exported as shown.
        const QStringList lignes = r.Modele().Tableau().RemplirTexte('.').split("\r\n");
        EXPECT_TRUE(lignes[3].contains("\tK\tuK\t"));
        EXPECT_TRUE(lignes[4].contains("(J)\t(J)\t"));
    });
    Montrer(TVueResultats::Temps, [](TResultats& r) {
        const int i = r.ComboBoxChoix1->findText("kinetická energie Ek1");
        ASSERT_GE(i, 0);
        EXPECT_GE(r.ComboBoxChoix1->findText("K (vlastní)"), 0);
        r.ComboBoxChoix1->setCurrentIndex(i);
        EXPECT_FALSE(r.ComboBoxChoix2->isEnabled());
        EXPECT_EQ(r.Graphe->TitreAxeY(), "Ek1 (J)");
        const auto ek = r.Modele().SerieNommee("Ek1");
        ASSERT_TRUE(ek);
        const TCourbe& c = *r.Graphe->CourbesActives().front();
        ASSERT_EQ(c.NbPoints(), 12);
        for (int k = 0; k < 12; ++k) EXPECT_EQ(c.Points()[size_t(k)].Y, ek->Valeurs[size_t(k)]);
        r.ComboBoxChoix1->setCurrentIndex(0);
        EXPECT_TRUE(r.ComboBoxChoix2->isEnabled());
    });
}

TEST_F(ResultatsGrandeurs, AWorkFileWhoseFormulaNoLongerParsesLoadsWithoutItsQuantities)
{
    Travail t;
    t.CheminVideo = video;
    t.Mesure.Marques = {{0.1, 0.2}, {0.2, 0.3}};
    t.Mesure.Grandeurs.Masses = {3, 0, 0};
    const QString chemin = config.Dossier() + "/q.ktb";
    ASSERT_EQ(EcrireTravail(chemin, t, '.'), ResultatEcriture::Ok);
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("Quantities\r\n1\r\nQ\r\nJ\r\nsin(\r\n");
    f.close();
    dialogues.Messages.clear();
    fiche().ChargerTravail(chemin);
    ASSERT_TRUE(fiche().Vue().Opened());
    EXPECT_EQ(mesure().Etat().Marques, t.Mesure.Marques);
    EXPECT_EQ(mesure().Etat().Grandeurs.Masses[0], 3);
    EXPECT_TRUE(mesure().Etat().Grandeurs.Propres.empty());
    EXPECT_EQ(dialogues.Lignes(),
              QStringList({"Vlastní veličinu Q nelze načíst.", "Chyba ve vzorci na pozici 5.",
                           "Vlastní veličiny nebyly načteny, zbytek souboru ano."}));
}

} // namespace
