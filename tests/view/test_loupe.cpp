// The loupe's place beside the pointer and its pixels.

#include "view/UnitLoupe.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using namespace Loupe;

// A 40 x 30 picture whose every pixel tells its own place.
QImage Video()
{
    QImage v(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < v.height(); ++y)
        for (int x = 0; x < v.width(); ++x) v.setPixel(x, y, qRgb(5 * x, 8 * y, 7));
    return v;
}

QImage Fond()
{
    QImage c(200, 200, QImage::Format_RGB32);
    c.fill(qRgb(90, 90, 90));
    return c;
}

const QRgb Croix = qRgb(255, 0, 0);

TEST(Loupe, PlacedAboveRightOfThePointerOrOnTheOtherSideInsideTheView)
{
    EXPECT_EQ(Placer({640, 480}, {100, 300}), QRect(116, 164, Cote, Cote));
    // Near the right edge it goes left, near the top it goes below.
    EXPECT_EQ(Placer({640, 480}, {600, 300}), QRect(464, 164, Cote, Cote));
    EXPECT_EQ(Placer({640, 480}, {100, 50}), QRect(116, 66, Cote, Cote));
    // Where neither side has room it stays inside the view.
    EXPECT_EQ(Placer({200, 150}, {100, 100}), QRect(0, 30, Cote, Cote));
    // A view smaller than the loupe: from its top-left corner.
    EXPECT_EQ(Placer({100, 80}, {50, 40}), QRect(0, 0, Cote, Cote));
}

TEST(Loupe, EachVideoPixelBecomesFourByFourAroundTheAimedSpot)
{
    QImage c = Fond();
    const QRect cadre(10, 20, Cote, Cote);
    Dessiner(c, cadre, Video(), {10.0, 10.0}, Croix);
    // The aimed pixel (10, 10) starts at the inset's centre, 4 pixels a side.
    const int cx = cadre.left() + Cote / 2, cy = cadre.top() + Cote / 2;
    for (int d = 0; d < Grossissement; ++d) {
        EXPECT_EQ(c.pixel(cx + d, cy + 2), qRgb(50, 80, 7)) << d;
        EXPECT_EQ(c.pixel(cx - 1 - d, cy + 2), qRgb(45, 80, 7)) << d;
    }
    EXPECT_EQ(c.pixel(cx + Grossissement, cy + 2), qRgb(55, 80, 7));
    EXPECT_EQ(c.pixel(cx + 2, cy - 1), qRgb(50, 72, 7));
}

TEST(Loupe, FractionalAimFrameCrossAndOutsideTheVideo)
{
    QImage c = Fond();
    const QRect cadre(10, 20, Cote, Cote);
    Dessiner(c, cadre, Video(), {12.5, 9.25}, Croix);
    // Inset pixel (70, 50): video pixel floor(12.5 + 10.5 / 4), floor(9.25 - 9.5 / 4).
    EXPECT_EQ(c.pixel(cadre.left() + 70, cadre.top() + 50), qRgb(75, 48, 7));
    // The frame: first and last row and column of the inset, nothing beyond.
    EXPECT_EQ(c.pixel(cadre.left(), cadre.top() + 50), Croix);
    EXPECT_EQ(c.pixel(cadre.right(), cadre.top() + 50), Croix);
    EXPECT_EQ(c.pixel(cadre.left() + 50, cadre.bottom()), Croix);
    EXPECT_EQ(c.pixel(cadre.left() - 1, cadre.top() + 50), qRgb(90, 90, 90));
    EXPECT_EQ(c.pixel(cadre.right() + 1, cadre.top() + 50), qRgb(90, 90, 90));
    EXPECT_EQ(c.pixel(cadre.left() + 50, cadre.bottom() + 1), qRgb(90, 90, 90));
    // The cross along the centre row and column, open over the aimed pixel.
    const int cx = cadre.left() + Cote / 2, cy = cadre.top() + Cote / 2;
    EXPECT_EQ(c.pixel(cx, cadre.top() + 10), Croix);
    EXPECT_EQ(c.pixel(cx + 30, cy), Croix);
    EXPECT_EQ(c.pixel(cx, cy - Grossissement - 1), Croix);
    EXPECT_NE(c.pixel(cx, cy - Grossissement), Croix);
    EXPECT_NE(c.pixel(cx + 2, cy), Croix);
    EXPECT_NE(c.pixel(cx + 1, cadre.top() + 10), Croix);

    // Aimed at the top-left corner: left of and above the video is black.
    QImage coin = Fond();
    Dessiner(coin, cadre, Video(), {0.0, 0.0}, Croix);
    EXPECT_EQ(coin.pixel(cadre.left() + 20, cadre.top() + 20), qRgb(0, 0, 0));
    EXPECT_EQ(coin.pixel(cadre.left() + 70, cadre.top() + 70), qRgb(10, 16, 7));
}

TEST(Loupe, ClippedToThePicture)
{
    QImage c = Fond();
    // Partly off the picture: nothing is written outside it.
    Dessiner(c, QRect(150, 150, Cote, Cote), Video(), {20.0, 15.0}, Croix);
    EXPECT_EQ(c.pixel(150, 150), Croix);
    EXPECT_EQ(c.pixel(149, 199), qRgb(90, 90, 90));
}

TEST(Visee, UnderThePointerOrAQuarterOfItsMotionWhileFine)
{
    const QSizeF vue(320, 240);
    Visee v;
    EXPECT_FALSE(v.Point());
    EXPECT_EQ(v.Bouger({100, 50}, false, vue), QPointF(100, 50));
    // The fine aim starts where the aim stood and moves a quarter as far.
    EXPECT_EQ(v.Bouger({100, 50}, true, vue), QPointF(100, 50));
    EXPECT_EQ(v.Bouger({101, 48}, true, vue), QPointF(100.25, 49.5));
    EXPECT_EQ(v.Bouger({105, 54}, true, vue), QPointF(101.25, 51));
    // Without Shift the aim is back under the pointer; a fine aim begun by a
    // move starts from where the aim stood, not from the pointer.
    EXPECT_EQ(v.Bouger({90, 54}, false, vue), QPointF(90, 54));
    EXPECT_EQ(v.Bouger({94, 54}, true, vue), QPointF(90, 54));
    EXPECT_EQ(v.Bouger({98, 54}, true, vue), QPointF(91, 54));
    v.Bouger({300, 54}, false, vue);
    v.Bouger({300, 54}, true, vue);
    // Never outside the view.
    EXPECT_EQ(v.Bouger({300 + 200, 54 - 400}, true, vue), QPointF(320, 0));
    v.Quitter();
    EXPECT_FALSE(v.Point());
}

} // namespace
