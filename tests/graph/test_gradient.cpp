// The gradient: pattern sizes and index rules, the colour ramp, shift,
// rotation, reverse, the custom style, and when the pattern is rebuilt.

#include "graph/UnitGradient.h"

#include "OutilsImage.h"

#include <QPainter>
#include <gtest/gtest.h>

using Couleur::RGB;

namespace {

int Rouge(QRgb c)
{
    return qRed(c);
}

TGradient Rampe(TColor c1, TColor c2)
{
    TGradient g;
    g.SetStyle(gsLinearV);
    g.SetColorBegin(c1);
    g.SetColorEnd(c2);
    return g;
}

} // namespace

TEST(Gradient, DefaultsAndOneBuildAtConstruction)
{
    TGradient g;
    EXPECT_EQ(g.Style(), gsRadialC);
    EXPECT_EQ(g.ColorBegin(), Couleur::Blanc);
    EXPECT_EQ(g.ColorEnd(), Couleur::FaceBouton);
    EXPECT_EQ(g.Size(), QSize(100, 100));
    EXPECT_EQ(g.Builds(), 1);
    EXPECT_EQ(g.Pattern().size(), QSize(362, 362));
}

TEST(Gradient, PatternSizeOfEveryStyle)
{
    const QSize tailles[] = {{362, 362}, {362, 181}, {362, 181}, {181, 362}, {181, 362}, {181, 181},
                             {181, 181}, {181, 181}, {181, 181}, {1, 256},   {256, 1},   {1, 512},
                             {512, 1},   {128, 129}, {128, 129}, {256, 256}, {256, 256}, {129, 256},
                             {129, 256}, {256, 129}, {256, 129}, {256, 256}, {256, 256}};
    TGradient g;
    for (int s = gsRadialC; s < gsCustom; ++s) {
        g.SetStyle(TGradientStyle(s));
        EXPECT_EQ(g.Pattern().size(), tailles[s]) << "style " << s;
    }
}

TEST(Gradient, IndexRulesOfTheStyles)
{
    // Black to red: the red component of a pixel is its index in the ramp.
    TGradient g;
    g.SetColorBegin(RGB(0, 0, 0));
    g.SetColorEnd(RGB(255, 0, 0));
    struct Cas {
        TGradientStyle style;
        int x, y, index;
    };
    const Cas cas[] = {
        {gsRadialC, 180, 180, 0},
        {gsRadialC, 181, 181, 1},
        {gsRadialC, 0, 180, 180},
        {gsRadialC, 361, 0, 255}, // sqrt(180² + 180²) = 254.56
        {gsRadialT, 180, 0, 0},
        {gsRadialT, 181, 100, 100},
        {gsRadialB, 361, 180, 180},
        {gsRadialL, 0, 181, 0},
        {gsRadialR, 180, 180, 0},
        {gsRadialR, 0, 0, 255},
        {gsRadialTL, 3, 4, 5},
        {gsRadialTR, 177, 4, 5},
        {gsRadialBL, 3, 176, 5},
        {gsRadialBR, 177, 176, 5},
        {gsLinearH, 0, 200, 200},
        {gsLinearV, 17, 0, 17},
        {gsReflectedH, 0, 0, 255},
        {gsReflectedH, 0, 255, 0},
        {gsReflectedH, 0, 256, 0},
        {gsReflectedH, 0, 511, 255},
        {gsReflectedV, 10, 0, 245},
        {gsReflectedV, 300, 0, 44},
        {gsDiagonalLF, 127, 0, 0},
        {gsDiagonalLF, 0, 128, 255},
        {gsDiagonalLB, 127, 128, 255},
        {gsDiagonalRF, 0, 255, 255},
        {gsDiagonalRF, 100, 100, 0},
        {gsDiagonalRB, 0, 0, 255},
        {gsDiagonalRB, 100, 155, 0},
        {gsArrowL, 0, 0, 255},
        {gsArrowL, 128, 128, 0},
        {gsArrowR, 0, 127, 0},
        {gsArrowR, 128, 255, 255},
        {gsArrowU, 0, 0, 255},
        {gsArrowU, 128, 128, 0},
        {gsArrowD, 127, 0, 0},
        {gsArrowD, 255, 128, 255},
        {gsDiamond, 0, 0, 255},
        {gsDiamond, 127, 127, 1},
        {gsDiamond, 128, 0, 128},
        {gsDiamond, 255, 255, 255},
        {gsButterfly, 0, 0, 128},
        {gsButterfly, 127, 0, 255},
        {gsButterfly, 128, 0, 255},
        {gsButterfly, 0, 128, 0},
        // Either side of the fold at 127 | 128.
        {gsArrowL, 5, 127, 123},
        {gsArrowL, 5, 128, 123},
        {gsArrowR, 5, 127, 5},
        {gsArrowR, 5, 128, 5},
        {gsArrowU, 127, 5, 123},
        {gsArrowU, 128, 5, 123},
        {gsArrowD, 127, 5, 5},
        {gsArrowD, 128, 5, 5},
        {gsButterfly, 5, 127, 6},
        {gsButterfly, 5, 128, 5},
        {gsDiamond, 127, 200, 73},
        {gsDiamond, 128, 200, 73},
    };
    for (const Cas& c : cas) {
        g.SetStyle(c.style);
        EXPECT_EQ(Rouge(g.Pattern().pixel(c.x, c.y)), c.index) << "style " << c.style << " at " << c.x << "," << c.y;
    }
}

