// Smoothing that cannot silently fail: results that do not depend on where
// the origin lies, local polynomials where one polynomial cannot follow the
// motion, parabolas kept exact.

#include "kinematics/UnitDiscret.h"
#include "kinematics/UnitLissageLocal.h"
#include "kinematics/UnitMoinCar.h"
#include "kinematics/UnitSeries.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr double g = 9.81;

// Gaussian noise computed here, the same with every standard library.
double Gaussienne(std::mt19937& gen)
{
    const double u = 1.0 - (gen() >> 5) / 134217728.0, v = (gen() >> 5) / 134217728.0;
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2 * std::numbers::pi * v);
}

// A ball dropped beside a ruler, filmed at 250 frames per second for 0.4 s on
// a 480-pixel-high picture where 1 m spans 400 pixels; the marks at whole
// pixels, and the origin `hauteurOrigine` metres below the release point.
TEntreesSeries ChuteLibre(double hauteurOrigine)
{
    TEntreesSeries m;
    m.AspectRatio = 640.0 / 480.0;
    m.FrameTime = 0.004;
    m.FichierVideo = "chute.avi";
    m.EtatEtalon = 2;
    m.LongueurEtalon = 1.0;
    m.PointsEtalon = {PointD{0.9, 20 / 480.0}, PointD{0.9, 420 / 480.0}};
    const double y0 = 20;
    m.Origine = PointD{0.5, (y0 + 400 * hauteurOrigine) / 480};
    for (int j = 0; j <= 100; ++j) {
        const double t = j * 0.004;
        m.Marques.push_back(PointD{320.0 / 640, std::round(y0 + 400 * g * t * t / 2) / 480});
    }
    m.NombreDePoints = int(m.Marques.size());
    return m;
}

} // namespace

TEST(Lissage, FreeFallGivesGWhereverTheOriginLies)
{
    for (double origine : {0.0, 0.5, 1.0, 10.0, -10.0}) {
        TPasDeTemps pas;
        TSeries s(pas);
        ASSERT_EQ(s.CalculerResultats(ChuteLibre(origine), true, true), CodeSucces) << origine;
        const TResultatsSeries& r = s.Resultats();
        EXPECT_EQ(r.Lissage, TLissage::Polynome);
        for (std::size_t j = 0; j < r.SerieAY[0].size(); ++j)
            EXPECT_NEAR(r.SerieAY[0][j], -g, 0.02 * g) << "origin " << origine << " sample " << j;
    }
    // The premise: with the origin 10 m away, a straight line fits the
    // positions to 5e-4 of their sum of squares, so judging the residual
    // against that sum took the line and gave no acceleration at all.
    TPasDeTemps pas;
    TSeries s(pas);
    ASSERT_EQ(s.CalculerResultats(ChuteLibre(10.0), true, true), CodeSucces);
    const auto& t = s.Resultats().SerieTemps[0];
    const auto& y = s.Resultats().SerieY[0];
    TMoinCar droite;
    ASSERT_EQ(droite.Ajuster(t, y, int(y.size()), 1), CodeSucces);
    double carres = 0.0;
    for (double v : y) carres += v * v;
    EXPECT_LT(droite.SommeCarresEcarts() / carres, TDiscret::SeuilEcart);
    EXPECT_GT(droite.EcartRelatif(), TDiscret::SeuilEcart);
}

TEST(Lissage, HighDegreeFitsOnTimesFarFromZero)
{
    // A degree-10 polynomial sampled over one second that starts 1000 s into
    // the video: the powers of raw times would make the system singular.
    std::vector<double> t, y;
    for (int i = 0; i < 60; ++i) {
        const double s = i / 59.0;
        t.push_back(1000.0 + s);
        y.push_back(std::pow(s - 0.3, 10) + 0.5 * s * s);
    }
    TMoinCar m;
    ASSERT_EQ(m.Ajuster(t, y, 60, 10), CodeSucces);
    for (int i = 0; i < 60; ++i) EXPECT_NEAR(m.Valeur(t[i]), y[i], 1e-6);
    // The relative residual does not depend on where y's origin lies.
    std::vector<double> decale;
    for (double v : y) decale.push_back(v + 1e4);
    TMoinCar d;
    ASSERT_EQ(m.Ajuster(t, y, 60, 2), CodeSucces);
    ASSERT_EQ(d.Ajuster(t, decale, 60, 2), CodeSucces);
    EXPECT_NEAR(d.EcartRelatif(), m.EcartRelatif(), 1e-6 * m.EcartRelatif());
}

