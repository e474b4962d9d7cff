#include "kinematics/UnitSeries.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// A measurement on a square picture whose scale segment of 1 m is half a
// picture height: one picture height is 2 m. Origin at the centre.
TEntreesSeries Mesure(int points, int marques)
{
    TEntreesSeries m;
    m.MarquesParImage = points;
    m.EtatEtalon = 2;
    m.PointsEtalon = {PointD{0.1, 0.2}, PointD{0.1, 0.7}};
    m.LongueurEtalon = 1.0;
    m.AspectRatio = 1.0;
    m.FrameTime = 0.04;
    m.Origine = PointD{0.5, 0.5};
    m.FichierVideo = "/videos/a.avi";
    for (int k = 0; k < marques; ++k) {
        // Point p moves right and down by a different amount on each frame.
        const int p = k % points;
        const int j = k / points;
        m.Marques.push_back(PointD{0.1 + 0.01 * j * (p + 1), 0.2 + 0.005 * j * j + 0.1 * p});
    }
    m.NombreDePoints = marques;
    return m;
}

} // namespace

TEST(Series, TwoPointsAndSevenMarks)
{
    TPasDeTemps pas;
    TSeries s(pas);
    ASSERT_EQ(s.CalculerResultats(Mesure(2, 7), true, true), CodeSucces);
    const TResultatsSeries& r = s.Resultats();
    EXPECT_EQ(r.NbPointsMobiles, 2);
    EXPECT_EQ(r.NbMarques, 7);
    EXPECT_EQ(r.NbMesures, (std::vector<int>{4, 3}));
    EXPECT_EQ(r.SerieTemps[0], (std::vector<double>{0.0, 0.04, 0.08, 0.04 * 3}));
    EXPECT_EQ(r.SerieTemps[1], (std::vector<double>{0.0, 0.04, 0.08}));
    // 2 m a picture width or height, y upwards from the centre: point 1 at
    // (0.1 + 0.01 j, 0.2 + 0.005 j²), point 2 at (0.1 + 0.02 j, 0.3 + 0.005 j²).
    for (int j = 0; j < 4; ++j) {
        EXPECT_NEAR(r.SerieX[0][j], -0.8 + 0.02 * j, 1e-12);
        EXPECT_NEAR(r.SerieY[0][j], 0.6 - 0.01 * j * j, 1e-12);
    }
    for (int j = 0; j < 3; ++j) {
        EXPECT_NEAR(r.SerieX[1][j], -0.8 + 0.04 * j, 1e-12);
        EXPECT_NEAR(r.SerieY[1][j], 0.4 - 0.01 * j * j, 1e-12);
    }
    // Each of the nine series has one element per sample of its point.
    for (const auto* serie :
         {&r.SerieTemps, &r.SerieX, &r.SerieY, &r.SerieVX, &r.SerieVY, &r.SerieV, &r.SerieAX, &r.SerieAY, &r.SerieA}) {
        ASSERT_EQ(serie->size(), 2u);
        EXPECT_EQ((*serie)[0].size(), 4u);
        EXPECT_EQ((*serie)[1].size(), 3u);
    }
    EXPECT_TRUE(r.AfficherVitesse);
    EXPECT_TRUE(r.AfficherAcceleration);
    // Point 2 moves 0.02 picture widths = 0.04 m a frame to the right.
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(r.SerieVX[1][j], 0.04 / 0.04, 1e-9);
}

