// Arrow sets: their barbs, magnitudes and placements, clipping and the arrow scale.

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

// One arrow from the middle of a 400 x 400 zone: a factor of 0.25 draws a
// unit vector 100 pixels long.
TFleche Fleche(PointD vecteur)
{
    TFleche f(2, {vecteur, PointD{0.4, 0}}, QStringLiteral("m/s"));
    f.SetZone(TZone{0, 0, 400, 400});
    f.SetLEchelle(64);
    f.InitialiserEchelle(f.PlusGrandeNorme());
    f.VecteursVisibles = true;
    return f;
}

QImage DessinerFleche(const TFleche& f, std::vector<bool> visibles = {true, false})
{
    QImage image = OutilsImage::Blanche(400, 400);
    QPainter p(&image);
    f.Dessiner(p, {PointD{0.5, 0.5}, PointD{0, 0}}, visibles);
    return image;
}

} // namespace

TEST(Fleche, VerticalUpwardArrowHasBarbsDownLeftAndDownRight)
{
    const TFleche f = Fleche(PointD{0, 1});
    ASSERT_DOUBLE_EQ(f.Facteur(), 0.25);
    const QImage image = DessinerFleche(f);
    // Shaft from (200, 200) up to the tip (200, 100); barbs of length
    // 0.05 * 400 * sqrt(0.25) = 10 to (205, 109) and (195, 109), end points excluded.
    const QRect encre = Encre(image);
    EXPECT_EQ(encre, QRect(QPoint(196, 100), QPoint(204, 200)));
    EXPECT_EQ(image.pixel(200, 100), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(205, 109), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(195, 109), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(200, 200), qRgb(0, 0, 0));
    // Each barb falls as it leaves the tip, and they mirror each other.
    int gauche = 0, droite = 0;
    for (int y = 100; y <= 108; ++y)
        for (int x = 195; x <= 205; ++x) {
            if (x == 200 || !PasBlanc(image.pixel(x, y))) continue;
            EXPECT_TRUE(PasBlanc(image.pixel(400 - x, y))) << x << "," << y;
            EXPECT_GE(y - 100, 2 * std::abs(x - 200) - 2) << x << "," << y;
            (x < 200 ? gauche : droite)++;
        }
    EXPECT_GE(gauche, 4);
    EXPECT_EQ(gauche, droite);
}

TEST(Fleche, BarbsPointBackAlongTheShaft)
{
    struct Cas {
        PointD v;
        QPoint barbes;
    };
    // The side of the tip on which both barbs lie: (-1, 0) means to its left.
    const Cas cas[] = {
        {PointD{1, 0}, {-1, 0}},
        {PointD{-1, 0}, {1, 0}},
        {PointD{0, -1}, {0, -1}},
    };
    for (const Cas& c : cas) {
        const TFleche f = Fleche(c.v);
        const QImage image = DessinerFleche(f);
        const QPoint pointe(200 + int(c.v.X * 100), 200 - int(c.v.Y * 100));
        EXPECT_EQ(image.pixel(pointe), qRgb(0, 0, 0));
        // Beyond the tip there is nothing.
        const QPoint au_dela = pointe - 3 * c.barbes;
        EXPECT_FALSE(PasBlanc(image.pixel(au_dela))) << c.v.X << "," << c.v.Y;
        // Ink on both sides of the shaft, near the tip.
        const QPoint cote(c.barbes.y(), c.barbes.x());
        const QPoint recul = pointe + 5 * c.barbes;
        bool un = false, autre = false;
        for (int d = 1; d <= 4; ++d) {
            un = un || PasBlanc(image.pixel(recul + d * cote));
            autre = autre || PasBlanc(image.pixel(recul - d * cote));
        }
        EXPECT_TRUE(un && autre) << c.v.X << "," << c.v.Y;
    }
}

TEST(Fleche, HiddenPointsLoseTheirArrow)
{
    const TFleche f = Fleche(PointD{0, 1});
    EXPECT_EQ(OutilsImage::CompterEncre(DessinerFleche(f, {false, false})), 0);
    EXPECT_GT(OutilsImage::CompterEncre(DessinerFleche(f, {true, true})),
              OutilsImage::CompterEncre(DessinerFleche(f, {true, false})));
}

TEST(Fleche, ArrowsAreClippedToTheZone)
{
    TFleche f = Fleche(PointD{0, 3}); // 300 pixels up from y = 200
    const QImage image = DessinerFleche(f);
    EXPECT_EQ(Encre(image), QRect(QPoint(200, 0), QPoint(200, 200)));
}

TEST(Fleche, MagnitudeTexts)
{
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(FormaterValeur(0.35), "0.35");
    EXPECT_EQ(FormaterValeur(1.24), "1.2");
    EXPECT_EQ(FormaterValeur(12.4), "12");
    EXPECT_EQ(FormaterValeur(2.0), "2");
    EXPECT_EQ(FormaterValeur(0.5), "0.5");
    EXPECT_EQ(FormaterValeur(0.000012), "0.000012");
    EXPECT_EQ(FormaterValeur(0.0000012), "1.2E-6");
    EXPECT_EQ(FormaterValeur(99.7), "1E2");
    EXPECT_EQ(FormaterValeur(1234), "1.2E3");
    EXPECT_EQ(FormaterValeur(0), "0");
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    EXPECT_EQ(FormaterValeur(0.35), "0,35");
    QLocale::setDefault(QLocale::system());
}

