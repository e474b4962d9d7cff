// Fits in the results window: the Proložení menu and its panel, the curve
// and the lighter samples outside the range, refusals that draw nothing, the
// text the exports carry, and the fit kept with the measurement.

#include "tests/results/ResultatsTest.h"

#include "graph/UnitGraphPlus.h"
#include "results/UnitPanneauAjustement.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

using ResultatsAjustement = ResultatsTest;

TEST_F(ResultatsAjustement, AParabolaThroughXGivesItsAccelerationAndIsKept)
{
    Mesurer(1, 12);
    Montrer(TVueResultats::Temps, [](TResultats& r) {
        EXPECT_TRUE(r.MenuProlozeni->menuAction()->isVisible());
        r.MenuProlozeniProlozit->trigger();
        ASSERT_TRUE(r.PanneauAjustement->isVisible());
        // Right of the graph, which gave it room.
        EXPECT_EQ(r.Graphe->geometry().right() + 1, r.PanneauAjustement->x());
        const QString texte = r.PanneauAjustement->LabelResultat->text();
        EXPECT_TRUE(texte.startsWith("a = (")) << texte.toStdString();
        EXPECT_TRUE(texte.contains("m/s²"));
        ASSERT_EQ(r.Graphe->NbCourbes(), 3);
        EXPECT_TRUE(r.Graphe->Courbe(2).Pointillee);
        EXPECT_EQ(r.Graphe->Courbe(2).CouleurCourbe, VuesGraphe::CouleursPoints[0]);
        EXPECT_EQ(r.Graphe->Courbe(1).NbPoints(), 0); // every sample in the range

        // A range of frames 3 to 8: the six others are drawn lighter.
        r.PanneauAjustement->SpinDe->setValue(3);
        r.PanneauAjustement->SpinA->setValue(8);
        r.PanneauAjustement->BoutonProlozit->click();
        ASSERT_EQ(r.Graphe->NbCourbes(), 3);
        EXPECT_EQ(r.Graphe->Courbe(1).NbPoints(), 6);
        EXPECT_NE(r.Graphe->CourbesActives()[1]->CouleurPoints, VuesGraphe::CouleursPoints[0]);
        ASSERT_NE(r.AjustementAffiche(), nullptr);
        EXPECT_EQ(r.AjustementAffiche()->N, 6);
        // Saved and printed pictures carry the result under the graph.
        EXPECT_GT(r.ImageVue().height(), r.Graphe->Image().height());

        // The residuals strip takes its place under the graph.
        r.PanneauAjustement->CheckResidus->setChecked(true);
        EXPECT_TRUE(r.BandeResidus->isVisible());
        EXPECT_EQ(r.Graphe->geometry().bottom() + 1, r.BandeResidus->y());
    });
    ASSERT_EQ(mesure().Etat().Ajustements.size(), 1u);
    EXPECT_EQ(mesure().Etat().Ajustements[0].Modele, TModele::Parabole);
    EXPECT_EQ(mesure().Etat().Ajustements[0].Grandeur, TGrandeurAjustee::X);

    // Shown again, the kept fit is drawn and copied under the table.
    Montrer(TVueResultats::Tableau, [](TResultats& r) {
        EXPECT_FALSE(r.MenuProlozeni->menuAction()->isVisible());
        r.MenuEditionCopierDansLePressePapier->trigger();
        const QString texte = QGuiApplication::clipboard()->text();
        EXPECT_TRUE(texte.contains("\r\na = (")) << texte.toStdString();
    });
}