TEST(Series, TooFewSamplesDropTheDerivativesOfEveryPoint)
{
    TPasDeTemps pas;
    TSeries s(pas);
    // Two points, 5 marks: 3 and 2 samples.
    EXPECT_EQ(s.CalculerResultats(Mesure(2, 5), true, true), CodeTropPeuDeMesures);
    EXPECT_EQ(s.Resultats().NbMesures, (std::vector<int>{3, 2}));
    EXPECT_FALSE(s.Resultats().AfficherVitesse);
    EXPECT_FALSE(s.Resultats().AfficherAcceleration);
    // Three points, 5 marks: 2, 2 and 1 samples; the positions stay.
    EXPECT_EQ(s.CalculerResultats(Mesure(3, 5), true, true), CodeTropPeuDeMesures);
    EXPECT_EQ(s.Resultats().NbMesures, (std::vector<int>{2, 2, 1}));
    EXPECT_FALSE(s.Resultats().AfficherVitesse);
    EXPECT_FALSE(s.Resultats().AfficherAcceleration);
    EXPECT_NEAR(s.Resultats().SerieX[2][0], -0.8, 1e-12);
    // Three points, 8 marks: 3, 3 and 2.
    EXPECT_EQ(s.CalculerResultats(Mesure(3, 8), false, true), CodeTropPeuDeMesures);
    EXPECT_EQ(s.Resultats().NbMesures, (std::vector<int>{3, 3, 2}));
    // Only what was asked for is computed.
    EXPECT_EQ(s.CalculerResultats(Mesure(3, 9), false, false), CodeSucces);
    EXPECT_EQ(s.Resultats().SerieV[0], std::vector<double>(3, 0.0));
    EXPECT_EQ(s.Resultats().SerieA[0], std::vector<double>(3, 0.0));
}

TEST(Series, MetresFromTheScaleAndTheProportions)
{
    TPasDeTemps pas;
    TSeries s(pas);
    TEntreesSeries m = Mesure(1, 3);
    // A horizontal segment of 0.3 picture widths on a 4:3 picture = 0.4 heights.
    m.AspectRatio = 4.0 / 3.0;
    m.PointsEtalon = {PointD{0.1, 0.5}, PointD{0.4, 0.5}};
    m.LongueurEtalon = 2.0;
    m.Marques = {PointD{0.5, 0.5}, PointD{0.8, 0.5}, PointD{0.5, 0.3}};
    ASSERT_EQ(s.CalculerResultats(m, true, true), CodeSucces);
    const TResultatsSeries& r = s.Resultats();
    EXPECT_NEAR(r.MetresParHauteur, 5.0, 1e-12);
    EXPECT_NEAR(r.MetresParLargeur, 20.0 / 3.0, 1e-12);
    // A mark on the origin is at (0, 0); y grows upwards.
    EXPECT_EQ(r.XMarques[0], 0.0);
    EXPECT_EQ(r.YMarques[0], 0.0);
    EXPECT_NEAR(r.XMarques[1], 0.3 * r.MetresParLargeur, 1e-12);
    EXPECT_NEAR(r.YMarques[1], 0.0, 1e-12);
    EXPECT_NEAR(r.XMarques[2], 0.0, 1e-12);
    EXPECT_NEAR(r.YMarques[2], 0.2 * 5.0, 1e-12);
    ASSERT_EQ(r.SerieX[0].size(), 3u);
    EXPECT_NEAR(r.SerieX[0][0], 0.0, 1e-12);
    EXPECT_NEAR(r.SerieX[0][1], 2.0, 1e-12);
    EXPECT_NEAR(r.SerieX[0][2], 0.0, 1e-12);
}

TEST(Series, AxisDownFlipsOnlyY)
{
    for (int points : {1, 2, 3}) {
        TPasDeTemps pas;
        TSeries haut(pas);
        TSeries bas(pas);
        TEntreesSeries m = Mesure(points, 12);
        ASSERT_EQ(haut.CalculerResultats(m, true, true), CodeSucces);
        m.AxeVersLeBas = true;
        ASSERT_EQ(bas.CalculerResultats(m, true, true), CodeSucces);
        EXPECT_TRUE(bas.Resultats().AxeVersLeBas);
        const TResultatsSeries& h = haut.Resultats();
        const TResultatsSeries& b = bas.Resultats();
        for (int p = 0; p < points; ++p) {
            for (std::size_t j = 0; j < h.SerieX[p].size(); ++j) {
                EXPECT_EQ(b.SerieX[p][j], h.SerieX[p][j]);
                EXPECT_EQ(b.SerieY[p][j], -h.SerieY[p][j]);
                EXPECT_EQ(b.SerieVX[p][j], h.SerieVX[p][j]);
                EXPECT_NEAR(b.SerieVY[p][j], -h.SerieVY[p][j], 1e-9);
                EXPECT_NEAR(b.SerieAY[p][j], -h.SerieAY[p][j], 1e-6);
                EXPECT_NE(h.SerieY[p][j], 0.0);
            }
        }
    }
}

