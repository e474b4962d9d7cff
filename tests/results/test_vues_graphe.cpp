// The three graphical views composed on the graph without a window, checked
// on the picture.

#include "kinematics/UnitSeries.h"
#include "results/UnitVueTemps.h"
#include "results/UnitVueTrajectoire.h"
#include "results/UnitVueVecteurs.h"

#include <QImage>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A 4:3 picture whose width is 1.6 m (1.2 m a height), origin at the
// bottom-left corner; `n` marks dealt to `points` moving points.
TResultatsSeries Calculer(int points, int n, const std::function<PointD(int)>& marque, bool axeVersLeBas = false)
{
    TEntreesSeries e;
    e.AxeVersLeBas = axeVersLeBas;
    e.Origine = PointD{0, 1};
    e.MarquesParImage = points;
    e.EtatEtalon = 2;
    e.NombreDePoints = n;
    for (int k = 0; k < n; ++k) e.Marques.push_back(marque(k));
    e.LongueurEtalon = 1.6;
    e.FrameTime = 0.04;
    e.AspectRatio = 4.0 / 3;
    e.PointsEtalon = {PointD{0, 0.5}, PointD{1, 0.5}};
    TPasDeTemps pas;
    TSeries s(pas);
    s.CalculerResultats(e, true, true);
    return s.Resultats();
}

// Point p thrown to the right, a parabola.
PointD Jet(int points, int k)
{
    const int p = k % points, j = k / points;
    return PointD{0.1 + 0.08 * j + 0.05 * p, 0.8 - 0.15 * j + 0.012 * j * j - 0.1 * p};
}

bool Couleur(QRgb c, int r, int g, int b)
{
    return qRed(c) == r && qGreen(c) == g && qBlue(c) == b;
}

// Mean position and count of the pixels of one colour.
struct Tache {
    int n = 0;
    double x = 0, y = 0;
};
Tache Chercher(const QImage& image, const QRect& zone, int r, int g, int b)
{
    Tache t;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (Couleur(image.pixel(x, y), r, g, b)) {
                ++t.n;
                t.x += x;
                t.y += y;
            }
    if (t.n) {
        t.x /= t.n;
        t.y /= t.n;
    }
    return t;
}

// Composes a view as the window does: prepare, size, draw, apply the range, paint.
template <class Vue, class ChoixVue>
void Composer(TDessinGraphe& g, const TResultatsSeries& r, const ChoixVue& c, QSize taille = {600, 400})
{
    Vue::Preparer(g);
    g.Dimensionner(taille.width(), taille.height());
    g.ClearCourbes();
    TEtendue e;
    Vue::Dessiner(g, r, c, e);
    VuesGraphe::AppliquerEtendue(g, e);
    g.Dessiner();
}

struct Temps {
    static void Preparer(TDessinGraphe& g) { VueTemps::Preparer(g); }
    static void Dessiner(TDessinGraphe& g, const TResultatsSeries& r, const VueTemps::Choix& c, TEtendue& e)
    {
        VueTemps::Dessiner(g, r, c, e);
    }
};
struct Trajectoire {
    static void Preparer(TDessinGraphe& g) { VueTrajectoire::Preparer(g); }
    static void Dessiner(TDessinGraphe& g, const TResultatsSeries& r, const VueTrajectoire::Choix& c, TEtendue& e)
    {
        VueTrajectoire::Dessiner(g, r, c, e);
    }
};
struct Vecteurs {
    static void Preparer(TDessinGraphe& g) { VueVecteurs::Preparer(g); }
    static void Dessiner(TDessinGraphe& g, const TResultatsSeries& r, const VueVecteurs::Choix& c, TEtendue& e)
    {
        VueVecteurs::Dessiner(g, r, c, e);
    }
};

QRect ZoneGraphe(const TDessinGraphe& g)
{
    return QRect(g.AxeYFromLeft(), g.AxeXFromTop(), g.LargeurGraphe(), g.HauteurGraphe());
}

TEST(GraphsAgainstTime, APointAtRestGetsAtLeastATenthOfHeightAroundIt)
{
    // On the origin: x = y = 0 at every sample.
    const TResultatsSeries r = Calculer(1, 6, [](int) { return PointD{0, 1}; });
    TDessinGraphe g;
    Composer<Temps>(g, r, VueTemps::Choix{VueTemps::Grandeur::Y, 0});
    EXPECT_NEAR(g.Limites().Ymin, -0.055, 1e-12);
    EXPECT_NEAR(g.Limites().Ymax, 0.05525, 1e-12);
    // The red crosses sit at the height of 0 in the plot.
    const Tache rouge = Chercher(g.Image(), ZoneGraphe(g), 255, 0, 0);
    ASSERT_GT(rouge.n, 6 * 5);
    const double y0 =
        g.AxeXFromTop() + g.HauteurGraphe() * (g.Limites().Ymax - 0) / (g.Limites().Ymax - g.Limites().Ymin);
    EXPECT_NEAR(rouge.y, y0, 1.5);
}

