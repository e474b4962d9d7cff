// The graph axis: graduation texts, band, grid, zero line, ticks and titles.

#include "graph/UnitGraphPlusAxe.h"

#include "OutilsImage.h"

#include <QLocale>
#include <QPainter>
#include <gtest/gtest.h>

using Couleur::RGB;

namespace {

const QRgb Gris = qRgb(128, 128, 128);
const QRgb Bande = qRgb(240, 240, 200);

struct LocaleC {
    LocaleC() { QLocale::setDefault(QLocale::c()); }
    ~LocaleC() { QLocale::setDefault(QLocale::system()); }
};

// The axes of a 600 x 345 control with margins 75, 25, 20, 45: the plot is
// 500 x 280 pixels from (75, 20).
TAxe AxeX(double min, double max)
{
    TAxe a(5, QStringLiteral("t (s)"), false);
    a.Zone = TZone{0, 300, 600, 45};
    a.MargeGauche = 75;
    a.MargeDroite = 25;
    a.MargeHaut = 20;
    a.MargeBas = 45;
    a.Min = min;
    a.Max = max;
    a.Visible = true;
    a.Couleur = RGB(240, 240, 200);
    return a;
}

TAxe AxeY(double min, double max, const QString& titre = QStringLiteral("y (m)"))
{
    TAxe a = AxeX(min, max);
    a.Titre = titre;
    a.NbDivisions = 6;
    a.Vertical = true;
    a.Zone = TZone{0, 0, 75, 300};
    return a;
}

QImage Dessiner(const TAxe& a)
{
    QImage image = OutilsImage::Blanche(600, 345);
    QPainter p(&image);
    if (a.Vertical)
        a.Dessiner(p, 500, 75);
    else
        a.Dessiner(p, 280, 20);
    return image;
}

bool Encre(QRgb c)
{
    return (c & 0xFFFFFF) != (Bande & 0xFFFFFF);
}

} // namespace

TEST(FormaterGraduation, ScientificWhenARangeLimitIsLarge)
{
    LocaleC c;
    EXPECT_EQ(FormaterGraduation(20000, 0, 50000), "2.00E+4");
    EXPECT_EQ(FormaterGraduation(50000, 0, 50000), "5.00E+4");
    // |0| < 0.1 with a limit of at least 10000.
    EXPECT_EQ(FormaterGraduation(0, 0, 50000), "0.00E+0");
    EXPECT_EQ(FormaterGraduation(-12500, -50000, 0), "-1.25E+4");
    // Between 0.1 and 10000 the value stays fixed.
    EXPECT_EQ(FormaterGraduation(10000, 0, 50000), "10000");
    EXPECT_EQ(FormaterGraduation(2500, -10000, 10000), "2500");
}

TEST(FormaterGraduation, ScientificForATinyRange)
{
    LocaleC c;
    const double d = 0.05 / 5;
    for (int i = 0; i <= 5; ++i)
        EXPECT_TRUE(FormaterGraduation(i * d, 0, 0.05).contains(u'E'))
            << FormaterGraduation(i * d, 0, 0.05).toStdString();
    EXPECT_EQ(FormaterGraduation(0.01, 0, 0.05), "1.00E-2");
    EXPECT_EQ(FormaterGraduation(0.05, 0, 0.05), "5.00E-2");
    // A tiny value in a range reaching 0.1 is fixed.
    EXPECT_EQ(FormaterGraduation(0.05, 0, 1), "0.050");
}

TEST(FormaterGraduation, FixedDecimalsByMagnitude)
{
    LocaleC c;
    EXPECT_EQ(FormaterGraduation(0, 0, 5), "0.000");
    EXPECT_EQ(FormaterGraduation(5, 0, 5), "5.000");
    EXPECT_EQ(FormaterGraduation(-2, -2, 3), "-2.000");
    EXPECT_EQ(FormaterGraduation(12.5, 0, 20), "12.50");
    EXPECT_EQ(FormaterGraduation(150.26, 0, 200), "150.3");
    EXPECT_EQ(FormaterGraduation(1234.4, 0, 2000), "1234");
    // Min + i * d may miss zero by a rounding error: no "-0.000".
    EXPECT_EQ(FormaterGraduation(-0.3 + 3 * 0.1, -0.3, 0.2), "0.000");
}