TEST(Series, OverlayMarksAreRelativeToTheOverlayCentreWithOnePoint)
{
    TPasDeTemps pas;
    TSeries s(pas);
    TEntreesSeries m = Mesure(3, 6); // video marks and three points, both ignored
    m.ModeTransparent = true;
    m.MarquesTsp = {PointD{0.0, 0.0}, PointD{0.1, -0.05}, PointD{0.2, -0.1}, PointD{0.3, -0.15}};
    m.NombreDePointsTsp = 4;
    ASSERT_EQ(s.CalculerResultats(m, true, true), CodeSucces);
    const TResultatsSeries& r = s.Resultats();
    EXPECT_EQ(r.NbPointsMobiles, 1);
    EXPECT_EQ(r.NbMarques, 4);
    EXPECT_EQ(r.NbMesures, std::vector<int>{4});
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(r.SerieX[0][k], 0.1 * k * 2.0, 1e-12);
        EXPECT_NEAR(r.SerieY[0][k], 0.05 * k * 2.0, 1e-12);
        EXPECT_NEAR(r.SerieVX[0][k], 0.2 / 0.04, 1e-9);
    }
}

TEST(Series, CountsLargerThanTheMarksAreCut)
{
    TPasDeTemps pas;
    TSeries s(pas);
    TEntreesSeries m = Mesure(1, 4);
    m.NombreDePoints = 9;
    EXPECT_EQ(s.CalculerResultats(m, true, true), CodeSucces);
    EXPECT_EQ(s.Resultats().NbMarques, 4);
}

TEST(Series, CoincidingScaleEndsChangeNothing)
{
    TPasDeTemps pas;
    TSeries s(pas);
    ASSERT_EQ(s.CalculerResultats(Mesure(2, 8), true, true), CodeSucces);
    const TResultatsSeries avant = s.Resultats();
    const double TChoisi = pas.TChoisi;

    TEntreesSeries m = Mesure(1, 5);
    m.FrameTime = 0.02;
    m.FichierVideo = "/videos/b.avi";
    m.PointsEtalon = {PointD{0.3, 0.3}, PointD{0.3, 0.3}};
    EXPECT_EQ(s.CalculerResultats(m, false, false), CodeEtalonNul);
    EXPECT_EQ(s.Resultats(), avant);
    EXPECT_EQ(pas.TChoisi, TChoisi);
    // A segment with only one end placed is no scale either.
    m = Mesure(1, 5);
    m.EtatEtalon = 1;
    EXPECT_EQ(s.CalculerResultats(m, false, false), CodeEtalonNul);
    EXPECT_EQ(s.Resultats(), avant);
}

TEST(Series, TimeStepFollowsTheVideo)
{
    TPasDeTemps pas;
    TSeries s(pas);
    TEntreesSeries m = Mesure(1, 5);
    ASSERT_EQ(s.CalculerResultats(m, true, true), CodeSucces);
    EXPECT_EQ(pas.TDefaut, 0.04);
    EXPECT_EQ(pas.TChoisi, 0.04);

    // The user's choice stays for the same video.
    pas.TChoisi = 0.1;
    ASSERT_EQ(s.CalculerResultats(m, true, true), CodeSucces);
    EXPECT_EQ(pas.TDefaut, 0.04);
    EXPECT_EQ(pas.TChoisi, 0.1);
    EXPECT_DOUBLE_EQ(s.Resultats().SerieTemps[0][4], 0.4);

    // Another video brings its own interval; the earlier choice is forgotten.
    m.FichierVideo = "/videos/b.avi";
    m.FrameTime = 1.0 / 30.0;
    ASSERT_EQ(s.CalculerResultats(m, true, true), CodeSucces);
    EXPECT_EQ(pas.TDefaut, 1.0 / 30.0);
    EXPECT_EQ(pas.TChoisi, 1.0 / 30.0);
    EXPECT_DOUBLE_EQ(s.Resultats().SerieTemps[0][3], 0.1);

    // The same file with another interval is another video too.
    pas.TChoisi = 0.5;
    m.FrameTime = 0.02;
    ASSERT_EQ(s.CalculerResultats(m, true, true), CodeSucces);
    EXPECT_EQ(pas.TDefaut, 0.02);
    EXPECT_EQ(pas.TChoisi, 0.02);
}

