// Curves: marks at their exact pixels, joining line, error bars, numbers,
// clipping, masking and the arrow scale through the current series.

#include "graph/UnitGraphPlusCourbe.h"

#include "OutilsImage.h"

#include <QLocale>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

using OutilsImage::Encre;
using OutilsImage::EncreTexte;
using OutilsImage::PasBlanc;

namespace {

// A single point at (50, 50) of a 0..100 range in a 100 x 100 zone: pixel (50, 50).
TCourbe UnPoint(int marque)
{
    TCourbe c(1, {PointD{50, 50}}, {}, {});
    c.SetZone(TZone{0, 0, 100, 100});
    c.SetLimites(0, 100, 0, 100);
    c.Marque = marque;
    return c;
}

QImage Dessiner(const TCourbe& c, int largeur = 100, int hauteur = 100)
{
    QImage image = OutilsImage::Blanche(largeur, hauteur);
    QPainter p(&image);
    c.Dessiner(p);
    return image;
}

} // namespace

TEST(Courbe, ThickCrossAtItsExactPixels)
{
    const QImage image = Dessiner(UnPoint(MarqueCroix));
    EXPECT_EQ(OutilsImage::Dessin(image, 50, 50, 4),
              (QStringList{
                  ".........",
                  ".........",
                  ".###.###.",
                  "..#####..",
                  "...###...",
                  "..#####..",
                  ".###.###.",
                  ".........",
                  ".........",
              }));
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 0, 0));
}

TEST(Courbe, PlusAtItsExactPixels)
{
    const QImage image = Dessiner(UnPoint(MarquePlus));
    EXPECT_EQ(OutilsImage::Dessin(image, 50, 50, 4),
              (QStringList{
                  ".........",
                  "....#....",
                  "....#....",
                  "...###...",
                  ".#######.",
                  "...###...",
                  "....#....",
                  "....#....",
                  ".........",
              }));
}

TEST(Courbe, StarAtItsExactPixels)
{
    const QImage image = Dessiner(UnPoint(MarqueEtoile));
    EXPECT_EQ(OutilsImage::Dessin(image, 50, 50, 4),
              (QStringList{
                  ".........",
                  ".#..#..#.",
                  "..#.#.#..",
                  "...###...",
                  ".#######.",
                  "...###...",
                  "..#.#.#..",
                  ".#..#..#.",
                  ".........",
              }));
}

TEST(Courbe, OtherMarkValuesDrawNothing)
{
    EXPECT_EQ(OutilsImage::CompterEncre(Dessiner(UnPoint(3))), 0);
}

TEST(Courbe, PixelPositionRoundsTiesToEven)
{
    TCourbe c(2, {PointD{2.5, 0}, PointD{3.5, 10}}, {}, {});
    c.SetZone(TZone{10, 20, 10, 10});
    c.SetLimites(0, 10, 0, 10);
    // 10 * 0.25 = 2.5 -> 2; 10 * 0.35 = 3.5 -> 4; y = (1 - v) * 10.
    EXPECT_EQ(c.PositionPixel(0), QPoint(12, 30));
    EXPECT_EQ(c.PositionPixel(1), QPoint(14, 20));
}

TEST(Courbe, JoiningLineThroughThePointsClippedToTheZone)
{
    TCourbe c(3, {PointD{0, 0}, PointD{10, 0}, PointD{10, 10}}, {}, {});
    c.SetZone(TZone{20, 20, 50, 50});
    c.SetLimites(0, 10, 0, 10);
    c.Marque = 3;
    c.Jointe = true;
    c.CouleurCourbe = Couleur::RGB(0, 0, 255);
    const QImage image = Dessiner(c);
    // (20, 70) -> (70, 70) -> (70, 20); the zone ends at 69.
    EXPECT_EQ(image.pixel(45, 69), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(69, 45), qRgb(255, 255, 255));
    EXPECT_EQ(Encre(image), QRect());

    c.SetLimites(-1, 11, -1, 11); // now (24, 66) -> (66, 66) -> (66, 24)
    const QImage entiere = Dessiner(c);
    EXPECT_EQ(entiere.pixel(45, 66), qRgb(0, 0, 255));
    EXPECT_EQ(entiere.pixel(66, 45), qRgb(0, 0, 255));
    // The polyline leaves out only its very last point.
    EXPECT_EQ(entiere.pixel(66, 66), qRgb(0, 0, 255));
    EXPECT_EQ(entiere.pixel(66, 25), qRgb(0, 0, 255));
    EXPECT_EQ(entiere.pixel(66, 24), qRgb(255, 255, 255));
}

