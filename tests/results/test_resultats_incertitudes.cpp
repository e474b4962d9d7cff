// The results window shows the uncertainties on request, as columns of the
// table and as error bars on the graphs, and says in its status bar how the
// derivatives were smoothed and on what time base.

#include "tests/results/ResultatsTest.h"

#include "core/UnitFormatReel.h"
#include "graph/UnitGraphPlus.h"
#include "kit/Mnemoniques.h"
#include "print/UnitImprimer.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <cmath>
#include <utility>

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
        // The graphs view offers them too; the trajectories do not.
        r.MenuResultatsTemps->trigger();
        EXPECT_TRUE(r.MenuAffichageIncertitudes->isVisible());
        r.MenuResultatsReferentiel->trigger();
        EXPECT_FALSE(r.MenuAffichageIncertitudes->isVisible());
        // A new activation of the table hides them with the rest.
        r.MenuResultatsTableau->trigger();
        EXPECT_FALSE(r.MenuAffichageIncertitudes->isChecked());
        EXPECT_EQ(ColonnesVisibles(), QStringList({"Numero", "Date", "x1", "y1"}));
    });
}

// The ends of the ±1 u bar of sample i of the drawn curve: the pixels of
// value + u and value - u.
std::pair<int, int> BoutsBarre(const TGraphPlus& g, int i)
{
    const TCourbe& c = *g.CourbesActives().front();
    const TLimites& l = g.Limites();
    const double y = c.Points()[size_t(i)].Y, u = c.Barres()[size_t(i)];
    const auto pixel = [&](double v) {
        return int(std::nearbyint((1 - (v - l.Ymin) / (l.Ymax - l.Ymin)) * c.Zone().Height)) + c.Zone().Top;
    };
    return {pixel(y + u), pixel(y - u)};
}

bool Rouge(const QImage& image, int x, int y)
{
    return (image.pixel(x, y) & 0xFFFFFF) == 0xFF0000;
}

TEST_F(ResultatsIncertitudes, NejistotyDrawsErrorBarsOnTheGraphsAsSavedAndPrinted)
{
    Etalonner();
    // Clicks scattered by about a pixel around a smooth motion.
    Marquer(1, 14, [](int j) { return PointD{0.05 + 0.04 * j + 0.002 * j * j + 0.006 * ((j * 7) % 5 - 2), 0.3}; });
    Montrer(TVueResultats::Temps, [this](TResultats& r) {
        ASSERT_TRUE(r.MenuAffichageIncertitudes->isVisible());
        ASSERT_FALSE(r.MenuAffichageIncertitudes->isChecked());
        r.ComboBoxChoix1->setCurrentIndex(2); // vx
        const QImage sans = r.Graphe->Image();
        EXPECT_TRUE(r.Graphe->CourbesActives().front()->Barres().empty());
        r.MenuAffichageIncertitudes->trigger();
        const TCourbe& c = *r.Graphe->CourbesActives().front();
        ASSERT_EQ(c.Barres(), r.Series().SerieUVX[0]);
        // The longest bar, well clear of its mark.
        int i = 0;
        for (int k = 1; k < c.NbPoints(); ++k)
            if (c.Barres()[size_t(k)] > c.Barres()[size_t(i)]) i = k;
        const auto [haut, bas] = BoutsBarre(*r.Graphe, i);
        const int x = c.PositionPixel(i).x();
        ASSERT_GT(bas - haut, 12);
        const QImage avec = r.Graphe->Image();
        for (int y = haut; y <= bas; ++y) EXPECT_TRUE(Rouge(avec, x, y)) << y;
        EXPECT_TRUE(Rouge(avec, x - 2, haut));
        EXPECT_TRUE(Rouge(avec, x + 2, bas));
        EXPECT_FALSE(Rouge(avec, x, haut - 1));
        EXPECT_FALSE(Rouge(avec, x, bas + 1));
        EXPECT_FALSE(Rouge(sans, x, haut));
        // The range makes room for the bars.
        for (int k = 0; k < c.NbPoints(); ++k) {
            const auto [h, b] = BoutsBarre(*r.Graphe, k);
            EXPECT_GE(h, c.Zone().Top);
            EXPECT_LT(b, c.Zone().Top + c.Zone().Height);
        }

        // Saved and printed as drawn.
        EXPECT_EQ(r.ImageVue(), avec);
        QImage imprimee;
        dialogues.Modaux.push_back([&](QDialog& d) {
            imprimee = static_cast<TImprimer&>(d).MiseEnPage().Dessin().Pixels();
            return int(QDialog::Rejected);
        });
        r.MenuFichierImprimer->trigger();
        ASSERT_EQ(imprimee.size(), avec.size());
        for (int y = haut; y <= bas; ++y) EXPECT_TRUE(Rouge(imprimee, x, y)) << y;

        // Positions carry no uncertainty: no bars.
        r.ComboBoxChoix1->setCurrentIndex(0);
        EXPECT_TRUE(r.Graphe->CourbesActives().front()->Barres().empty());
        r.MenuAffichageIncertitudes->trigger();
        r.ComboBoxChoix1->setCurrentIndex(2);
        EXPECT_EQ(r.Graphe->Image(), sans);
    });
}

TEST_F(ResultatsIncertitudes, StatusBarSaysTheSmoothingTheStepAndTheTimeBase)
{
    Mesurer(1, 12);
    Montrer(TVueResultats::Tableau, [](TResultats& r) {
        const QString etat = r.TexteEtat();
        const QString pas = QStringLiteral("T = ") + FormatGeneral(0.04, 3, QLocale().decimalPoint().front()) + " s";
        EXPECT_TRUE(etat.startsWith("Vyhlazeno polynomem")) << etat.toStdString();
        EXPECT_TRUE(etat.contains(pas)) << etat.toStdString();
        EXPECT_TRUE(etat.endsWith("časy podle snímků")) << etat.toStdString();
        r.MenuCalculsLisserLesResultats->trigger();
        EXPECT_TRUE(r.TexteEtat().startsWith("Bez vyhlazení")) << r.TexteEtat().toStdString();
    });
}

} // namespace