TEST(GraphsAgainstTime, MagnitudesStartAtZeroAndCoordinatesShareARange)
{
    const TResultatsSeries r = Calculer(1, 8, [](int k) { return Jet(1, k); });
    TDessinGraphe g;
    Composer<Temps>(g, r, VueTemps::Choix{VueTemps::Grandeur::V, 0});
    EXPECT_LE(g.Limites().Ymin, 0);
    EXPECT_EQ(g.TitreAxeY(), "v (m/s)");
    EXPECT_EQ(g.TitreAxeX(), "t (s)");
    Composer<Temps>(g, r, VueTemps::Choix{VueTemps::Grandeur::X, 0});
    const TLimites x = g.Limites();
    Composer<Temps>(g, r, VueTemps::Choix{VueTemps::Grandeur::Y, 0});
    EXPECT_EQ(g.Limites().Ymin, x.Ymin);
    EXPECT_EQ(g.Limites().Ymax, x.Ymax);
    EXPECT_DOUBLE_EQ(g.Limites().Xmax, 7 * 0.04 * 1.05);
}

TEST(GraphsAgainstTime, TheListFollowsWhatWasComputedAndThePointItsColour)
{
    TResultatsSeries r = Calculer(2, 8, [](int k) { return Jet(2, k); });
    r.AfficherVitesse = false;
    QStringList l;
    for (VueTemps::Grandeur q : VueTemps::Grandeurs(r)) l << VueTemps::Libelle(q);
    EXPECT_EQ(l, QStringList({"souradnice x", "souradnice y", "zrychlení ax", "zrychlení ay", "hodnota zrychlení"}));
    EXPECT_EQ(VueTemps::TitreAxe(VueTemps::Grandeurs(r)[2]), "ax (m/s2)");
    EXPECT_EQ(VueTemps::Points(r), QStringList({"bodu 1", "bodu 2"}));
    TDessinGraphe g;
    Composer<Temps>(g, r, VueTemps::Choix{VueTemps::Grandeur::X, 1, true});
    EXPECT_EQ(Chercher(g.Image(), ZoneGraphe(g), 255, 0, 0).n, 0);
    EXPECT_GT(Chercher(g.Image(), ZoneGraphe(g), 0, 0, 255).n, 4 * 5); // the line and the plus marks
}

TEST(Trajectories, TheFrameOfPoint2DrawsPoint2AsOneBluePlusAtTheOrigin)
{
    // Point 1 thrown, point 2 sliding along a line.
    const TResultatsSeries r = Calculer(2, 10, [](int k) {
        return k % 2 ? PointD{0.2 + 0.05 * (k / 2), 0.3} : Jet(1, k / 2);
    });
    EXPECT_EQ(VueTrajectoire::Points(r), QStringList({"1", "2", "1-2"}));
    EXPECT_EQ(VueTrajectoire::Referentiels(r), QStringList({"ke kameře", "k bodu č. 1", "k bodu č. 2"}));
    TDessinGraphe g;
    Composer<Trajectoire>(g, r, VueTrajectoire::Choix{2, 2});
    ASSERT_EQ(g.CourbesActives().size(), 2u);
    EXPECT_EQ(g.CourbesActives()[1]->NbPoints(), 1);
    const Tache bleu = Chercher(g.Image(), ZoneGraphe(g), 0, 0, 255);
    const QPoint origine = g.CourbesActives()[1]->PositionPixel(0);
    ASSERT_GT(bleu.n, 0);
    EXPECT_LE(bleu.n, 20); // a single plus
    EXPECT_NEAR(bleu.x, origine.x(), 1);
    EXPECT_NEAR(bleu.y, origine.y(), 1);
    // The data point (0, 0) maps to that pixel.
    const TLimites& l = g.Limites();
    EXPECT_NEAR(origine.x(), g.AxeYFromLeft() + g.LargeurGraphe() * (0 - l.Xmin) / (l.Xmax - l.Xmin), 1);
    EXPECT_GT(Chercher(g.Image(), ZoneGraphe(g), 255, 0, 0).n, 5 * 10); // point 1's crosses
}