TEST(Gradient, RampTruncatesTowardsZero)
{
    TGradient g = Rampe(RGB(200, 0, 0), RGB(0, 0, 0));
    // 200 + 1 * (-200) div 255: the quotient is truncated to 0, not floored to -1.
    EXPECT_EQ(Rouge(g.Colors()[1]), 200);
    EXPECT_EQ(Rouge(g.Colors()[2]), 199);
    EXPECT_EQ(Rouge(g.Colors()[255]), 0);
}

TEST(Gradient, EqualColoursGiveAUniformPattern)
{
    TGradient g;
    g.SetColorBegin(RGB(12, 150, 77));
    g.SetColorEnd(RGB(12, 150, 77));
    for (int s = gsRadialC; s < gsCustom; ++s) {
        for (int decalage : {-70, 0, 45}) {
            g.SetStyle(TGradientStyle(s));
            g.SetShift(decalage);
            g.SetRotation(-decalage / 2);
            const QImage& m = g.Pattern();
            for (int y = 0; y < m.height(); ++y)
                for (int x = 0; x < m.width(); ++x)
                    ASSERT_EQ(m.pixel(x, y), qRgb(12, 150, 77)) << "style " << s << " at " << x << "," << y;
        }
    }
}

TEST(Gradient, ShiftMovesOneColourTowardsTheOther)
{
    TGradient g = Rampe(RGB(0, 0, 0), RGB(255, 0, 0));
    g.SetShift(100);
    for (QRgb c : g.Colors()) EXPECT_EQ(c, qRgb(255, 0, 0));
    g.SetShift(-100);
    for (QRgb c : g.Colors()) EXPECT_EQ(c, qRgb(0, 0, 0));

    // 255 * 50 / 100 = 127.5 rounds away from zero.
    g.SetShift(50);
    EXPECT_EQ(Rouge(g.Colors()[0]), 128);
    EXPECT_EQ(Rouge(g.Colors()[255]), 255);
    g.SetShift(-50);
    EXPECT_EQ(Rouge(g.Colors()[0]), 0);
    EXPECT_EQ(Rouge(g.Colors()[255]), 127);

    TGradient inverse = Rampe(RGB(255, 0, 0), RGB(0, 0, 0));
    inverse.SetShift(50);
    EXPECT_EQ(Rouge(inverse.Colors()[0]), 127);
}

TEST(Gradient, ShiftAndRotationAreClamped)
{
    TGradient g;
    g.SetShift(120);
    EXPECT_EQ(g.Shift(), 100);
    g.SetShift(-120);
    EXPECT_EQ(g.Shift(), -100);
    g.SetRotation(300);
    EXPECT_EQ(g.Rotation(), 100);
    g.SetRotation(-101);
    EXPECT_EQ(g.Rotation(), -100);
    // Clamped to the value already held: nothing to rebuild.
    const int avant = g.Builds();
    g.SetRotation(-150);
    EXPECT_EQ(g.Builds(), avant);
}

TEST(Gradient, RotationFoldsTheRamp)
{
    TGradient g = Rampe(RGB(0, 0, 0), RGB(255, 0, 0));
    // r = 127.5 -> 128, m = 127: reaches the second colour at 127, back at 255.
    g.SetRotation(50);
    EXPECT_EQ(Rouge(g.Colors()[0]), 0);
    EXPECT_EQ(Rouge(g.Colors()[126]), 252); // 126 * 255 div 127
    EXPECT_EQ(Rouge(g.Colors()[127]), 255);
    EXPECT_EQ(Rouge(g.Colors()[255]), 0);
    // n = 128: from the second colour down to the first at 128, and back.
    g.SetRotation(-50);
    EXPECT_EQ(Rouge(g.Colors()[0]), 255);
    EXPECT_EQ(Rouge(g.Colors()[128]), 0);
    EXPECT_EQ(Rouge(g.Colors()[129]), 3); // 255 - 126 * 255 div 127
    EXPECT_EQ(Rouge(g.Colors()[255]), 255);
    // Both extremes run from the second colour to the first.
    for (int r : {100, -100}) {
        g.SetRotation(r);
        EXPECT_EQ(Rouge(g.Colors()[0]), 255) << r;
        EXPECT_EQ(Rouge(g.Colors()[255]), 0) << r;
    }
}