TEST(FormaterGraduation, UsesTheUsersDecimalSeparator)
{
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    EXPECT_EQ(FormaterGraduation(5, 0, 5), "5,000");
    EXPECT_EQ(FormaterGraduation(20000, 0, 50000), "2,00E+4");
    QLocale::setDefault(QLocale::system());
}

TEST(Axe, ZeroLineTwoFifthsAlongForMinusTwoToThree)
{
    const QImage avec = Dessiner(AxeX(-2, 3));
    // x = 75 - nearest(500 * -2 / 5) = 275, 3 pixels wide, over the plot height.
    for (int y : {20, 150, 299}) {
        EXPECT_EQ(avec.pixel(274, y), Gris) << y;
        EXPECT_EQ(avec.pixel(275, y), Gris) << y;
        EXPECT_EQ(avec.pixel(276, y), Gris) << y;
        EXPECT_EQ(avec.pixel(273, y), qRgb(255, 255, 255)) << y;
        EXPECT_EQ(avec.pixel(277, y), qRgb(255, 255, 255)) << y;
    }
    EXPECT_EQ(avec.pixel(275, 19), qRgb(255, 255, 255));

    const QImage sans = Dessiner(AxeX(0, 3));
    EXPECT_EQ(sans.pixel(275, 150), Gris); // the grid line only
    EXPECT_EQ(sans.pixel(274, 150), qRgb(255, 255, 255));
    EXPECT_EQ(sans.pixel(276, 150), qRgb(255, 255, 255));
}

TEST(Axe, ZeroLineOfTheVerticalAxis)
{
    const QImage image = Dessiner(AxeY(-2, 3));
    // y = nearest(280 * 3 / 5) + 20 = 188, across the plot from x = 75.
    for (int y : {187, 188, 189}) EXPECT_EQ(image.pixel(300, y), Gris) << y;
    EXPECT_EQ(image.pixel(300, 186), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(300, 190), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(75, 188), Gris);
    EXPECT_EQ(image.pixel(575, 188), qRgb(255, 255, 255));
}

