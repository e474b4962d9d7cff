// The main window's Results command: preconditions, result codes, which
// view is shown.

#include "tests/results/ResultatsTest.h"
#include "tests/support/Enfant.h"

#include "measure/UnitTravail.h"
#include "resources/UnitImages.h"

#include <QLocale>
#include <QToolButton>

namespace {

// A view's caption, without the computation's state that follows it when
// the title bar holds both.
QString Legende(const QString& titre)
{
    return titre.section(QStringLiteral(" – "), 0, 0);
}

using ResultatsCommande = ResultatsTest;

void AttendreRefus(DialoguesScriptes& d, const char* image, const QString& ligne)
{
    ASSERT_EQ(d.Messages.size(), 1);
    const Message& m = d.Messages.first();
    EXPECT_EQ(m.icone, IconeMessage::Image);
    EXPECT_EQ(m.boutons, QStringList({"&OK"}));
    EXPECT_EQ(m.lignes, QStringList({ligne}));
    EXPECT_EQ(m.image.toImage().convertToFormat(QImage::Format_ARGB32),
              Images::Image(image).convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(d.ModauxMontres.isEmpty());
    d.Messages.clear();
}

TEST_F(ResultatsCommande, PreconditionsAreCheckedInOrderEachWithItsPicture)
{
    Enfant<QAction>(fiche(), "MenuResultatsTableauDesValeurs")->trigger();
    AttendreRefus(dialogues, "BmpEchelleSeule",
                  "Nejprve zadejte meritko videosekvence. Pouzijte tlacitko Zadat meritko.");
    Modifier(mesure(), [](EtatMesure& e) {
        e.EtatEtalon = TEtatEtalon::DeuxBouts;
        e.PointsEtalon = {PointD{0, 0.5}, PointD{1, 0.5}};
        e.LongueurEtalon = 1;
    });
    Enfant<QAction>(fiche(), "MenuResultatsTableauDesValeurs")->trigger();
    AttendreRefus(dialogues, "BmpMarqueSeule", "Nejprve oznacte polohy predmetu. Pouzijte tlacitko Oznacit polohy.");
    Marquer(1, 4, [](int k) { return PointD{0.1 * k, 0.5}; });
    Enfant<QAction>(fiche(), "MenuResultatsVariationsEnFonctionDuTemps")->trigger();
    AttendreRefus(dialogues, "BmpOrigineSeule",
                  "Nejprve zvolte pocatek soustavy souradne. Pouzijte tlacitko Pocatek soustavy souradne.");
    // With the overlay tool down the video marks and the origin are not needed.
    Enfant<QToolButton>(fiche(), "SpeedButtonTransparent")->click();
    Enfant<QAction>(fiche(), "MenuResultatsTrajectoireDansUnReferentiel")->trigger();
    AttendreRefus(dialogues, "BmpTransparentSeul",
                  "Nejprve oznacte polohy predmetu. Za pomoci myši, táhněte-pusťte průsvitku a poté označte polohu "
                  "tělesa.");

    Enfant<QToolButton>(fiche(), "SpeedButtonMarque")->click();
    Modifier(mesure(), [](EtatMesure& e) { e.OriginePlacee = TOrigine::Placee; });
    Montrer(TVueResultats::Tableau);
    EXPECT_TRUE(dialogues.Messages.isEmpty());
    ASSERT_EQ(dialogues.ModauxMontres.size(), 1);
    EXPECT_EQ(Legende(dialogues.ModauxMontres[0]), "Tabulka hodnot");
}

TEST_F(ResultatsCommande, EraseAllAsksForTheScaleFirst)
{
    Mesurer(1, 5);
    Enfant<QAction>(fiche(), "MenuAffichageEffacerTout")->trigger();
    Enfant<QAction>(fiche(), "MenuResultatsTableauDesValeurs")->trigger();
    AttendreRefus(dialogues, "BmpEchelleSeule",
                  "Nejprve zadejte meritko videosekvence. Pouzijte tlacitko Zadat meritko.");
}

TEST_F(ResultatsCommande, ALoadedScaleWhoseEndsCoincideEndsWithAnUnknownError)
{
    Travail t;
    t.CheminVideo = video;
    t.Mesure.Marques = {PointD{0.1, 0.5}, PointD{0.2, 0.5}, PointD{0.3, 0.5}};
    t.Mesure.ImagesMarques = {1, 2, 3};
    t.Mesure.MarquesDerniereImage = 1;
    t.Mesure.EtatEtalon = TEtatEtalon::DeuxBouts;
    t.Mesure.PointsEtalon = {PointD{0.4, 0.4}, PointD{0.4, 0.4}};
    t.Mesure.LongueurEtalon = 1;
    t.Mesure.OriginePlacee = TOrigine::Placee;
    const QString chemin = config.Dossier() + "/zero.ktb";
    ASSERT_EQ(EcrireTravail(chemin, t, QLocale().decimalPoint().front()), ResultatEcriture::Ok);
    fiche().ChargerTravail(chemin);
    dialogues.Messages.clear();
    Enfant<QAction>(fiche(), "MenuResultatsTableauDesValeurs")->trigger();
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Messages[0].icone, IconeMessage::Information);
    EXPECT_EQ(dialogues.Messages[0].lignes, QStringList({"Nastala neznámá chyba."}));
    EXPECT_TRUE(dialogues.ModauxMontres.isEmpty());
}

TEST_F(ResultatsCommande, WithASingleMarkGraphsShowNothing)
{
    Mesurer(1, 1);
    Enfant<QAction>(fiche(), "MenuResultatsVariationsEnFonctionDuTemps")->trigger();
    EXPECT_TRUE(dialogues.ModauxMontres.isEmpty());
    EXPECT_TRUE(dialogues.Messages.isEmpty());
    EXPECT_FALSE(resultats().VueTemps());
    // Inside the window the command is refused and the table stays.
    Montrer(TVueResultats::Tableau, [](TResultats& r) {
        r.MenuResultatsTemps->trigger();
        EXPECT_TRUE(r.VueTableau());
        EXPECT_EQ(Legende(r.windowTitle()), "Tabulka hodnot");
    });
}

TEST_F(ResultatsCommande, VectorsNeedVelocitiesOrAccelerations)
{
    Mesurer(1, 2); // too few samples: code 2 clears both
    Enfant<QAction>(fiche(), "MenuResultatsRepresentationDesVecteurs")->trigger();
    EXPECT_TRUE(dialogues.ModauxMontres.isEmpty());
    EXPECT_FALSE(resultats().Series().AfficherVitesse);
    // The options that hide both do the same with enough samples.
    Mesurer(1, 6);
    fiche().AfficherVitesse = fiche().AfficherAcceleration = false;
    Enfant<QAction>(fiche(), "MenuResultatsRepresentationDesVecteurs")->trigger();
    EXPECT_TRUE(dialogues.ModauxMontres.isEmpty());
    // The table's Zobrazení menu then offers only how the marks were made.
    Montrer(TVueResultats::Tableau, [](TResultats& r) {
        EXPECT_FALSE(r.MenuAffichageVitesse->isVisible());
        EXPECT_FALSE(r.MenuAffichageAcceleration->isVisible());
        EXPECT_TRUE(r.MenuAffichageMarques->isVisible());
    });
}

TEST_F(ResultatsCommande, EachCommandShowsItsViewWithItsCaption)
{
    Mesurer(2, 10);
    const struct {
        TVueResultats vue;
        const char* titre;
    } vues[] = {{TVueResultats::Tableau, "Tabulka hodnot"},
                {TVueResultats::Temps, "Grafy"},
                {TVueResultats::Trajectoire, "Trajektorie v soustavě souřadnic"},
                {TVueResultats::Vecteurs, "Znazorneni vektoru"}};
    for (const auto& v : vues) {
        Montrer(v.vue, [&](TResultats& r) {
            EXPECT_EQ(r.Vue(), v.vue);
            EXPECT_EQ(r.DBGrid->isVisible(), v.vue == TVueResultats::Tableau);
            EXPECT_EQ(r.PanelChoix->isVisible(), v.vue != TVueResultats::Tableau);
            EXPECT_EQ(r.PanelEchelle->isVisible(), v.vue == TVueResultats::Vecteurs);
        });
        EXPECT_EQ(Legende(dialogues.ModauxMontres.last()), v.titre);
    }
}

} // namespace