TEST(Lissage, DampedOscillationFollowsLocalPolynomials)
{
    // A pendulum over 4 periods of 2 s filmed at 25 frames per second, swinging
    // 150 pixels and losing half its amplitude, clicked with 1 pixel of noise.
    const double T = 0.04, omega = std::numbers::pi, A = 150;
    const int N = 200;
    const double amortissement = std::log(2.0) / (N * T);
    std::mt19937 gen(17);
    std::vector<double> t, x, vraie;
    for (int i = 0; i < N; ++i) {
        const double ti = i * T, e = A * std::exp(-amortissement * ti);
        t.push_back(ti);
        x.push_back(e * std::cos(omega * ti) + Gaussienne(gen));
        vraie.push_back(e *
                        ((amortissement * amortissement - omega * omega) * std::cos(omega * ti) +
                         2 * amortissement * omega * std::sin(omega * ti)));
    }
    TDiscret d;
    ASSERT_EQ(d.Calculer(t, x, N, true), CodeSucces);
    EXPECT_EQ(d.Methode1(), TMethodeLissage::Local);
    EXPECT_EQ(d.Methode2(), TMethodeLissage::Local);
    EXPECT_GT(d.Fenetre(), 7);
    EXPECT_LT(d.Fenetre(), 50); // a window within one period
    double erreur = 0.0, reference = 0.0;
    for (int i = 0; i < N; ++i) {
        erreur += (d.Derivee2(i) - vraie[i]) * (d.Derivee2(i) - vraie[i]);
        reference += vraie[i] * vraie[i];
    }
    EXPECT_LT(std::sqrt(erreur / reference), 0.10);
    // The noise is found again from the local fits.
    EXPECT_NEAR(d.Bruit(), 1.0, 0.15);

    // One polynomial of degree 10 at most, as before, is far off.
    TMoinCar m;
    ASSERT_EQ(m.Ajuster(t, x, N, TDiscret::DegreMax), CodeSucces);
    EXPECT_GT(m.EcartRelatif(), TDiscret::SeuilEcart);
}

TEST(Lissage, ParabolaStaysExact)
{
    // Smoothing keeps a parabola on single polynomials: a constant
    // acceleration, and no uncertainty without scatter.
    std::vector<double> t, y;
    for (int i = 0; i < 40; ++i) {
        t.push_back(i * 0.04);
        y.push_back(3.0 + 1.2 * t.back() - g / 2 * t.back() * t.back());
    }
    TDiscret d;
    ASSERT_EQ(d.Calculer(t, y, 40, true), CodeSucces);
    EXPECT_EQ(d.Methode1(), TMethodeLissage::Polynome);
    EXPECT_EQ(d.Methode2(), TMethodeLissage::Polynome);
    for (int i = 0; i < 40; ++i) {
        EXPECT_NEAR(d.Derivee1(i), 1.2 - g * t[i], 1e-9);
        EXPECT_NEAR(d.Derivee2(i), -g, 1e-8);
        EXPECT_NEAR(d.Incertitude2(i), 0.0, 1e-6);
    }
}

TEST(Lissage, LocalFitsReproducePolynomialsOfTheirDegree)
{
    // Irregular times and a cubic: values and derivatives exact everywhere,
    // including the shifted windows at both ends.
    std::vector<double> t, y;
    double ti = 0.0;
    for (int i = 0; i < 30; ++i) {
        ti += 0.03 + 0.02 * (i % 3);
        t.push_back(ti);
        y.push_back(2 - ti + 0.5 * ti * ti * ti);
    }
    const TLissageLocal l = LisserLocalement(t, y, 9, 4);
    for (int i = 0; i < 30; ++i) {
        EXPECT_NEAR(l.Valeurs[i], y[i], 1e-9);
        EXPECT_NEAR(l.Derivees1[i], -1 + 1.5 * t[i] * t[i], 1e-8);
        EXPECT_NEAR(l.Derivees2[i], 3 * t[i], 1e-6);
    }
    EXPECT_NEAR(l.Bruit, 0.0, 1e-9);
}