TEST(Axe, GridTicksAndSubTicksOfTheHorizontalAxis)
{
    const QImage image = Dessiner(AxeX(0, 3));
    // Grid at 75 + i * 100 for i = 1..4, from y = 20 up to 300 excluded.
    for (int x : {175, 275, 375, 475}) {
        EXPECT_EQ(image.pixel(x, 20), Gris) << x;
        EXPECT_EQ(image.pixel(x, 299), Gris) << x;
        EXPECT_EQ(image.pixel(x, 19), qRgb(255, 255, 255)) << x;
    }
    EXPECT_EQ(image.pixel(75, 150), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(575, 150), qRgb(255, 255, 255));
    // Ticks: 4 black pixels down from the band's top, at every division.
    for (int x : {75, 175, 575}) {
        for (int y = 300; y < 304; ++y) EXPECT_EQ(image.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
        EXPECT_EQ(image.pixel(x, 304), Bande) << x;
    }
    // Sub-ticks: 3 grey pixels every 20 pixels between the ticks.
    for (int x : {95, 115, 155, 555}) {
        for (int y = 300; y < 303; ++y) EXPECT_EQ(image.pixel(x, y), Gris) << x << "," << y;
        EXPECT_EQ(image.pixel(x, 303), Bande) << x;
    }
    EXPECT_EQ(image.pixel(105, 300), Bande);
}

TEST(Axe, TicksOfTheVerticalAxisGoLeftFromThePlot)
{
    const QImage image = Dessiner(AxeY(0, 3));
    // Step nearest(280 / 6) = 47; ticks from x = 75 to 71 excluded.
    for (int i : {0, 1, 6}) {
        const int y = 20 + i * 47;
        for (int x = 72; x <= 75; ++x) EXPECT_EQ(image.pixel(x, y), qRgb(0, 0, 0)) << i << "," << x;
        EXPECT_NE(image.pixel(71, y), qRgb(0, 0, 0)) << i;
    }
    // Sub-step nearest(280 / 6 / 5) = 9.
    for (int x = 73; x <= 75; ++x) EXPECT_EQ(image.pixel(x, 29), Gris) << x;
    EXPECT_EQ(image.pixel(72, 29), Bande);
    // Grid at 20 + i * 47, i = 1..5.
    EXPECT_EQ(image.pixel(200, 67), Gris);
    EXPECT_EQ(image.pixel(200, 255), Gris);
}

TEST(Axe, OneSubDivisionDrawsNoSubTick)
{
    TAxe a = AxeX(0, 3);
    a.NbSousDivisions = 1;
    const QImage image = Dessiner(a);
    for (int x = 76; x < 175; ++x) EXPECT_EQ(image.pixel(x, 300), Bande) << x;
}

TEST(Axe, AnInvisibleAxisStillFillsItsBand)
{
    TAxe a = AxeX(-2, 3);
    a.Visible = false;
    const QImage image = Dessiner(a);
    for (int y = 0; y < 345; ++y)
        for (int x = 0; x < 600; x += 7)
            ASSERT_EQ(image.pixel(x, y), y >= 300 ? Bande : qRgb(255, 255, 255)) << x << "," << y;
}

TEST(Axe, GraduationValuesSitAtTheirDivisions)
{
    LocaleC c;
    const QImage x = Dessiner(AxeX(0, 5));
    // "0.000" centred on the plot's left edge, 5 pixels below the band's top.
    const QRect premier = OutilsImage::BoiteEncre(x, QRect(30, 305, 90, 20),
                                                  [](QRgb c) { return Encre(c) && c != Gris && c != qRgb(0, 0, 0); });
    ASSERT_TRUE(premier.isValid());
    EXPECT_NEAR(premier.center().x(), 75, 2);
    EXPECT_GE(premier.top(), 305);

    const QImage y = Dessiner(AxeY(0, 5));
    // Right-aligned 5 pixels left of the plot; the first value at the bottom.
    const QRect bas = OutilsImage::BoiteEncre(y, QRect(0, 280, 71, 20), [](QRgb c) {
        return Encre(c) && c != Gris && c != qRgb(0, 0, 0) && qBlue(c) > qRed(c);
    });
    ASSERT_TRUE(bas.isValid());
    EXPECT_NEAR(bas.right(), 69, 2);
    EXPECT_NEAR(bas.center().y(), 297, 3);
}

TEST(Axe, TitlesUnderThePlotAndTurnedUpwardsBesideIt)
{
    const auto bleu = [](QRgb c) { return Encre(c) && qBlue(c) > 150 && qRed(c) < 100; };
    const QImage x = Dessiner(AxeX(0, 5));
    const QRect titreX = OutilsImage::BoiteEncre(x, QRect(0, 320, 600, 25), bleu);
    ASSERT_TRUE(titreX.isValid());
    EXPECT_NEAR(titreX.center().x(), 75 + 250, 3);
    EXPECT_LE(titreX.bottom(), 345 - 5);

    // A title heavy at its start: read upwards, the ink is heavy at the bottom.
    const QImage y = Dessiner(AxeY(0, 5, QStringLiteral("MMM.........")));
    const QRect titreY = OutilsImage::BoiteEncre(y, QRect(0, 0, 30, 300), bleu);
    ASSERT_TRUE(titreY.isValid());
    EXPECT_GT(titreY.height(), 2 * titreY.width());
    EXPECT_GE(titreY.left(), 5);
    EXPECT_NEAR(titreY.center().y(), 20 + 140, 4);
    long somme = 0, nombre = 0;
    for (int py = titreY.top(); py <= titreY.bottom(); ++py)
        for (int px = titreY.left(); px <= titreY.right(); ++px)
            if (bleu(y.pixel(px, py))) {
                somme += py;
                ++nombre;
            }
    EXPECT_GT(double(somme) / nombre, titreY.center().y() + 10);
}
