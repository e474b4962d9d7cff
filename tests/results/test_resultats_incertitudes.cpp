// The results window shows the uncertainties on request and says in its
// status bar how the derivatives were smoothed and on what time base.

#include "tests/results/ResultatsTest.h"

#include "core/UnitFormatReel.h"
#include "kit/Mnemoniques.h"

#include <QLabel>
#include <QLocale>

namespace {

using ResultatsIncertitudes = ResultatsTest;

TEST_F(ResultatsIncertitudes, NejistotyShowsTheUncertaintiesBesideTheColumnsShown)
{
    Mesurer(1, 12);
    Montrer(TVueResultats::Tableau, [this](TResultats& r) {
        ASSERT_TRUE(r.MenuAffichageIncertitudes->isVisible());
        EXPECT_EQ(SansMnemonique(r.MenuAffichageIncertitudes->text()), "Nejistoty");
        EXPECT_FALSE(r.MenuAffichageIncertitudes->isChecked());
        r.MenuAffichageVitesse->trigger();
        EXPECT_EQ(ColonnesVisibles(), QStringList({"Numero", "Date", "x1", "y1", "vx1", "vy1", "v1"}));
        r.MenuAffichageIncertitudes->trigger();
        EXPECT_EQ(ColonnesVisibles(),
                  QStringList({"Numero", "Date", "x1", "y1", "vx1", "vy1", "v1", "uvx1", "uvy1", "uv1"}));
        EXPECT_FALSE(Cellule(3, "uvx1").isEmpty());
        r.MenuAffichageAcceleration->trigger();
        EXPECT_EQ(ColonnesVisibles().mid(10), QStringList({"ax1", "ay1", "a1", "uax1", "uay1", "ua1"}));
        // A new activation of the table hides them with the rest.
        r.MenuResultatsTemps->trigger();
        EXPECT_FALSE(r.MenuAffichageIncertitudes->isVisible());
        r.MenuResultatsTableau->trigger();
        EXPECT_FALSE(r.MenuAffichageIncertitudes->isChecked());
        EXPECT_EQ(ColonnesVisibles(), QStringList({"Numero", "Date", "x1", "y1"}));
    });
}

TEST_F(ResultatsIncertitudes, StatusBarSaysTheSmoothingTheStepAndTheTimeBase)
{
    Mesurer(1, 12);
    Montrer(TVueResultats::Tableau, [](TResultats& r) {
        const QString etat = r.TexteEtat->text();
        const QString pas = QStringLiteral("T = ") + FormatGeneral(0.04, 3, QLocale().decimalPoint().front()) + " s";
        EXPECT_TRUE(etat.startsWith("Vyhlazeno polynomem")) << etat.toStdString();
        EXPECT_TRUE(etat.contains(pas)) << etat.toStdString();
        EXPECT_TRUE(etat.endsWith("časy podle snímků")) << etat.toStdString();
        r.MenuCalculsLisserLesResultats->trigger();
        EXPECT_TRUE(r.TexteEtat->text().startsWith("Bez vyhlazení")) << r.TexteEtat->text().toStdString();
    });
}

} // namespace