TEST(Gradient, ReverseSwapsTheColours)
{
    TGradient g = Rampe(RGB(10, 20, 30), RGB(200, 210, 220));
    g.SetReverse(true);
    EXPECT_EQ(g.Colors()[0], qRgb(200, 210, 220));
    EXPECT_EQ(g.Colors()[255], qRgb(10, 20, 30));
    EXPECT_EQ(g.Pattern().pixel(0, 0), qRgb(200, 210, 220));
}

TEST(Gradient, CustomWithoutHandlerIsACheckerStretchedInQuadrants)
{
    TGradient g;
    g.SetColorBegin(RGB(255, 0, 0));
    g.SetColorEnd(RGB(0, 0, 255));
    g.SetShift(50); // the checker uses the colours before the shift
    g.SetStyle(gsCustom);
    ASSERT_EQ(g.Pattern().size(), QSize(2, 2));

    QImage cible(100, 60, QImage::Format_RGB32);
    g.SetSize(cible.size());
    QPainter p(&cible);
    g.Paint(p);
    p.end();
    const QRgb c1 = qRgb(255, 0, 0), c2 = qRgb(0, 0, 255);
    EXPECT_EQ(cible.pixel(0, 0), c1);
    EXPECT_EQ(cible.pixel(49, 29), c1);
    EXPECT_EQ(cible.pixel(99, 59), c1);
    EXPECT_EQ(cible.pixel(50, 30), c1);
    EXPECT_EQ(cible.pixel(99, 0), c2);
    EXPECT_EQ(cible.pixel(50, 29), c2);
    EXPECT_EQ(cible.pixel(0, 59), c2);
    EXPECT_EQ(cible.pixel(49, 30), c2);
}

TEST(Gradient, CustomHandlerFillsThePatternFromTheRamp)
{
    TGradient g;
    int appels = 0;
    g.SetOnCustom([&](TGradient& emetteur, const TGradientColors& couleurs, QImage& motif) {
        EXPECT_EQ(&emetteur, &g);
        ++appels;
        motif = QImage(256, 1, QImage::Format_RGB32);
        for (int x = 0; x < 256; ++x) motif.setPixel(x, 0, couleurs[255 - x]);
    });
    g.SetColorBegin(RGB(0, 0, 0));
    g.SetColorEnd(RGB(0, 255, 0));
    EXPECT_EQ(appels, 0);
    g.SetStyle(gsCustom);
    EXPECT_EQ(appels, 1);
    EXPECT_EQ(g.Pattern().pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(g.Pattern().pixel(255, 0), qRgb(0, 0, 0));
}

TEST(Gradient, AThrowingHandlerLeavesTheGradientPaintable)
{
    TGradient g;
    g.SetStyle(gsLinearV);
    g.SetOnCustom([](TGradient&, const TGradientColors&, QImage&) { throw std::runtime_error("rempli"); });
    EXPECT_THROW(g.SetStyle(gsCustom), std::runtime_error);

    QImage cible(10, 10, QImage::Format_RGB32);
    cible.fill(Qt::black);
    g.SetSize(cible.size());
    QPainter p(&cible);
    g.Paint(p);
    p.end();
    EXPECT_NE(cible.pixel(0, 0), qRgb(0, 0, 0));
}

TEST(Gradient, RebuildsOnlyOnChangeAndOncePerBracket)
{
    TGradient g;
    const int debut = g.Builds();
    g.SetColorBegin(g.ColorBegin());
    g.SetStyle(g.Style());
    g.SetShift(0);
    g.SetReverse(false);
    EXPECT_EQ(g.Builds(), debut);

    g.BeginUpdate();
    g.SetColorBegin(RGB(1, 2, 3));
    g.SetColorEnd(RGB(4, 5, 6));
    g.BeginUpdate();
    g.SetStyle(gsDiamond);
    g.EndUpdate();
    EXPECT_EQ(g.Builds(), debut);
    EXPECT_EQ(g.Pattern().size(), QSize(362, 362));
    g.EndUpdate();
    EXPECT_EQ(g.Builds(), debut + 1);
    EXPECT_EQ(g.Pattern().size(), QSize(256, 256));
    EXPECT_EQ(g.Colors()[0], qRgb(1, 2, 3));

    // A bracket without a change rebuilds nothing.
    g.BeginUpdate();
    g.EndUpdate();
    EXPECT_EQ(g.Builds(), debut + 1);
}

TEST(Gradient, PaintStretchesThePatternOverTheSize)
{
    TGradient g = Rampe(RGB(0, 0, 0), RGB(255, 0, 0));
    QImage cible(512, 3, QImage::Format_RGB32);
    cible.fill(Qt::white);
    g.SetSize(QSize(512, 2));
    QPainter p(&cible);
    g.Paint(p);
    p.end();
    EXPECT_EQ(Rouge(cible.pixel(0, 0)), 0);
    EXPECT_EQ(Rouge(cible.pixel(200, 1)), 100);
    EXPECT_EQ(Rouge(cible.pixel(511, 1)), 255);
    EXPECT_EQ(cible.pixel(100, 2), qRgb(255, 255, 255));
}