TEST_F(ResultatsAjustement, RefusalsSayWhyAndDrawNothing)
{
    Mesurer(1, 12);
    Montrer(TVueResultats::Temps, [](TResultats& r) {
        r.MenuProlozeniProlozit->trigger();
        r.PanneauAjustement->ComboModele->setCurrentIndex(int(TModele::Expression));
        r.PanneauAjustement->EditExpression->setText("a*zz + b");
        r.PanneauAjustement->BoutonProlozit->click();
        EXPECT_EQ(r.PanneauAjustement->LabelResultat->text(), "Neznámé jméno „zz“ na pozici 3 výrazu.");
        EXPECT_EQ(r.Graphe->NbCourbes(), 1);
        EXPECT_EQ(r.ImageVue().height(), r.Graphe->Image().height());

        // A range of one frame.
        r.PanneauAjustement->ComboModele->setCurrentIndex(int(TModele::Parabole));
        r.PanneauAjustement->SpinDe->setValue(4);
        r.PanneauAjustement->SpinA->setValue(4);
        r.PanneauAjustement->BoutonProlozit->click();
        EXPECT_EQ(r.PanneauAjustement->LabelResultat->text(),
                  "Model potřebuje aspoň 4 měření, zvolený rozsah jich má 1.");
        EXPECT_EQ(r.Graphe->NbCourbes(), 1);

        r.MenuProlozeniZrusit->trigger();
        EXPECT_FALSE(r.PanneauAjustement->isVisible());
        EXPECT_TRUE(r.Ajustements().empty());
    });
    EXPECT_TRUE(mesure().Etat().Ajustements.empty());
}

// A quantity of the table is fitted like a point's series, in its own unit,
// and its fit is kept apart from the point's.
TEST_F(ResultatsAjustement, AQuantityOfTheTableIsFittedInItsUnitAndKeptApart)
{
    MesurerAvecGrandeurs({{"X", "m", "2*x1 + 1"}});
    Montrer(TVueResultats::Temps, [](TResultats& r) {
        r.ComboBoxChoix1->setCurrentIndex(r.ComboBoxChoix1->findText("X (vlastní)"));
        r.MenuProlozeniProlozit->trigger();
        const TResultatAjustement* a = r.AjustementAffiche();
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->Demande.Quantite, "X");
        EXPECT_EQ(a->N, 12);
        // The parabola through x1, doubled and raised by one.
        TDemandeAjustement dx;
        dx.Modele = TModele::Parabole;
        dx.Grandeur = TGrandeurAjustee::X;
        const TResultatAjustement x = r.Modele().Ajuster(dx);
        ASSERT_TRUE(x.Reussi());
        ASSERT_EQ(a->Parametres.size(), 3u);
        EXPECT_NEAR(a->Parametres[0].Valeur, 2 * x.Parametres[0].Valeur + 1, 1e-9);
        EXPECT_NEAR(a->Parametres[1].Valeur, 2 * x.Parametres[1].Valeur, 1e-9);
        EXPECT_NEAR(a->Parametres[2].Valeur, 2 * x.Parametres[2].Valeur, 1e-9);
        const QString texte = r.PanneauAjustement->LabelResultat->text();
        EXPECT_TRUE(texte.startsWith("a = (")) << texte.toStdString();
        EXPECT_TRUE(texte.contains(" m;  b = (") && texte.contains(" m/s;  c = (") && texte.contains(" m/s²"))
            << texte.toStdString();
        ASSERT_EQ(r.Graphe->NbCourbes(), 3);
        EXPECT_TRUE(r.Graphe->Courbe(2).Pointillee);

        // An energy's parameters are in joules.
        r.ComboBoxChoix1->setCurrentIndex(r.ComboBoxChoix1->findText("kinetická energie Ek1"));
        EXPECT_EQ(r.AjustementAffiche(), nullptr);
        r.MenuProlozeniProlozit->trigger();
        EXPECT_TRUE(r.PanneauAjustement->LabelResultat->text().contains(" J/s²"));

        // The point's own series has no fit of its own.
        r.ComboBoxChoix1->setCurrentIndex(0);
        EXPECT_EQ(r.AjustementAffiche(), nullptr);
        EXPECT_EQ(r.Graphe->NbCourbes(), 1);
    });
    const std::vector<TDemandeAjustement>& gardes = mesure().Etat().Ajustements;
    ASSERT_EQ(gardes.size(), 2u);
    EXPECT_EQ(gardes[0].Quantite, "X");
    EXPECT_EQ(gardes[1].Quantite, "Ek1");

    // Under the table, each with its title.
    Montrer(TVueResultats::Tableau, [](TResultats& r) {
        r.MenuEditionCopierDansLePressePapier->trigger();
        const QString texte = QGuiApplication::clipboard()->text();
        EXPECT_TRUE(texte.contains("\r\nProložení (X, snímky 0 až 11):\r\na = (")) << texte.toStdString();
        EXPECT_TRUE(texte.contains("\r\nProložení (Ek1, snímky 0 až 11):\r\n")) << texte.toStdString();
    });
}

} // namespace
