// The graph without a window: defaults, curves and their options, layout,
// painting, the arrow scale and vector masking.

#include "graph/UnitGraphPlusDessin.h"

#include "OutilsImage.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

using Couleur::RGB;

namespace {

const QRgb Blanc = qRgb(255, 255, 255);
const QRgb Noir = qRgb(0, 0, 0);
const QRgb Gris = qRgb(128, 128, 128);

// A 400 x 300 graph: the plot is 305 x 235 pixels from (75, 20).
struct Graphe : TDessinGraphe {
    Graphe() { Dimensionner(400, 300); }
};

VecteurPointD Ligne(int n, double pente)
{
    VecteurPointD p(n);
    for (int i = 0; i < n; ++i) p[i] = PointD{double(i), pente * i};
    return p;
}

} // namespace

TEST(Graphe, Defaults)
{
    TDessinGraphe g;
    EXPECT_EQ(g.AxeYFromLeft(), 75);
    EXPECT_EQ(g.AxeYFromRight(), 20);
    EXPECT_EQ(g.AxeXFromTop(), 20);
    EXPECT_EQ(g.AxeXFromBottom(), 45);
    EXPECT_EQ(g.TitreAxeXFromEdge(), 0);
    EXPECT_EQ(g.AxeX().DecalageTitre, 5);
    EXPECT_EQ(g.LEchelle(), 64);
    EXPECT_TRUE(g.AxeXVisible());
    EXPECT_TRUE(g.AxeYVisible());
    EXPECT_EQ(g.TitreAxeX(), "m/s");
    EXPECT_EQ(g.TitreAxeY(), "m/s");
    EXPECT_EQ(g.AxeX().NbDivisions, 5);
    EXPECT_EQ(g.AxeY().NbDivisions, 6);
    EXPECT_FALSE(g.AxeX().Vertical);
    EXPECT_TRUE(g.AxeY().Vertical);
    EXPECT_FALSE(g.ZoomX());
    EXPECT_FALSE(g.ZoomY());
    EXPECT_TRUE(g.ZoomXY());
    EXPECT_EQ(g.ColorBegin(), Couleur::Blanc);
    EXPECT_EQ(g.ColorEnd(), 15780518u);
    EXPECT_EQ(g.ColorAxe(), Couleur::FaceBouton);
    EXPECT_EQ(g.AxeX().Couleur, Couleur::FaceBouton);
    EXPECT_EQ(g.Limites().Xmax, 100);
    EXPECT_EQ(g.CentreZoom(), (PointD{50, 50}));
    EXPECT_EQ(g.FacteurZoom(), (PointD{1, 1}));
    EXPECT_EQ(g.EchelleVecteurs(), 2.5);
    EXPECT_EQ(g.SerieVecteurs(), 0);
    EXPECT_FALSE(g.ModeVecteurs());
    EXPECT_EQ(g.NbCourbes(), 0);
    EXPECT_EQ(g.CurseurControle(), 21);
    EXPECT_EQ(g.Gradient().Style(), gsRadialC);
    EXPECT_EQ(g.Gradient().Shift(), 0);
    EXPECT_FALSE(g.Gradient().Reverse());
}

TEST(Graphe, PropertiesReachTheAxes)
{
    TDessinGraphe g;
    g.SetAxeYFromLeft(85);
    g.SetAxeXFromBottom(50);
    g.SetAxeXFromTop(15);
    g.SetAxeYFromRight(30);
    g.SetTitreAxeXFromEdge(2);
    g.SetTitreAxeYFromEdge(3);
    g.SetAxeYVisible(false);
    g.SetTitreAxeY(QStringLiteral("x (m)"));
    g.SetColorAxe(RGB(1, 2, 3));
    for (const TAxe* a : {&g.AxeX(), &g.AxeY()}) {
        EXPECT_EQ(a->MargeGauche, 85);
        EXPECT_EQ(a->MargeDroite, 30);
        EXPECT_EQ(a->MargeHaut, 15);
        EXPECT_EQ(a->MargeBas, 50);
        EXPECT_EQ(a->Couleur, RGB(1, 2, 3));
    }
    EXPECT_EQ(g.AxeX().DecalageTitre, 2);
    EXPECT_EQ(g.AxeY().DecalageTitre, 3);
    EXPECT_FALSE(g.AxeY().Visible);
    EXPECT_EQ(g.AxeY().Titre, "x (m)");
}