TEST(Trajectories, RelativeTrajectoriesTakeSamplesOfEqualIndex)
{
    const TResultatsSeries r = Calculer(2, 9, [](int k) { return Jet(2, k); });
    ASSERT_EQ(r.NbMesures, std::vector<int>({5, 4}));
    const VecteurPointD v = VueTrajectoire::Relative(r, 0, 1);
    ASSERT_EQ(v.size(), 4u);
    EXPECT_DOUBLE_EQ(v[3].X, r.SerieX[0][3] - r.SerieX[1][3]);
    EXPECT_EQ(VueTrajectoire::Relative(r, 0, -1).size(), 5u);
    EXPECT_EQ(VueTrajectoire::Relative(r, 1, 1), VecteurPointD({PointD{0, 0}}));
}

TEST(Trajectories, ScalesStayEqualAtAnySizeAndTheRangeCoversAQuarterPicture)
{
    // A horizontal line: its height range comes from the quarter picture.
    const TResultatsSeries r = Calculer(1, 6, [](int k) { return PointD{0.1 + 0.15 * k, 0.5}; });
    for (QSize taille : {QSize(600, 400), QSize(300, 500), QSize(900, 250)}) {
        TDessinGraphe g;
        Composer<Trajectoire>(g, r, VueTrajectoire::Choix{0, 0}, taille);
        const TLimites& l = g.Limites();
        EXPECT_NEAR((l.Xmax - l.Xmin) / g.LargeurGraphe(), (l.Ymax - l.Ymin) / g.HauteurGraphe(), 1e-12);
        EXPECT_GE(l.Ymax - l.Ymin, 1.2 / 4 * 1.2 - 1e-12); // quarter height and 10 % margins
    }
    TDessinGraphe g;
    Composer<Trajectoire>(g, r, VueTrajectoire::Choix{0, 0, true, true});
    EXPECT_TRUE(g.CourbesActives()[0]->NumerosVisibles);
}

TEST(Vectors, TheDrawingIsTheSameWhicheverWayTheAxisPoints)
{
    const auto jet = [](int k) { return Jet(1, k); };
    const TResultatsSeries haut = Calculer(1, 8, jet);
    const TResultatsSeries bas = Calculer(1, 8, jet, true);
    ASSERT_EQ(bas.SerieY[0][2], -haut.SerieY[0][2]);
    for (VueVecteurs::Sorte s : {VueVecteurs::Sorte::Vitesses, VueVecteurs::Sorte::Accelerations}) {
        TDessinGraphe a, b;
        Composer<Vecteurs>(a, haut, VueVecteurs::Choix{s, 0, true});
        Composer<Vecteurs>(b, bas, VueVecteurs::Choix{s, 0, true});
        EXPECT_EQ(a.Image(), b.Image());
        EXPECT_EQ(a.SerieVecteurs(), int(s));
    }
}

TEST(Vectors, ArrowsAreBlackOnTheViewsGradientWithoutAxes)
{
    const TResultatsSeries r = Calculer(1, 8, [](int k) { return Jet(1, k); });
    TDessinGraphe g;
    Composer<Vecteurs>(g, r, VueVecteurs::Choix{});
    EXPECT_FALSE(g.AxeXVisible());
    EXPECT_EQ(g.LEchelle(), 64);
    EXPECT_GT(Chercher(g.Image(), g.Image().rect(), 0, 0, 0).n, 8 * 10);
    // Away from the drawing, the view's gradient between its two colours.
    const QRgb fond = g.Image().pixel(10, g.Height() / 2);
    const QRgb debut = Couleur::VersQRgb(VuesGraphe::FondVecteurs.ColorBegin);
    const QRgb fin = Couleur::VersQRgb(VuesGraphe::FondVecteurs.ColorEnd);
    for (int decalage : {16, 8, 0}) {
        const auto canal = [decalage](QRgb c) { return int(c >> decalage) & 0xFF; };
        EXPECT_GE(canal(fond), std::min(canal(debut), canal(fin)));
        EXPECT_LE(canal(fond), std::max(canal(debut), canal(fin)));
    }
    EXPECT_EQ(VueVecteurs::Sortes(r).size(), 2u);
}

TEST(Vectors, TheLegendIsALineAsLongAsTheArrowPictureUnderItsValue)
{
    QImage image(300, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    VueVecteurs::DessinerLegende(image, 2.5, VueVecteurs::Sorte::Accelerations);
    int noirs = 0;
    for (int x = 0; x < 300; ++x) noirs += Couleur(image.pixel(x, 20), 0, 0, 0);
    EXPECT_EQ(noirs, 64);
    EXPECT_TRUE(Couleur(image.pixel(20, 20), 0, 0, 0));
    EXPECT_FALSE(Couleur(image.pixel(84, 20), 0, 0, 0));
    // The value above the line.
    bool texte = false;
    for (int y = 5; y < 18; ++y)
        for (int x = 20; x < 84; ++x) texte = texte || qRed(image.pixel(x, y)) < 128;
    EXPECT_TRUE(texte);
}

} // namespace
