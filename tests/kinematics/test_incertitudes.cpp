// Uncertainties of the velocities and accelerations, and times from the
// frames of the marks.

#include "kinematics/UnitDiscret.h"
#include "kinematics/UnitSeries.h"
#include "tools/LancersSynthetiques.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <random>
#include <vector>

namespace {

double Gaussienne(std::mt19937& gen)
{
    const double u = 1.0 - (gen() >> 5) / 134217728.0, v = (gen() >> 5) / 134217728.0;
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2 * std::numbers::pi * v);
}

// The spread of the derivatives over many noisy copies of one motion, against
// the spread the propagation predicts (per unit of the estimated scatter).
void ComparerAuHasard(const std::vector<double>& t, const std::vector<double>& vrai, bool lisser)
{
    const int N = int(t.size()), tirages = 300;
    const double bruit = 0.01;
    // Centred on the noise-free derivatives: every road here is unbiased for a parabola.
    TDiscret exact;
    ASSERT_EQ(exact.Calculer(t, vrai, N, lisser), CodeSucces);
    std::mt19937 gen(5);
    std::vector<double> s1(t.size()), s2(t.size());
    TDiscret d;
    for (int k = 0; k < tirages; ++k) {
        std::vector<double> x;
        for (double v : vrai) x.push_back(v + bruit * Gaussienne(gen));
        ASSERT_EQ(d.Calculer(t, x, N, lisser), CodeSucces);
        ASSERT_EQ(d.Methode2(), lisser ? TMethodeLissage::Polynome : TMethodeLissage::Aucune);
        for (int i = 0; i < N; ++i) {
            s1[i] += std::pow(d.Derivee1(i) - exact.Derivee1(i), 2) / tirages;
            s2[i] += std::pow(d.Derivee2(i) - exact.Derivee2(i), 2) / tirages;
        }
    }
    // The gains of the last draw (they depend on the degrees found, not on
    // the noise); 300 draws know a standard deviation to about 4 %.
    for (int i = 0; i < N; ++i) {
        const double g1 = d.Incertitude1(i) / d.Bruit(), g2 = d.Incertitude2(i) / d.Bruit();
        EXPECT_NEAR(std::sqrt(s1[i]) / bruit, g1, 0.15 * g1) << i << (lisser ? " smoothed" : "");
        EXPECT_NEAR(std::sqrt(s2[i]) / bruit, g2, 0.15 * g2) << i << (lisser ? " smoothed" : "");
    }
}

} // namespace

TEST(Incertitudes, PropagationMatchesTheSpreadOfNoisyCopies)
{
    std::vector<double> t, x;
    for (int i = 0; i < 26; ++i) {
        t.push_back(i * 0.04 + (i > 12 ? 0.04 : 0.0)); // one skipped frame
        x.push_back(0.3 + 2 * t.back() - 4.9 * t.back() * t.back());
    }
    ComparerAuHasard(t, x, true);
    ComparerAuHasard(t, x, false);
}

TEST(Incertitudes, CoverageOfThrowsWithClickNoise)
{
    // 60 throws with half a pixel of noise on every click: the true
    // acceleration within 1 and 2 standard uncertainties about as often as a
    // Gaussian says. (The 200-throw figures come from the benchmark.)
    const TCouverture c = CouvertureLancers(1, 60, 0.5);
    ASSERT_GT(c.Echantillons, 60 * 15);
    EXPECT_NEAR(c.AY1, 0.68, 0.10);
    EXPECT_NEAR(c.AY2, 0.95, 0.05);
    EXPECT_NEAR(c.A1, 0.68, 0.10);
    EXPECT_NEAR(c.A2, 0.95, 0.05);
}

TEST(Incertitudes, SeriesCarryUncertaintiesOfEveryPoint)
{
    TEntreesSeries m = LancerSynthetique(3, 0.5);
    TPasDeTemps pas;
    TSeries s(pas);
    ASSERT_EQ(s.CalculerResultats(m, true, true), CodeSucces);
    const TResultatsSeries& r = s.Resultats();
    ASSERT_EQ(r.SerieUAY[0].size(), r.SerieAY[0].size());
    for (std::size_t i = 0; i < r.SerieUV[0].size(); ++i) {
        EXPECT_GT(r.SerieUVY[0][i], 0.0);
        EXPECT_GT(r.SerieUAY[0][i], 0.0);
        // The speed's uncertainty lies between those of its components.
        EXPECT_LE(r.SerieUV[0][i], std::max(r.SerieUVX[0][i], r.SerieUVY[0][i]) * (1 + 1e-12));
        EXPECT_GE(r.SerieUV[0][i], std::min(r.SerieUVX[0][i], r.SerieUVY[0][i]) * (1 - 1e-12));
    }
    // A longer time step: velocities and their uncertainties halve.
    const TResultatsSeries avant = r;
    pas.TChoisi = 2 * pas.TDefaut;
    ASSERT_EQ(s.ChangerPasDeTemps(pas.TChoisi), CodeSucces);
    for (std::size_t i = 0; i < r.SerieUV[0].size(); ++i) {
        EXPECT_NEAR(s.Resultats().SerieUVY[0][i], avant.SerieUVY[0][i] / 2, 1e-9);
        EXPECT_NEAR(s.Resultats().SerieUAY[0][i], avant.SerieUAY[0][i] / 4, 1e-9);
    }
}