TEST(Fleche, MagnitudesAtTheirFourPlacements)
{
    // Zone 200 x 100, factor 0.2, point at the middle (100, 50): a vector
    // component of 1 is 40 pixels. Expected top-left corners of the text.
    struct Cas {
        PointD v;
        QPoint coin;
    };
    const Cas cas[] = {
        {PointD{1, 1}, {126, 30}},  // min(40, 6) + 120, max(5 - 40, 0) + nearest(-20 + 50)
        {PointD{-1, 1}, {86, 20}},  // 6 + 80, 30 - max(20 - 40, 10)
        {PointD{1, -1}, {126, 60}}, // max(-40, 6) + 120, nearest(10 + 50) - max(-20 + 16, 0)
        {PointD{-1, -1}, {86, 64}}, // 6 + 80, max(-40 + 8, 4) + 60
    };
    for (const Cas& c : cas) {
        TFleche f(2, {c.v, PointD{0.5, 0}}, QStringLiteral("m/s"));
        f.SetZone(TZone{0, 0, 200, 100});
        f.InitialiserEchelle(0.5);
        ASSERT_DOUBLE_EQ(f.Facteur(), 0.2);
        f.ValeursVisibles = true;
        QImage image = OutilsImage::Blanche(200, 100);
        QPainter p(&image);
        f.Dessiner(p, {PointD{0.5, 0.5}, PointD{0, 0}}, {true, false});
        p.end();
        // "1.4 m/s" in 10-pixel characters.
        const QRect encre = Encre(image);
        EXPECT_EQ(encre, EncreTexte(GraphTrace::PolicePixels(10), c.coin, QStringLiteral("1.4 m/s"), {200, 100}))
            << c.v.X << "," << c.v.Y;
        EXPECT_GT(encre.width(), 20);
    }
}

TEST(Fleche, ScaleFromTheLargestNormButTheFirst)
{
    TFleche f(3, {PointD{300, 400}, PointD{3, 4}, PointD{1, 0}}, QString());
    EXPECT_DOUBLE_EQ(f.PlusGrandeNorme(), 5);
    EXPECT_EQ(TFleche(1, {PointD{3, 4}}, QString()).PlusGrandeNorme(), 0);

    // Nothing without a width or with M = 0.
    f.SetLEchelle(64);
    f.InitialiserEchelle(5);
    EXPECT_EQ(f.Facteur(), 0);
    f.SetZone(TZone{0, 0, 320, 200});
    f.InitialiserEchelle(0);
    EXPECT_EQ(f.Facteur(), 0);

    f.InitialiserEchelle(5);
    EXPECT_DOUBLE_EQ(f.Facteur(), 0.02);
    EXPECT_DOUBLE_EQ(f.FacteurMax(), 0.06);
    EXPECT_DOUBLE_EQ(f.FacteurMin(), 0.004);
    // 64 pixels of arrow: 64 / (0.02 * 320) = 10 data units.
    EXPECT_DOUBLE_EQ(f.ValeurEchelle(), 10);
}

TEST(Fleche, TryScaleWithinOneFifthToThreeTimes)
{
    TFleche f(2, {PointD{0, 0}, PointD{3, 4}}, QString());
    f.SetZone(TZone{0, 0, 320, 200});
    f.SetLEchelle(64);
    f.InitialiserEchelle(5);
    // Value 10 at factor 0.02; factor 0.06 is value 10/3, factor 0.004 is 50.
    EXPECT_FALSE(f.EssayerEchelle(3.3));
    EXPECT_FALSE(f.EssayerEchelle(50.5));
    EXPECT_FALSE(f.EssayerEchelle(0));
    EXPECT_FALSE(f.EssayerEchelle(-10));
    EXPECT_DOUBLE_EQ(f.ValeurEchelle(), 10);
    EXPECT_TRUE(f.EssayerEchelle(20));
    EXPECT_DOUBLE_EQ(f.ValeurEchelle(), 20);
    EXPECT_DOUBLE_EQ(f.Facteur(), 0.01);
    EXPECT_TRUE(f.EssayerEchelle(3.4));
    EXPECT_TRUE(f.EssayerEchelle(49.9));
}

TEST(Fleche, ResizeKeepsTheScaleValueWhileTheFactorStaysInRange)
{
    TFleche f(2, {PointD{0, 0}, PointD{3, 4}}, QString());
    f.SetZone(TZone{0, 0, 320, 200});
    f.SetLEchelle(64);
    f.InitialiserEchelle(5);

    // Twice as wide: same value, half the factor, same arrow length in pixels.
    f.SetZone(TZone{0, 0, 640, 200});
    EXPECT_DOUBLE_EQ(f.ValeurEchelle(), 10);
    EXPECT_DOUBLE_EQ(f.Facteur(), 0.01);

    // Ten times as wide: the factor would be 0.002, it sticks at 0.004 and the value follows.
    f.SetZone(TZone{0, 0, 3200, 200});
    EXPECT_DOUBLE_EQ(f.Facteur(), 0.004);
    EXPECT_DOUBLE_EQ(f.ValeurEchelle(), 5);
    // Far narrower: the factor sticks at 0.06.
    f.SetZone(TZone{0, 0, 32, 200});
    EXPECT_DOUBLE_EQ(f.Facteur(), 0.06);
    EXPECT_NEAR(f.ValeurEchelle(), 64 / (0.06 * 32), 1e-12);

    // A new bar length changes the value, not the factor.
    f.SetLEchelle(32);
    EXPECT_DOUBLE_EQ(f.Facteur(), 0.06);
    EXPECT_NEAR(f.ValeurEchelle(), 32 / (0.06 * 32), 1e-12);
}
