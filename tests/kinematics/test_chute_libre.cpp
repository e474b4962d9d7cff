// A ball thrown slightly upwards and sideways, filmed at 25 frames per second
// on a 640 x 480 picture; a vertical stick of 1 m spans 96 pixels.

#include "kinematics/UnitSeries.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double g = 9.81;
constexpr double T = 0.04;
constexpr int Echantillons = 25;
constexpr double Largeur = 640, Hauteur = 480;
constexpr double PixelsParMetre = 96;

// The marks of the ball, either exact or rounded to the pixel the user clicks.
TEntreesSeries ChuteLibre(bool auPixelPres)
{
    TEntreesSeries m;
    m.AspectRatio = Largeur / Hauteur;
    m.FrameTime = T;
    m.FichierVideo = "chute.avi";
    m.EtatEtalon = 2;
    m.LongueurEtalon = 1.0;
    m.PointsEtalon = {PointD{600 / Largeur, 40 / Hauteur}, PointD{600 / Largeur, (40 + PixelsParMetre) / Hauteur}};
    m.Origine = PointD{40 / Largeur, 60 / Hauteur};
    for (int j = 0; j < Echantillons; ++j) {
        const double t = j * T;
        const double x = 2.0 * t;                 // metres, to the right
        const double y = 1.0 * t - g * t * t / 2; // metres, upwards
        double px = 40 + x * PixelsParMetre;
        double py = 60 - y * PixelsParMetre;
        if (auPixelPres) {
            px = std::round(px);
            py = std::round(py);
        }
        m.Marques.push_back(PointD{px / Largeur, py / Hauteur});
    }
    m.NombreDePoints = Echantillons;
    return m;
}

} // namespace

TEST(ChuteLibre, SmoothedAccelerationOfClickedMarksIsG)
{
    TPasDeTemps pas;
    TSeries s(pas);
    ASSERT_EQ(s.CalculerResultats(ChuteLibre(true), true, true), CodeSucces);
    const TResultatsSeries& r = s.Resultats();
    ASSERT_EQ(r.NbMesures, std::vector<int>{Echantillons});
    EXPECT_NEAR(r.MetresParHauteur, Hauteur / PixelsParMetre, 1e-12);
    for (int j = 0; j < Echantillons; ++j) {
        EXPECT_NEAR(r.SerieA[0][j], g, 0.01 * g) << "sample " << j;
        EXPECT_LT(r.SerieAY[0][j], 0.0);
        EXPECT_NEAR(r.SerieVY[0][j], 1.0 - g * j * T, 0.05) << "sample " << j;
    }
}

TEST(ChuteLibre, RawAccelerationOfExactMarksIsG)
{
    TPasDeTemps pas;
    TSeries s(pas);
    ASSERT_EQ(s.BasculerLissage(), CodeSucces); // nothing computed yet: only the switch
    ASSERT_FALSE(s.Resultats().Lisser);
    ASSERT_EQ(s.CalculerResultats(ChuteLibre(false), true, true), CodeSucces);
    const TResultatsSeries& r = s.Resultats();
    for (int j = 0; j < Echantillons; ++j) {
        EXPECT_NEAR(r.SerieA[0][j], g, 0.01 * g) << "sample " << j;
        EXPECT_NEAR(r.SerieAX[0][j], 0.0, 1e-6);
        EXPECT_NEAR(r.SerieVX[0][j], 2.0, 1e-9);
    }
    // Without smoothing the clicked marks are too rough for the acceleration.
    ASSERT_EQ(s.CalculerResultats(ChuteLibre(true), true, true), CodeSucces);
    double pire = 0.0;
    for (int j = 0; j < Echantillons; ++j) pire = std::max(pire, std::fabs(s.Resultats().SerieA[0][j] - g));
    EXPECT_GT(pire, 0.01 * g);
}