TEST(Courbe, MarksAreClippedToTheZone)
{
    TCourbe c = UnPoint(MarqueEtoile);
    c.SetZone(TZone{0, 0, 100, 100});
    c.SetLimites(50, 150, 0, 100); // the point on the zone's left edge, x = 0
    const QImage image = Dessiner(c, 120, 100);
    const QRect encre = Encre(image);
    EXPECT_EQ(encre.left(), 0);
    EXPECT_EQ(encre.right(), 3);
}

// A bar of ±10 around (50, 50) in a 0..100 range on a 100 x 100 zone: from
// pixel 40 to pixel 60, both ends drawn, each with a cap of 5 pixels.
TEST(Courbe, ErrorBarsFromValueMinusUToValuePlusUWithTheirCaps)
{
    TCourbe c = UnPoint(3); // no mark, the bar alone
    c.SetBarres({10});
    const QImage image = Dessiner(c);
    EXPECT_EQ(Encre(image), QRect(QPoint(48, 40), QPoint(52, 60)));
    for (int y = 40; y <= 60; ++y) EXPECT_EQ(image.pixel(50, y), qRgb(255, 0, 0)) << y;
    EXPECT_EQ(OutilsImage::Dessin(image, 50, 40, 3),
              (QStringList{
                  ".......",
                  ".......",
                  ".......",
                  ".#####.",
                  "...#...",
                  "...#...",
                  "...#...",
              }));
    EXPECT_EQ(OutilsImage::Dessin(image, 50, 60, 3).mid(3, 2), (QStringList{".#####.", "......."}));
    // Between the caps, only the bar's column.
    EXPECT_EQ(OutilsImage::CompterEncre(image), 21 + 2 * 4);

    // The bar is in data units: twice the range, half the pixels.
    c.SetLimites(0, 100, -50, 150);
    EXPECT_EQ(Encre(Dessiner(c)), QRect(QPoint(48, 45), QPoint(52, 55)));

    // No bar where the uncertainty is unknown, zero or missing; the mark stays.
    TCourbe trois(3, {PointD{20, 50}, PointD{50, 50}, PointD{80, 50}}, {}, {});
    trois.SetZone(TZone{0, 0, 100, 100});
    trois.SetLimites(0, 100, 0, 100);
    trois.Marque = MarquePlus;
    trois.SetBarres({std::nan(""), 0});
    const QImage sans = Dessiner(trois);
    EXPECT_EQ(Encre(sans), QRect(QPoint(17, 47), QPoint(83, 53)));
}