TEST(Graphe, ZoomModesExcludeEachOther)
{
    TDessinGraphe g;
    g.SetZoomY(true);
    EXPECT_FALSE(g.ZoomXY());
    g.SetZoomX(false); // the other one is still on
    EXPECT_FALSE(g.ZoomXY());
    g.SetZoomXY(true);
    EXPECT_FALSE(g.ZoomX());
    EXPECT_FALSE(g.ZoomY());
    g.SetZoomX(false); // neither is on: ZoomXY stays
    EXPECT_TRUE(g.ZoomXY());
    g.SetZoomXY(false);
    EXPECT_FALSE(g.ZoomXY());
}

TEST(Graphe, LayoutSizesThePicturesAndBands)
{
    Graphe g;
    EXPECT_EQ(g.LargeurGraphe(), 305);
    EXPECT_EQ(g.HauteurGraphe(), 235);
    EXPECT_EQ(g.Image().size(), QSize(400, 300));
    EXPECT_EQ(g.Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(g.Fond().size(), QSize(305, 235));
    EXPECT_EQ(g.Gradient().Size(), QSize(305, 235));
    EXPECT_EQ(g.AxeX().Zone.Rect(), QRect(0, 255, 400, 45));
    EXPECT_EQ(g.AxeY().Zone.Rect(), QRect(0, 0, 75, 255));
}

TEST(Graphe, NegativePlotSizeChangesOnlyTheBounds)
{
    Graphe g;
    const int n = g.AddCourbe(2, Ligne(2, 1), {}, {});
    g.Dimensionner(80, 500);
    EXPECT_EQ(g.Width(), 80);
    EXPECT_EQ(g.Height(), 500);
    EXPECT_EQ(g.LargeurGraphe(), -15);
    EXPECT_EQ(g.Image().size(), QSize(400, 300));
    EXPECT_EQ(g.Fond().size(), QSize(305, 235));
    EXPECT_EQ(g.AxeX().Zone.Rect(), QRect(0, 255, 400, 45));
    EXPECT_EQ(g.Courbe(n).Zone().Rect(), QRect(75, 20, 305, 235));
    // A zero-size plot is laid out.
    g.Dimensionner(95, 65);
    EXPECT_EQ(g.Image().size(), QSize(95, 65));
    EXPECT_TRUE(g.Fond().isNull());
    g.Dessiner();
}

TEST(Graphe, PaintWithoutCurves)
{
    Graphe g;
    g.SetColorAxe(RGB(200, 210, 220));
    g.Dessiner();
    const QImage& i = g.Image();
    // The background: first colour at the plot's centre, second towards its corners.
    EXPECT_EQ(i.pixel(75 + 153, 20 + 118), Blanc);
    EXPECT_NEAR(qRed(i.pixel(76, 21)), 166, 2);
    EXPECT_NEAR(qGreen(i.pixel(76, 21)), 202, 2);
    // Margins and bands.
    EXPECT_EQ(i.pixel(200, 10), qRgb(200, 210, 220));
    EXPECT_EQ(i.pixel(390, 100), qRgb(200, 210, 220));
    EXPECT_EQ(i.pixel(30, 150), qRgb(200, 210, 220));
    // The frame around the plot, right and bottom edges excluded.
    EXPECT_EQ(i.pixel(75, 100), Noir);
    EXPECT_EQ(i.pixel(379, 100), Noir);
    EXPECT_EQ(i.pixel(200, 20), Noir);
    EXPECT_EQ(i.pixel(200, 254), Noir);
    EXPECT_EQ(i.pixel(380, 100), qRgb(200, 210, 220));
    // Raised border.
    EXPECT_EQ(i.pixel(0, 0), Blanc);
    EXPECT_EQ(i.pixel(399, 0), Blanc);
    EXPECT_EQ(i.pixel(0, 299), Blanc);
    EXPECT_EQ(i.pixel(1, 299), Gris);
    EXPECT_EQ(i.pixel(399, 299), Gris);
    EXPECT_EQ(i.pixel(399, 1), Gris);
}

TEST(Graphe, ThePatternIsBuiltOnlyWhenAColourChanges)
{
    Graphe g;
    const int avant = g.Gradient().Builds();
    g.AddCourbe(3, Ligne(3, 1), {}, {});
    g.SelectCourbes({0}, {0}, {Couleur::Rouge}, 0);
    for (int k = 0; k < 3; ++k) g.Dessiner();
    g.Dimensionner(500, 400);
    g.SourisEnfoncee(TBoutonSouris::Gauche, {100, 100});
    g.SourisDeplacee({120, 110});
    g.SetColorBegin(g.ColorBegin());
    EXPECT_EQ(g.Gradient().Builds(), avant);

    g.SetColorBegin(RGB(255, 0, 0));
    EXPECT_EQ(g.Gradient().Builds(), avant + 1);
    // The new pattern is already stretched onto the background.
    EXPECT_EQ(g.Fond().pixel(g.Fond().width() / 2, g.Fond().height() / 2), qRgb(255, 0, 0));
}

TEST(Graphe, CurvesAreAddedInactiveAndNormalised)
{
    Graphe g;
    g.SetLimites(0, 10, 0, 20);
    EXPECT_EQ(g.AddCourbe(2, {PointD{5, 5}, PointD{10, 20}}, {}, {}), 0);
    EXPECT_EQ(g.AddCourbe(1, {PointD{0, 0}}, {}, {}), 1);
    EXPECT_TRUE(g.CourbesActives().empty());
    EXPECT_EQ(g.Courbe(0).PointsNormes()[0], (PointD{0.5, 0.25}));
    EXPECT_EQ(g.Courbe(0).Zone().Rect(), QRect(75, 20, 305, 235));

    g.SelectCourbes({1, 0}, {2, 1}, {Couleur::Bleu, RGB(0, 128, 0)}, 0);
    ASSERT_EQ(g.CourbesActives().size(), 2u);
    EXPECT_EQ(g.CourbesActives()[0], &g.Courbe(1));
    EXPECT_EQ(g.Courbe(1).Marque, 2);
    EXPECT_EQ(g.Courbe(1).CouleurPoints, Couleur::Bleu);
    EXPECT_EQ(g.Courbe(0).Marque, 1);

    g.SetLimites(0, 20, 0, 40);
    EXPECT_EQ(g.Courbe(0).PointsNormes()[1], (PointD{0.5, 0.5}));
    EXPECT_EQ(g.AxeX().Max, 20);
    EXPECT_EQ(g.AxeY().Max, 40);

    g.SourisEnfoncee(TBoutonSouris::Droit, {200, 100});
    g.SourisDeplacee({199, 100});
    g.ClearCourbes();
    EXPECT_EQ(g.NbCourbes(), 0);
    EXPECT_TRUE(g.CourbesActives().empty());
    EXPECT_EQ(g.FacteurZoom(), (PointD{1, 1}));
    EXPECT_NE(g.Limites().Xmax, 20); // the limits stay as the zoom left them
}

TEST(Graphe, VisibilityOperationsSwitchOffEverywhereThenOnForTheListed)
{
    Graphe g;
    for (int k = 0; k < 2; ++k) g.AddCourbe(2, Ligne(2, 1), {Ligne(2, 1)}, {QStringLiteral("m/s")});

    g.SetCourbesJointes({1}, {RGB(1, 1, 1)});
    EXPECT_FALSE(g.Courbe(0).Jointe);
    EXPECT_TRUE(g.Courbe(1).Jointe);
    EXPECT_EQ(g.Courbe(1).CouleurCourbe, RGB(1, 1, 1));
    g.SetCourbesJointes({}, {});
    EXPECT_FALSE(g.Courbe(1).Jointe);

    g.SetNumerosVisibles({0}, {RGB(2, 2, 2)});
    EXPECT_TRUE(g.Courbe(0).NumerosVisibles);
    EXPECT_EQ(g.Courbe(0).CouleurNumeros, RGB(2, 2, 2));
    // Magnitudes and numbers exclude each other.
    g.SetValeursVisibles({0}, {RGB(3, 3, 3)});
    EXPECT_FALSE(g.Courbe(0).NumerosVisibles);
    EXPECT_TRUE(g.Courbe(0).ValeursVisibles());
    EXPECT_TRUE(g.Courbe(0).Fleches()[0].ValeursVisibles);
    EXPECT_EQ(g.Courbe(0).Fleches()[0].CouleurTexte, RGB(3, 3, 3));
    g.SetNumerosVisibles({0}, {RGB(2, 2, 2)});
    EXPECT_FALSE(g.Courbe(0).ValeursVisibles());
    EXPECT_FALSE(g.Courbe(0).Fleches()[0].ValeursVisibles);

    g.SetVecteursVisibles({0, 1}, {RGB(4, 4, 4), RGB(5, 5, 5)});
    EXPECT_TRUE(g.Courbe(1).Fleches()[0].VecteursVisibles);
    EXPECT_EQ(g.Courbe(1).Fleches()[0].CouleurFleches, RGB(5, 5, 5));
}

namespace {

// Two curves of three points; the first vector of each is the largest and
// does not count. Plot width 305.
struct GrapheVecteurs : Graphe {
    GrapheVecteurs()
    {
        AddCourbe(3, Ligne(3, 1), {{PointD{100, 0}, PointD{3, 4}, PointD{1, 0}}}, {QStringLiteral("m/s")});
        AddCourbe(3, Ligne(3, 2), {{PointD{100, 0}, PointD{0, 8}, PointD{1, 0}}}, {QStringLiteral("m/s")});
        SetLimites(0, 3, 0, 6);
    }
};

} // namespace

TEST(Graphe, SelectInitialisesTheVectorScaleFromTheLargestNorm)
{
    GrapheVecteurs g;
    g.SelectCourbes({0}, {0}, {Couleur::Rouge}, 0);
    // M = 5 over the active curve only; every curve takes it.
    const double facteur = 0.1 / 5;
    EXPECT_DOUBLE_EQ(g.Courbe(0).Fleches()[0].Facteur(), facteur);
    EXPECT_DOUBLE_EQ(g.Courbe(1).Fleches()[0].Facteur(), facteur);
    EXPECT_DOUBLE_EQ(g.EchelleVecteurs(), 64 / facteur / 305);

    g.SelectCourbes({0, 1}, {0, 1}, {Couleur::Rouge, Couleur::Bleu}, 0);
    EXPECT_DOUBLE_EQ(g.Courbe(0).Fleches()[0].Facteur(), 0.1 / 8);
    EXPECT_DOUBLE_EQ(g.EchelleVecteurs(), 64 / (0.1 / 8) / 305);
    EXPECT_DOUBLE_EQ(g.Courbe(1).EchelleAffichee(), g.EchelleVecteurs());
}

TEST(Graphe, SetEchelleVecteursRefusedByOneOfTwoCurves)
{
    GrapheVecteurs g;
    const int sans = g.AddCourbe(3, Ligne(3, 1), {}, {});
    g.SelectCourbes({0, sans}, {0, 1}, {Couleur::Rouge, Couleur::Bleu}, 0);
    const double avant = g.EchelleVecteurs();
    EXPECT_FALSE(g.SetEchelleVecteurs(avant * 1.1));
    EXPECT_DOUBLE_EQ(g.EchelleVecteurs(), avant);
    // The curve that accepted keeps the new value.
    EXPECT_DOUBLE_EQ(g.Courbe(0).EchelleAffichee(), avant * 1.1);
    EXPECT_DOUBLE_EQ(g.Courbe(0).Fleches()[0].ValeurEchelle(), avant * 1.1);

    g.SelectCourbes({0, 1}, {0, 1}, {Couleur::Rouge, Couleur::Bleu}, 0);
    const double initial = g.EchelleVecteurs();
    EXPECT_TRUE(g.SetEchelleVecteurs(initial * 1.1));
    EXPECT_DOUBLE_EQ(g.EchelleVecteurs(), initial * 1.1);
    // At most 3 times longer arrows, at least 5 times shorter.
    EXPECT_FALSE(g.SetEchelleVecteurs(initial / 3.1));
    EXPECT_FALSE(g.SetEchelleVecteurs(initial * 5.1));
    EXPECT_DOUBLE_EQ(g.EchelleVecteurs(), initial * 1.1);
}

TEST(Graphe, ResizeKeepsTheScaleValueOrReportsTheNewOne)
{
    GrapheVecteurs g;
    g.SelectCourbes({0, 1}, {0, 1}, {Couleur::Rouge, Couleur::Bleu}, 0);
    const double valeur = g.EchelleVecteurs();
    g.Dimensionner(95 + 610, 300); // plot twice as wide
    EXPECT_DOUBLE_EQ(g.EchelleVecteurs(), valeur);
    EXPECT_DOUBLE_EQ(g.Courbe(0).Fleches()[0].Facteur(), 0.1 / 8 / 2);
    g.Dimensionner(95 + 3050, 300); // ten times: the factor sticks at a fifth
    EXPECT_DOUBLE_EQ(g.Courbe(0).Fleches()[0].Facteur(), 0.2 * 0.1 / 8);
    EXPECT_DOUBLE_EQ(g.EchelleVecteurs(), valeur / 2);
    EXPECT_DOUBLE_EQ(g.Courbe(1).EchelleAffichee(), valeur / 2);
}

TEST(Graphe, LEchelleReachesTheArrowSets)
{
    GrapheVecteurs g;
    g.SelectCourbes({0}, {0}, {Couleur::Rouge}, 0);
    const double avant = g.EchelleVecteurs();
    g.SetLEchelle(128);
    EXPECT_DOUBLE_EQ(g.Courbe(0).Fleches()[0].ValeurEchelle(), 2 * avant);
    EXPECT_DOUBLE_EQ(g.EchelleVecteurs(), avant); // until the next selection or resize
}

namespace {

// Three points along a line at pixels x = 75 + 305 * i / 4 in the vectors mode.
struct GrapheMasque : Graphe {
    GrapheMasque()
    {
        AddCourbe(3, {PointD{1, 1}, PointD{2, 2}, PointD{3, 3}}, {{PointD{0, 1}, PointD{0, 1}, PointD{0, 1}}},
                  {QStringLiteral("m/s")});
        SetLimites(0, 4, 0, 4);
        SelectCourbes({0}, {0}, {Couleur::Rouge}, 0);
        SetModeVecteurs(true);
    }
    std::vector<bool> Visibles() const { return Courbe(0).Visibles(); }
};

} // namespace

TEST(Graphe, MaskingWithADraggedRectangle)
{
    GrapheMasque g;
    const QPoint p1 = g.Courbe(0).PositionPixel(0), p2 = g.Courbe(0).PositionPixel(1);
    EXPECT_FALSE(g.SourisEnfoncee(TBoutonSouris::Gauche, p1 - QPoint(5, -5)));
    EXPECT_EQ(g.CurseurEcran(), 0); // no pan in this mode
    EXPECT_TRUE(g.SourisDeplacee(p2 + QPoint(5, -5)));
    EXPECT_EQ(g.Limites().Xmin, 0);

    // The dotted rectangle is drawn while dragging.
    g.Dessiner();
    int noirs = 0;
    for (int y = p2.y() - 5; y <= p1.y() + 5; ++y) noirs += g.Image().pixel(p1.x() - 5, y) == Noir;
    EXPECT_GT(noirs, 5);
    EXPECT_LT(noirs, p1.y() - p2.y() + 11);

    EXPECT_TRUE(g.SourisRelachee());
    EXPECT_EQ(g.Visibles(), (std::vector<bool>{false, false, true}));
    g.Dessiner();
    EXPECT_EQ(g.Image().pixel(p1.x() - 5, p1.y()), g.Fond().pixel(p1.x() - 5 - 75, p1.y() - 20));

    // The right button shows them again; the middle one keeps that value.
    g.SourisEnfoncee(TBoutonSouris::Droit, {75, 20});
    g.SourisDeplacee(p1 + QPoint(2, 2));
    g.SourisRelachee();
    EXPECT_EQ(g.Visibles(), (std::vector<bool>{true, false, true}));
    g.SourisEnfoncee(TBoutonSouris::Milieu, {75, 20});
    g.SourisDeplacee({379, 254});
    g.SourisRelachee();
    EXPECT_EQ(g.Visibles(), (std::vector<bool>{true, true, true}));
}

TEST(Graphe, AClickWithoutMoveMasksNothing)
{
    GrapheMasque g;
    g.SourisEnfoncee(TBoutonSouris::Gauche, {75, 20});
    g.SourisDeplacee({379, 254});
    g.SourisRelachee();
    ASSERT_EQ(g.Visibles(), (std::vector<bool>{false, false, false}));
    g.SourisEnfoncee(TBoutonSouris::Droit, {200, 100});
    g.SourisRelachee();
    EXPECT_EQ(g.Visibles(), (std::vector<bool>{false, false, false}));
}

TEST(Graphe, SetVecteursVisiblesUndoesTheMasking)
{
    GrapheMasque g;
    g.SourisEnfoncee(TBoutonSouris::Gauche, {75, 20});
    g.SourisDeplacee({379, 254});
    g.SourisRelachee();
    g.SetVecteursVisibles({}, {});
    EXPECT_EQ(g.Visibles(), (std::vector<bool>{true, true, true}));
}

TEST(Graphe, PaintDrawsTheActiveCurvesInTheirColours)
{
    Graphe g;
    g.SetColorEnd(Couleur::Blanc);
    g.AddCourbe(1, {PointD{50, 50}}, {}, {});
    g.AddCourbe(1, {PointD{25, 50}}, {}, {});
    g.SelectCourbes({1}, {1}, {Couleur::Bleu}, 0);
    g.Dessiner();
    const QPoint actif = g.Courbe(1).PositionPixel(0), inactif = g.Courbe(0).PositionPixel(0);
    EXPECT_EQ(g.Image().pixel(actif), qRgb(0, 0, 255));
    EXPECT_EQ(g.Image().pixel(actif + QPoint(3, 0)), qRgb(0, 0, 255));
    EXPECT_EQ(g.Image().pixel(inactif), Blanc);
}
