// The graph zoomed and panned with the mouse and by its commands.

#include "graph/UnitGraphPlusDessin.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// A 400 x 300 graph: the plot is 305 x 235 pixels from (75, 20).
struct Graphe : TDessinGraphe {
    Graphe() { Dimensionner(400, 300); }
};

} // namespace

TEST(Graphe, PanMovesTheLimitsByTheWholeControlsProportion)
{
    Graphe g;
    g.SourisEnfoncee(TBoutonSouris::Gauche, {100, 100});
    EXPECT_EQ(g.CurseurEcran(), 19);
    EXPECT_TRUE(g.SourisDeplacee({140, 130}));
    // dx = 100 * 40 / 400 = 10, dy = 100 * 30 / 300 = 10.
    EXPECT_DOUBLE_EQ(g.Limites().Xmin, -10);
    EXPECT_DOUBLE_EQ(g.Limites().Xmax, 90);
    EXPECT_DOUBLE_EQ(g.Limites().Ymin, 10);
    EXPECT_DOUBLE_EQ(g.Limites().Ymax, 110);
    EXPECT_TRUE(g.SourisDeplacee({140, 130}));
    EXPECT_DOUBLE_EQ(g.Limites().Xmin, -10);
    EXPECT_FALSE(g.SourisRelachee());
    EXPECT_EQ(g.CurseurEcran(), 0);
    EXPECT_FALSE(g.SourisDeplacee({0, 0}));
    EXPECT_DOUBLE_EQ(g.Limites().Xmin, -10);
}

TEST(Graphe, PanOfAZeroSizedControlDoesNothing)
{
    TDessinGraphe g;
    g.SourisEnfoncee(TBoutonSouris::Gauche, {10, 10});
    EXPECT_FALSE(g.SourisDeplacee({20, 20}));
    EXPECT_EQ(g.Limites().Xmin, 0);
}

TEST(Graphe, ZoomAboutTheCentre)
{
    Graphe g;
    g.SetCentreZoom(PointD{40, 60});
    g.SourisEnfoncee(TBoutonSouris::Droit, {200, 150});
    EXPECT_EQ(g.CurseurControle(), 22);
    EXPECT_TRUE(g.SourisDeplacee({190, 150})); // left: zoom in
    EXPECT_DOUBLE_EQ(g.Limites().Xmin, 40 - 40 / 1.05);
    EXPECT_DOUBLE_EQ(g.Limites().Xmax, 40 + 60 / 1.05);
    EXPECT_DOUBLE_EQ(g.Limites().Ymin, 60 - 60 / 1.05);
    EXPECT_DOUBLE_EQ(g.FacteurZoom().X, 1.05);
    EXPECT_DOUBLE_EQ(g.FacteurZoom().Y, 1.05);
    // Only the horizontal movement counts in ZoomXY mode.
    EXPECT_FALSE(g.SourisDeplacee({190, 100}));
    EXPECT_DOUBLE_EQ(g.Limites().Xmin, 40 - 40 / 1.05);
    EXPECT_DOUBLE_EQ(g.FacteurZoom().X, 1.05);
    EXPECT_TRUE(g.SourisDeplacee({195, 100})); // right: zoom out
    EXPECT_NEAR(g.Limites().Xmin, 40 - 40 / 1.05 / 0.95, 1e-12);
    EXPECT_DOUBLE_EQ(g.FacteurZoom().X, 1.05 * 0.95);
    g.SourisRelachee();
    EXPECT_EQ(g.CurseurControle(), 21);
    EXPECT_FALSE(g.SourisDeplacee({100, 100}));
}

TEST(Graphe, ZoomStopsAtFactorFiveAndOneFifth)
{
    Graphe g;
    g.SourisEnfoncee(TBoutonSouris::Droit, {300, 150});
    int acceptes = 0;
    for (int x = 299; x > 200; --x) acceptes += g.SourisDeplacee({x, 150});
    EXPECT_EQ(acceptes, 32); // 1.05^32 = 4.76, 1.05^33 > 5
    EXPECT_LT(g.FacteurZoom().X, 5);
    const TLimites bloquees = g.Limites();
    EXPECT_FALSE(g.SourisDeplacee({150, 150}));
    EXPECT_EQ(g.Limites().Xmin, bloquees.Xmin);
    // A step back is accepted.
    EXPECT_TRUE(g.SourisDeplacee({320, 150}));
    EXPECT_NEAR(g.FacteurZoom().X, std::pow(1.05, 32) * 0.95, 1e-9);

    g.SourisRelachee();
    g.ClearCourbes();
    g.SourisEnfoncee(TBoutonSouris::Droit, {0, 150});
    acceptes = 0;
    for (int x = 1; x < 100; ++x) acceptes += g.SourisDeplacee({x, 150});
    EXPECT_EQ(acceptes, 31); // 0.95^31 = 0.204, 0.95^32 < 0.2
    EXPECT_GE(g.FacteurZoom().X, 0.2);
}

TEST(Graphe, ZoomOnOneAxis)
{
    Graphe g;
    g.SetZoomY(true);
    g.SourisEnfoncee(TBoutonSouris::Droit, {200, 150});
    EXPECT_FALSE(g.SourisDeplacee({100, 150})); // horizontal: nothing
    EXPECT_EQ(g.Limites().Xmin, 0);
    EXPECT_TRUE(g.SourisDeplacee({100, 140})); // up: zoom in on y
    EXPECT_EQ(g.Limites().Xmin, 0);
    EXPECT_EQ(g.Limites().Xmax, 100);
    EXPECT_DOUBLE_EQ(g.Limites().Ymin, 50 - 50 / 1.05);
    EXPECT_EQ(g.FacteurZoom().X, 1);
    EXPECT_DOUBLE_EQ(g.FacteurZoom().Y, 1.05);

    g.SetZoomX(true); // both axes, each by its own movement
    EXPECT_TRUE(g.SourisDeplacee({110, 130}));
    EXPECT_DOUBLE_EQ(g.FacteurZoom().X, 0.95);
    EXPECT_DOUBLE_EQ(g.FacteurZoom().Y, 1.05 * 1.05);

    // Each factor has its own limits.
    g.SetZoomX(false);
    int acceptes = 0;
    for (int y = 129; y > 0; --y) acceptes += g.SourisDeplacee({110, y});
    EXPECT_EQ(acceptes, 30); // from 1.05^2 up to 1.05^32
    EXPECT_DOUBLE_EQ(g.FacteurZoom().X, 0.95);
}

TEST(Graphe, PanAndZoomTogether)
{
    Graphe g;
    g.SourisEnfoncee(TBoutonSouris::Gauche, {200, 150});
    g.SourisEnfoncee(TBoutonSouris::Droit, {200, 150});
    EXPECT_TRUE(g.SourisDeplacee({240, 150}));
    // Pan by -10, then zoom out about (50, 50).
    EXPECT_NEAR(g.Limites().Xmin, 50 + (-10 - 50) / 0.95, 1e-12);
    g.SourisRelachee();
    EXPECT_FALSE(g.SourisDeplacee({100, 100}));
}