TEST(Courbe, ErrorBarsAreClippedToTheZoneInThePointsColour)
{
    TCourbe c = UnPoint(MarquePlus);
    c.CouleurPoints = Couleur::RGB(0, 0, 255);
    c.SetBarres({80}); // from pixel -30 to 130
    const QImage image = Dessiner(c, 100, 140);
    EXPECT_EQ(Encre(image), QRect(QPoint(47, 0), QPoint(53, 99)));
    EXPECT_EQ(image.pixel(50, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(50, 99), qRgb(0, 0, 255));
}

TEST(Courbe, LimitsOfZeroWidthKeepTheFormerNormalisation)
{
    TCourbe c(1, {PointD{3, 4}}, {}, {});
    c.SetLimites(0, 10, 0, 10);
    c.SetLimites(5, 5, 0, 10);
    c.SetLimites(0, 10, 2, 2);
    EXPECT_DOUBLE_EQ(c.PointsNormes()[0].X, 0.3);
    EXPECT_DOUBLE_EQ(c.PointsNormes()[0].Y, 0.4);
}

TEST(Courbe, MissingPointsAndVectorsAreZero)
{
    TCourbe c(3, {PointD{1, 1}}, {{PointD{2, 2}}}, {});
    ASSERT_EQ(c.Points().size(), 3u);
    EXPECT_EQ(c.Points()[2], (PointD{0, 0}));
    ASSERT_EQ(c.Fleches().size(), 1u);
    EXPECT_EQ(c.Fleches()[0].Vecteurs().size(), 3u);
    EXPECT_EQ(c.Fleches()[0].Unite(), QString());
}

namespace {

// The number's ink relative to the point, for a point whose vector is (vx, vy).
QRect EncreNumero(const std::vector<VecteurPointD>& vecteurs)
{
    TCourbe c(1, {PointD{50, 50}}, vecteurs, {QStringLiteral("m/s")});
    c.SetZone(TZone{0, 0, 100, 100});
    c.SetLimites(0, 100, 0, 100);
    c.Marque = 3;
    c.NumerosVisibles = true;
    return Encre(Dessiner(c)).translated(-50, -50);
}

} // namespace

TEST(Courbe, NumbersStayClearOfTheArrow)
{
    // Without vector series, the text's cell at (X - 4, Y + 4): size 8 is 11 pixels.
    const QRect sans = EncreNumero({});
    EXPECT_EQ(sans,
              EncreTexte(GraphTrace::PolicePixels(11), {46, 54}, QStringLiteral("1"), {100, 100}).translated(-50, -50));

    const QRect versHautDroite = EncreNumero({{PointD{1, 1}}});
    EXPECT_EQ(versHautDroite, sans);
    const QRect versBasDroite = EncreNumero({{PointD{1, -1}}});
    EXPECT_EQ(versBasDroite, sans.translated(0, -20));
    const QRect versHautGauche = EncreNumero({{PointD{0, 1}}});
    EXPECT_EQ(versHautGauche, sans.translated(8, 0));
    const QRect versBasGauche = EncreNumero({{PointD{-1, 0}}});
    EXPECT_EQ(versBasGauche, sans.translated(8, -20));
}

TEST(Courbe, ScaleGoesThroughTheCurrentSeries)
{
    TCourbe c(3, {PointD{0, 0}, PointD{1, 1}, PointD{2, 2}},
              {{PointD{}, PointD{3, 4}, PointD{}}, {PointD{}, PointD{30, 40}, PointD{}}},
              {QStringLiteral("m/s"), QStringLiteral("m/s2")});
    EXPECT_EQ(c.SerieCourante(), 0);
    c.SetZone(TZone{0, 0, 320, 200});
    c.SetLEchelle(64);
    c.SetSerieCourante(1);
    EXPECT_DOUBLE_EQ(c.PlusGrandeNorme(), 50);
    c.InitialiserEchelle(50);
    EXPECT_DOUBLE_EQ(c.EchelleAffichee(), 100);
    EXPECT_FALSE(c.EssayerEchelle(1));
    EXPECT_DOUBLE_EQ(c.EchelleAffichee(), 100);
    EXPECT_TRUE(c.EssayerEchelle(200));
    EXPECT_DOUBLE_EQ(c.EchelleAffichee(), 200);
    c.SetSerieCourante(5);
    EXPECT_EQ(c.SerieCourante(), 1);
    // Series 0 was never initialised.
    c.SetSerieCourante(0);
    EXPECT_EQ(c.EchelleAffichee(), 0);

    TCourbe sans(1, {PointD{}}, {}, {});
    EXPECT_EQ(sans.SerieCourante(), -1);
    EXPECT_EQ(sans.PlusGrandeNorme(), 0);
    EXPECT_FALSE(sans.EssayerEchelle(1));
    EXPECT_DOUBLE_EQ(sans.EchelleAffichee(), 0.1);
}

TEST(Courbe, MaskHidesArrowsStrictlyInsideAndShowAllBringsThemBack)
{
    TCourbe c(3, {PointD{10, 50}, PointD{50, 50}, PointD{90, 50}}, {{PointD{0, 1}, PointD{0, 1}, PointD{0, 1}}},
              {QStringLiteral("m/s")});
    c.SetZone(TZone{0, 0, 100, 100});
    c.SetLimites(0, 100, 0, 100);
    // Corners in any order; the points at x = 10 and 90 lie on the edges.
    c.Masquer(false, QPoint(90, 60), QPoint(10, 40));
    EXPECT_EQ(c.Visibles(), (std::vector<bool>{true, false, true}));
    c.Masquer(false, QPoint(9, 49), QPoint(51, 51));
    EXPECT_EQ(c.Visibles(), (std::vector<bool>{false, false, true}));
    c.Masquer(true, QPoint(0, 0), QPoint(40, 100));
    EXPECT_EQ(c.Visibles(), (std::vector<bool>{true, false, true}));
    c.ToutAfficher();
    EXPECT_EQ(c.Visibles(), (std::vector<bool>{true, true, true}));
}

TEST(Courbe, MaskedPointKeepsItsMarkButLosesItsArrow)
{
    TCourbe c(2, {PointD{30, 30}, PointD{70, 30}}, {{PointD{0, 1}, PointD{0, 1}}}, {QStringLiteral("m/s")});
    c.SetZone(TZone{0, 0, 100, 100});
    c.SetLimites(0, 100, 0, 100);
    c.SetLEchelle(64);
    c.InitialiserEchelle(1);
    c.SetVecteursVisibles(true);
    c.SetCouleurVecteurs(Couleur::RGB(0, 0, 255));
    c.Masquer(false, QPoint(20, 20), QPoint(40, 100));
    const QImage image = Dessiner(c);
    // Marks in red at (30, 70) and (70, 70); the arrow of the second goes up 10 pixels.
    EXPECT_EQ(image.pixel(30, 70), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(70, 70), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(70, 64), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(30, 64), qRgb(255, 255, 255));
}