TEST(Series, NewTimeStep)
{
    TPasDeTemps pas;
    TSeries s(pas);
    ASSERT_EQ(s.CalculerResultats(Mesure(1, 10), true, true), CodeSucces);
    const TResultatsSeries avant = s.Resultats();

    pas.TChoisi = 0.08;
    ASSERT_EQ(s.ChangerPasDeTemps(0.08), CodeSucces);
    const TResultatsSeries& r = s.Resultats();
    for (int j = 0; j < 10; ++j) {
        EXPECT_DOUBLE_EQ(r.SerieTemps[0][j], j * 0.08);
        EXPECT_NEAR(r.SerieVX[0][j], avant.SerieVX[0][j] / 2, 1e-9);
        EXPECT_NEAR(r.SerieAY[0][j], avant.SerieAY[0][j] / 4, 1e-6);
    }
    ASSERT_EQ(s.Repartir(), CodeSucces);
    EXPECT_DOUBLE_EQ(s.Resultats().SerieTemps[0][9], 9 * 0.08);
    EXPECT_EQ(pas.TChoisi, 0.08);
}

TEST(Series, FailedNewTimeStepIsUndone)
{
    TPasDeTemps pas;
    TSeries s(pas);
    ASSERT_EQ(s.CalculerResultats(Mesure(2, 20), true, true), CodeSucces);
    pas.TChoisi = 0.05;
    ASSERT_EQ(s.ChangerPasDeTemps(0.05), CodeSucces);
    const TResultatsSeries avant = s.Resultats();

    // A zero time step puts every sample at the same time: the fit of the
    // curved motion meets a zero pivot.
    pas.TChoisi = 0.0;
    EXPECT_EQ(s.ChangerPasDeTemps(0.0), CodePivotNul);
    EXPECT_EQ(pas.TChoisi, pas.TDefaut);
    EXPECT_EQ(s.Resultats(), avant);
}

TEST(Series, SmoothingSwitch)
{
    TPasDeTemps pas;
    TSeries s(pas);
    ASSERT_EQ(s.CalculerResultats(Mesure(2, 20), true, true), CodeSucces);
    EXPECT_TRUE(s.Resultats().Lisser);
    const TResultatsSeries lisse = s.Resultats();

    ASSERT_EQ(s.BasculerLissage(), CodeSucces);
    EXPECT_FALSE(s.Resultats().Lisser);
    EXPECT_NE(s.Resultats().SerieAY, lisse.SerieAY);
    ASSERT_EQ(s.Repartir(), CodeSucces);
    ASSERT_EQ(s.BasculerLissage(), CodeSucces);
    ASSERT_EQ(s.Repartir(), CodeSucces);
    EXPECT_EQ(s.Resultats(), lisse);

    // Without smoothing any time step goes; switching smoothing on then fails
    // and leaves everything as it was.
    ASSERT_EQ(s.BasculerLissage(), CodeSucces);
    pas.TChoisi = 0.0;
    ASSERT_EQ(s.ChangerPasDeTemps(0.0), CodeSucces);
    ASSERT_EQ(s.Repartir(), CodeSucces);
    // (The raw differences over equal times are not numbers, so the series
    // are compared by their times and positions.)
    const TResultatsSeries brut = s.Resultats();
    EXPECT_EQ(s.BasculerLissage(), CodePivotNul);
    EXPECT_FALSE(s.Resultats().Lisser);
    EXPECT_EQ(s.Resultats().SerieTemps, brut.SerieTemps);
    EXPECT_EQ(s.Resultats().SerieX, brut.SerieX);
    EXPECT_FALSE(std::isfinite(s.Resultats().SerieVX[0][1]));
    EXPECT_EQ(pas.TChoisi, 0.0);
}