TEST(TempsDesImages, SkippedFramesLeaveTheirGaps)
{
    // The throw of seed 3, without noise, with the ball hidden on frames 6 and
    // 7: the user steps over them.
    TEntreesSeries m = LancerSynthetique(3, 0.0);
    std::vector<int> images;
    VecteurPointD marques;
    for (int j = 0; j < int(m.Marques.size()); ++j) {
        if (j == 6 || j == 7) continue;
        images.push_back(j + 4); // marking started on frame 4
        marques.push_back(m.Marques[std::size_t(j)]);
    }
    m.Marques = marques;
    m.NombreDePoints = int(marques.size());
    m.ImagesMarques = images;
    TPasDeTemps pas;
    TSeries s(pas);
    ASSERT_EQ(s.CalculerResultats(m, true, true), CodeSucces);
    const TResultatsSeries& r = s.Resultats();
    EXPECT_TRUE(r.TempsDesImages);
    for (std::size_t j = 0; j < images.size(); ++j) EXPECT_EQ(r.SerieTemps[0][j], (images[j] - 4) * 0.04);
    for (double ay : r.SerieAY[0]) EXPECT_NEAR(ay, -GLancers, 1e-6);
    for (double ay : r.SerieUAY[0]) EXPECT_NEAR(ay, 0.0, 1e-6);

    // Counted as consecutive frames, the same marks give a wrong acceleration.
    m.ImagesMarques.clear();
    ASSERT_EQ(s.CalculerResultats(m, true, true), CodeSucces);
    EXPECT_FALSE(s.Resultats().TempsDesImages);
    EXPECT_EQ(s.Resultats().SerieTemps[0][6], 6 * 0.04);
    EXPECT_GT(std::fabs(s.Resultats().SerieAY[0][0] + GLancers), 0.1);

    // Frames that do not increase give no times either: one step a mark.
    m.ImagesMarques = images;
    m.ImagesMarques[3] = m.ImagesMarques[2];
    ASSERT_EQ(s.CalculerResultats(m, true, true), CodeSucces);
    EXPECT_FALSE(s.Resultats().TempsDesImages);
    EXPECT_EQ(s.Resultats().SerieTemps[0][3], 3 * 0.04);
}

TEST(TempsDesImages, ConsecutiveFramesGiveExactlyTheStepTimesAndTheTimeStepRescales)
{
    TEntreesSeries m = LancerSynthetique(4, 0.5);
    TEntreesSeries suivis = m;
    for (int j = 0; j < m.NombreDePoints; ++j) suivis.ImagesMarques.push_back(j + 37);
    TPasDeTemps pas, pasSuivis;
    TSeries s(pas), t(pasSuivis);
    ASSERT_EQ(s.CalculerResultats(m, true, true), CodeSucces);
    ASSERT_EQ(t.CalculerResultats(suivis, true, true), CodeSucces);
    EXPECT_TRUE(t.Resultats().TempsDesImages);
    EXPECT_FALSE(s.Resultats().TempsDesImages);
    // Bit for bit the same numbers as counting the marks.
    TResultatsSeries a = s.Resultats(), b = t.Resultats();
    a.TempsDesImages = b.TempsDesImages;
    EXPECT_EQ(a, b);

    // A slow-motion video: captured at 200 frames per second, played at 25.
    suivis.PasCapture = 0.005;
    ASSERT_EQ(t.CalculerResultats(suivis, true, true), CodeSucces);
    EXPECT_EQ(pasSuivis.TDefaut, 0.005);
    EXPECT_TRUE(pasSuivis.DefautDeCapture);
    EXPECT_EQ(t.Resultats().SerieTemps[0][5], 5 * 0.005);
}
