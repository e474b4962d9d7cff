#include "app/UnitDisposition.h"

#include <gtest/gtest.h>

namespace {

// A window without frame: outer size = client size + 20 px of menu bar.
EntreeDisposition fenetre(QSize client, QSize video, double echelle = -1, bool libre = false)
{
    EntreeDisposition e;
    e.Client = client;
    e.Exterieur = client + QSize(0, 20);
    e.Video = video;
    e.Ecran = QSize(1280, 1024);
    e.Echelle = echelle;
    e.TailleLibre = libre;
    return e;
}

TEST(Layout, FitsTheScaleToTheClientAreaAndResizesToTheVideo)
{
    const SortieDisposition s = CalculerDisposition(fenetre(QSize(800, 600), QSize(640, 480)));
    // min(800/640, (600-19-33)/480)
    EXPECT_DOUBLE_EQ(s.Echelle, 548.0 / 480);
    ASSERT_TRUE(s.Redimensionner);
    EXPECT_EQ(s.NouveauClient, QSize(730, 548 + 19 + 33)); // trunc(640 * 1.1417)
    EXPECT_EQ(s.NouvelExterieur, QSize(730, 600 + 20));
    EXPECT_EQ(s.ScrollBox, QRect(0, 0, 730, 548));
    EXPECT_EQ(s.StatusBar1, QRect(0, 581, 730 - 85, 19));
    EXPECT_EQ(s.StatusBar2, QRect(645, 581, 60, 19));
    EXPECT_EQ(s.StatusBar3, QRect(705, 581, 25, 19));
    EXPECT_EQ(s.BarreCommande, QPoint((730 - 360) / 2, 581 - 30));
}

TEST(Layout, ANarrowClientIsWidenedToTheMinimumWidth)
{
    // 442 px of client cannot hold the 450 px minimum outer width.
    const SortieDisposition s = CalculerDisposition(fenetre(QSize(442, 334), QSize(320, 240)));
    EXPECT_DOUBLE_EQ(s.Echelle, 450.0 / 320);
    EXPECT_EQ(s.NouvelExterieur.width(), 450);
}

TEST(Layout, ScreenLimitShrinksAndMinimumSizeWins)
{
    // A video wider than the screen gets a scale below 1.
    SortieDisposition s = CalculerDisposition(fenetre(QSize(442, 334), QSize(1920, 1080), 1.0));
    EXPECT_LT(s.Echelle, 1);
    EXPECT_LE(s.NouvelExterieur.width(), 1280);
    EXPECT_LE(s.NouvelExterieur.height(), 1024);
    // A tiny video is enlarged until the window reaches its minimum size.
    s = CalculerDisposition(fenetre(QSize(442, 334), QSize(16, 12), 1.0));
    EXPECT_GE(s.NouvelExterieur.width(), 450);
    EXPECT_GE(s.NouvelExterieur.height(), 380);
    // When both limits conflict, the minimum size wins.
    EntreeDisposition petit = fenetre(QSize(442, 334), QSize(320, 240), 1.0);
    petit.Ecran = QSize(300, 200);
    s = CalculerDisposition(petit);
    EXPECT_GE(s.NouvelExterieur.width(), 450);
    EXPECT_GE(s.NouvelExterieur.height(), 380);
}

TEST(Layout, AKeptScaleSnapsBackAndServesTheNextVideo)
{
    // The user drags the border; the kept scale gives the same size back.
    const SortieDisposition premier = CalculerDisposition(fenetre(QSize(800, 600), QSize(640, 480)));
    const SortieDisposition tire = CalculerDisposition(fenetre(QSize(900, 700), QSize(640, 480), premier.Echelle));
    EXPECT_EQ(tire.NouveauClient, premier.NouveauClient);
    // A second video keeps the scale fitted for the first one.
    const SortieDisposition second =
        CalculerDisposition(fenetre(premier.NouveauClient, QSize(480, 480), premier.Echelle));
    EXPECT_DOUBLE_EQ(second.Echelle, premier.Echelle);
    EXPECT_EQ(second.NouveauClient.width(), int(480 * premier.Echelle));
}

TEST(Layout, FreeSizeKeepsTheWindowAndStretchesThePicture)
{
    const SortieDisposition s = CalculerDisposition(fenetre(QSize(700, 500), QSize(320, 240), -1, true));
    EXPECT_FALSE(s.Redimensionner);
    EXPECT_EQ(s.Echelle, -1);
    EXPECT_EQ(s.ScrollBox, QRect(0, 0, 700, 500 - 52));
    // Without a video the proportional layout has nothing to follow.
    EXPECT_FALSE(CalculerDisposition(fenetre(QSize(442, 334), QSize())).Redimensionner);
}

TEST(Zoom, LevelsAreClampedAndScaleByAQuarter)
{
    EXPECT_EQ(BornerNiveauZoom(-1), 0);
    EXPECT_EQ(BornerNiveauZoom(8), 7);
    EXPECT_DOUBLE_EQ(FacteurZoom(0), 1);
    EXPECT_DOUBLE_EQ(FacteurZoom(2), 1.5625);
    EXPECT_NEAR(FacteurZoom(7), 4.768, 0.001);
    EXPECT_EQ(TailleVueZoom(QSize(400, 300), 0), QSize(400, 300));
    EXPECT_EQ(TailleVueZoom(QSize(401, 301), 1), QSize(501, 376)); // 501.25, 376.25
    EXPECT_EQ(TailleVueZoom(QSize(400, 300), 3), QSize(781, 586)); // 781.25, 585.9375
}

} // namespace
