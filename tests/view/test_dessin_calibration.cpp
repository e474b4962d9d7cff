// Pixels of turned axes, of a plane's rectangle with its grid, and of the
// plane's corners being clicked.

#include "view/UnitDessinMesure.h"

#include <QImage>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

QImage Dessin(const EtatMesure& m, int largeur, int hauteur, const VecteurPointD* coins = nullptr)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    PixelsMesure px;
    px.Origine = VersPixels(m.Origine, largeur, hauteur);
    QPainter p(&image);
    DessinMesure::Dessiner(p, m, px, largeur, hauteur, coins);
    return image;
}

Pixels Teintes(const QImage& image, QRgb couleur)
{
    Pixels r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == couleur) r.insert({x, y});
    return r;
}

EtatMesure Origine(PointD o)
{
    EtatMesure m;
    m.Couleur = 255;
    m.Outil = TOutil::Origine;
    m.OriginePlacee = TOrigine::Placee;
    m.Origine = o;
    return m;
}

TEST(DessinCalibration, AxesTurnedByAQuarterTurnPointUpAndLeft)
{
    EtatMesure m = Origine({0.5, 0.4});
    m.AngleAxes = 90.0;
    const Pixels px = Teintes(Dessin(m, 200, 150), qRgb(255, 0, 0));
    for (int y = 0; y < 150; ++y) EXPECT_TRUE(px.count({100, y})) << y; // x axis, up the picture
    for (int x = 0; x < 200; ++x) EXPECT_TRUE(px.count({x, 60})) << x;  // y axis, across
    EXPECT_TRUE(px.count({92, 8}) && px.count({108, 8}));               // x arrow at the top
    EXPECT_TRUE(px.count({7, 53}) && px.count({7, 67}));                // y arrow at the left (its base
                                                                        // is its right edge, left out)
    EXPECT_FALSE(px.count({191, 52}));                                  // none at the right any more
    EXPECT_FALSE(px.count({92, 141}));

    // A quarter turn the other way, the vertical axis pointing down: x down, y left.
    m.AngleAxes = -90.0;
    m.AxeVersLeBas = true;
    const Pixels bas = Teintes(Dessin(m, 200, 150), qRgb(255, 0, 0));
    EXPECT_TRUE(bas.count({92, 141}) && bas.count({108, 141}));
    EXPECT_TRUE(bas.count({7, 53}) && bas.count({7, 67}));
}

TEST(DessinCalibration, APlaneShowsItsRectangleAndALightGridOfThePlane)
{
    EtatMesure m = Origine({0.15, 0.85});
    m.Outil = TOutil::Marque;
    m.Couleur = 255;
    m.Plan = TPlan{{PointD{0.15, 0.85}, PointD{0.85, 0.85}, PointD{0.7, 0.3}, PointD{0.3, 0.3}}, 1.0, 0.6};
    const QImage image = Dessin(m, 400, 300);
    const Pixels rouge = Teintes(image, qRgb(255, 0, 0));
    // The near side of the rectangle, on row 255 between its corners.
    for (int x = 64; x < 336; ++x) EXPECT_TRUE(rouge.count({x, 255})) << x;
    // Grid lines every 0.1 m: the plane's line x = 0.5 crosses the middle of
    // the near side, lightly (red over white at a fraction of its strength).
    const QRgb grille = image.pixel(200, 240);
    EXPECT_EQ(qRed(grille), 255);
    EXPECT_GT(qGreen(grille), 100);
    EXPECT_LT(qGreen(grille), 255);
    // The grid goes on beyond the rectangle, towards the far side's horizon.
    EXPECT_EQ(image.pixel(200, 60), grille);
}

TEST(DessinCalibration, CornersBeingClickedAreJoinedUpToThePointer)
{
    EtatMesure m;
    m.Couleur = 255;
    const VecteurPointD coins = {PointD{0.1, 0.8}, PointD{0.9, 0.8}};
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    PixelsMesure px;
    px.Souris = {150, 20};
    {
        QPainter p(&image);
        DessinMesure::Dessiner(p, m, px, 200, 100, &coins);
    }
    const Pixels rouge = Teintes(image, qRgb(255, 0, 0));
    for (int x = 25; x < 175; ++x) EXPECT_TRUE(rouge.count({x, 80})) << x; // the first side
    EXPECT_TRUE(rouge.count({165, 50}));                                   // towards the pointer
    EXPECT_TRUE(rouge.count({20, 77}));                                    // the first corner's disc
}

} // namespace