TEST(Series, EmptyBeforeTheFirstComputation)
{
    TPasDeTemps pas;
    TSeries s(pas);
    const TResultatsSeries& r = s.Resultats();
    EXPECT_EQ(r.NbPointsMobiles, 1);
    EXPECT_EQ(r.NbMesures, std::vector<int>{0});
    ASSERT_EQ(r.SerieV.size(), 1u);
    EXPECT_TRUE(r.SerieV[0].empty());
    EXPECT_TRUE(r.Lisser);
    EXPECT_EQ(s.ChangerPasDeTemps(0.04), CodeSucces);
    EXPECT_EQ(s.CalculerVitesses(), CodeTropPeuDeMesures);
    EXPECT_EQ(s.BasculerLissage(), CodeSucces);
    EXPECT_FALSE(s.Resultats().Lisser);
}

TEST(Series, ARepeatedMarkTakesNoPartInTheDerivatives)
{
    // Eight marks on frames 0..7, the fifth flagged repeated (a stale picture
    // or a shared time stamp), against the same marks without it.
    TEntreesSeries avec = Mesure(1, 8);
    avec.ImagesMarques = {0, 1, 2, 3, 4, 5, 6, 7};
    avec.EtatsMarques.resize(8);
    avec.EtatsMarques[4].Repetee = true;
    avec.EtatsMarques[6] = TEtatMarque{true, 0.8, true, false};
    TEntreesSeries sans = avec;
    sans.Marques.erase(sans.Marques.begin() + 4);
    sans.ImagesMarques = {0, 1, 2, 3, 5, 6, 7};
    sans.EtatsMarques.clear();
    sans.NombreDePoints = 7;
    for (const bool lisser : {true, false}) {
        TPasDeTemps pas1, pas2;
        TSeries s1(pas1), s2(pas2);
        ASSERT_EQ(s1.CalculerResultats(avec, true, true), CodeSucces);
        ASSERT_EQ(s2.CalculerResultats(sans, true, true), CodeSucces);
        if (!lisser) {
            ASSERT_EQ(s1.BasculerLissage(), CodeSucces);
            ASSERT_EQ(s2.BasculerLissage(), CodeSucces);
        }
        const TResultatsSeries &a = s1.Resultats(), &b = s2.Resultats();
        ASSERT_EQ(a.NbMesures[0], 8);
        // The repeated sample keeps its row and position, without derivatives.
        EXPECT_NEAR(a.SerieY[0][4], avec.Marques[4].Y * -2 + 1, 1e-12);
        for (const auto serie : {&TResultatsSeries::SerieVX, &TResultatsSeries::SerieVY, &TResultatsSeries::SerieAY,
                                 &TResultatsSeries::SerieUVY}) {
            EXPECT_TRUE(std::isnan((a.*serie)[0][4])) << lisser;
            for (int i = 0; i < 8; ++i)
                if (i != 4) EXPECT_DOUBLE_EQ((a.*serie)[0][i], (b.*serie)[0][i - (i > 4)]) << lisser << ' ' << i;
        }
        EXPECT_EQ(a.EtatsMarques[0][6], (TEtatMarque{true, 0.8, true, false}));
        EXPECT_EQ(EchantillonsGardes(a, 0).Indices, (std::vector<int>{0, 1, 2, 3, 5, 6, 7}));
    }
    // Two marks on one frame (frames sharing a time stamp): each keeps the
    // frame's time, and the later one takes no part in the derivatives.
    avec.ImagesMarques = {0, 1, 2, 3, 3, 5, 6, 7};
    TPasDeTemps pas;
    TSeries s(pas);
    ASSERT_EQ(s.CalculerResultats(avec, true, true), CodeSucces);
    EXPECT_TRUE(s.Resultats().TempsDesImages);
    EXPECT_DOUBLE_EQ(s.Resultats().SerieTemps[0][4], s.Resultats().SerieTemps[0][3]);
    EXPECT_TRUE(std::isnan(s.Resultats().SerieVY[0][4]));
    EXPECT_TRUE(std::isfinite(s.Resultats().SerieVY[0][3]));
}
