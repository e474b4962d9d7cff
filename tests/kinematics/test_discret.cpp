#include "kinematics/UnitDiscret.h"
#include "kinematics/UnitMoinCar.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {
std::vector<double> Temps(int N, double T)
{
    std::vector<double> t(std::size_t(N), 0.0);
    for (int j = 0; j < N; ++j) t[j] = j * T;
    return t;
}
} // namespace

TEST(Discret, FewerThanThreeSamplesGiveCodeTwoAndZeroDerivatives)
{
    for (int N : {0, 1, 2}) {
        for (bool lisser : {false, true}) {
            TDiscret d;
            const std::vector<double> t{0.0, 1.0}, v{3.0, 5.0};
            EXPECT_EQ(d.Calculer(t, v, N, lisser), CodeTropPeuDeMesures);
            for (int i = -1; i <= 2; ++i) {
                EXPECT_EQ(d.Derivee1(i), 0.0);
                EXPECT_EQ(d.Derivee2(i), 0.0);
            }
        }
    }
}

TEST(Discret, ThreeSamplesOfTSquared)
{
    TDiscret d;
    ASSERT_EQ(d.Calculer(std::vector<double>{0, 1, 2}, std::vector<double>{0, 1, 4}, 3, false), CodeSucces);
    EXPECT_EQ(d.Derivee1(0), 0.0);
    EXPECT_EQ(d.Derivee1(1), 2.0);
    EXPECT_EQ(d.Derivee1(2), 4.0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(d.Derivee2(i), 2.0);
    EXPECT_EQ(d.Derivee1(-1), 0.0);
    EXPECT_EQ(d.Derivee1(3), 0.0);
    EXPECT_EQ(d.Derivee2(3), 0.0);
}

TEST(Discret, UniformMotion)
{
    const auto t = Temps(9, 0.04);
    std::vector<double> x;
    for (double ti : t) x.push_back(1.5 + 3.0 * ti);
    for (bool lisser : {false, true}) {
        TDiscret d;
        ASSERT_EQ(d.Calculer(t, x, 9, lisser), CodeSucces);
        for (int i = 0; i < 9; ++i) {
            EXPECT_NEAR(d.Derivee1(i), 3.0, 1e-9) << i << (lisser ? " smoothed" : "");
            EXPECT_NEAR(d.Derivee2(i), 0.0, 1e-7) << i << (lisser ? " smoothed" : "");
        }
    }
}

TEST(Discret, UniformlyAcceleratedMotionIncludingBothEnds)
{
    const int N = 25;
    const auto t = Temps(N, 0.04);
    std::vector<double> x;
    for (double ti : t) x.push_back(ti * ti);
    for (bool lisser : {false, true}) {
        TDiscret d;
        ASSERT_EQ(d.Calculer(t, x, N, lisser), CodeSucces);
        for (int i = 0; i < N; ++i) {
            EXPECT_NEAR(d.Derivee1(i), 2.0 * t[i], 1e-9) << i << (lisser ? " smoothed" : "");
            EXPECT_NEAR(d.Derivee2(i), 2.0, 1e-7) << i << (lisser ? " smoothed" : "");
        }
    }
}

TEST(Discret, ConstantCoordinateNeverFails)
{
    for (int N = 3; N <= 40; ++N) {
        const auto t = Temps(N, 0.04);
        for (double valeur : {0.0, 0.1234567, 2.5}) {
            const std::vector<double> x(std::size_t(N), valeur);
            for (bool lisser : {false, true}) {
                TDiscret d;
                ASSERT_EQ(d.Calculer(t, x, N, lisser), CodeSucces) << N << " " << valeur;
                for (int i = 0; i < N; ++i) {
                    if (!lisser) {
                        // Exact for values without rounding in 3x and 4x.
                        EXPECT_NEAR(d.Derivee1(i), 0.0, valeur == 2.5 ? 0.0 : 1e-12);
                        EXPECT_NEAR(d.Derivee2(i), 0.0, valeur == 2.5 ? 0.0 : 1e-10);
                    } else {
                        EXPECT_NEAR(d.Derivee1(i), 0.0, 1e-9) << N << " " << valeur << " " << i;
                        EXPECT_NEAR(d.Derivee2(i), 0.0, 1e-6) << N << " " << valeur << " " << i;
                    }
                }
            }
        }
    }
}

TEST(Discret, SmoothingKeepsTheFirstDegreeBelowTheThreshold)
{
    // x = t + e t^2 over 11 samples: with a small e the straight line is good
    // enough and the smoothed acceleration is 0; with a large e the parabola is
    // needed and gives 2e. Without smoothing the acceleration is always 2e.
    const int N = 11;
    const auto t = Temps(N, 0.1);
    for (double e : {0.05, 0.5}) {
        std::vector<double> x;
        for (double ti : t) x.push_back(ti + e * ti * ti);
        TMoinCar droite;
        ASSERT_EQ(droite.Ajuster(t, x, N, 1), CodeSucces);
        const bool droiteSuffit = droite.EcartRelatif() < TDiscret::SeuilEcart;
        ASSERT_EQ(droiteSuffit, e < 0.1) << "the premise of the test";

        TDiscret lisse;
        TDiscret brut;
        ASSERT_EQ(lisse.Calculer(t, x, N, true), CodeSucces);
        ASSERT_EQ(brut.Calculer(t, x, N, false), CodeSucces);
        for (int i = 0; i < N; ++i) {
            EXPECT_NEAR(brut.Derivee2(i), 2 * e, 1e-9);
            EXPECT_NEAR(lisse.Derivee2(i), droiteSuffit ? 0.0 : 2 * e, 1e-7) << "e " << e << " i " << i;
            if (droiteSuffit) {
                EXPECT_NEAR(lisse.Derivee1(i), droite.Coefficients()[2], 1e-9);
            }
        }
    }
}

TEST(Discret, SmoothingRemovesNoiseFromALine)
{
    // A line measured with small alternating errors: without smoothing the
    // errors show in the acceleration, with smoothing the fitted line is used.
    const int N = 20;
    const auto t = Temps(N, 0.04);
    std::vector<double> x;
    for (int i = 0; i < N; ++i) x.push_back(1.0 + 2.0 * t[i] + ((i % 2) ? 1e-3 : -1e-3));
    TDiscret lisse;
    TDiscret brut;
    ASSERT_EQ(lisse.Calculer(t, x, N, true), CodeSucces);
    ASSERT_EQ(brut.Calculer(t, x, N, false), CodeSucces);
    double pireBrut = 0.0;
    for (int i = 0; i < N; ++i) {
        EXPECT_NEAR(lisse.Derivee1(i), 2.0, 1e-2);
        EXPECT_NEAR(lisse.Derivee1(i), lisse.Derivee1(0), 1e-9);
        EXPECT_NEAR(lisse.Derivee2(i), 0.0, 1e-6);
        pireBrut = std::max(pireBrut, std::fabs(brut.Derivee2(i)));
    }
    EXPECT_GT(pireBrut, 1.0);
}
