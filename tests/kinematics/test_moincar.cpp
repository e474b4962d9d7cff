#include "kinematics/UnitMoinCar.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
std::vector<double> Polynome(const std::vector<double>& x, const std::vector<double>& c)
{
    std::vector<double> y;
    for (double xi : x) {
        double s = 0.0;
        for (std::size_t k = c.size(); k-- > 0;) s = s * xi + c[k];
        y.push_back(s);
    }
    return y;
}
} // namespace

TEST(MoinCar, DegreeNMinusOneInterpolatesTheSamples)
{
    for (const std::vector<double>& x :
         {std::vector<double>{0.0, 1.0, 2.0}, std::vector<double>{0.0, 0.5, 1.5, 2.0, 3.0}}) {
        const std::vector<double> c{1.0, -2.0, 3.0, 0.5, -0.25};
        const int N = int(x.size());
        const std::vector<double> y = Polynome(x, std::vector<double>(c.begin(), c.begin() + N));
        TMoinCar m;
        ASSERT_EQ(m.Ajuster(x, y, N, N - 1), CodeSucces);
        EXPECT_EQ(m.Degre(), N - 1);
        ASSERT_EQ(m.Coefficients().size(), std::size_t(N + 1));
        for (int k = 0; k < N; ++k) EXPECT_NEAR(m.Coefficients()[k + 1], c[k], 1e-9) << "N " << N << " k " << k;
        for (int i = 0; i < N; ++i) EXPECT_NEAR(m.Valeur(x[i]), y[i], 1e-9);
        EXPECT_LT(m.EcartRelatif(), 1e-20);
    }
}

TEST(MoinCar, StraightLineIsReproduced)
{
    const std::vector<double> x{0.0, 0.04, 0.08, 0.12, 0.16, 0.2};
    const std::vector<double> y = Polynome(x, {-2.0, 3.0});
    TMoinCar m;
    ASSERT_EQ(m.Ajuster(x, y, 6, 1), CodeSucces);
    EXPECT_LT(m.EcartRelatif(), 1e-24);
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(m.Valeur(x[i]), y[i], 1e-12);
    EXPECT_NEAR(m.Valeur(1.0), 1.0, 1e-12);
    EXPECT_NEAR(m.Valeur(0.0), m.Coefficients()[1], 1e-14);
}

TEST(MoinCar, LeastSquaresOfPointsOffTheLine)
{
    // (0,0), (1,1), (2,0): the best line is y = 1/3, flat, so its residual
    // (1/9 + 4/9 + 1/9) is the whole spread about the mean: relative residual 1.
    TMoinCar m;
    ASSERT_EQ(m.Ajuster(std::vector<double>{0, 1, 2}, std::vector<double>{0, 1, 0}, 3, 1), CodeSucces);
    EXPECT_NEAR(m.Coefficients()[1], 1.0 / 3.0, 1e-15);
    EXPECT_NEAR(m.Coefficients()[2], 0.0, 1e-15);
    EXPECT_NEAR(m.EcartRelatif(), 1.0, 1e-15);
    // The same object fitted again with another degree forgets the first fit.
    ASSERT_EQ(m.Ajuster(std::vector<double>{0, 1, 2}, std::vector<double>{0, 1, 0}, 3, 2), CodeSucces);
    ASSERT_EQ(m.Coefficients().size(), 4u);
    EXPECT_NEAR(m.Valeur(1.0), 1.0, 1e-12);
    EXPECT_NEAR(m.Coefficients()[3], -1.0, 1e-12);
}

TEST(MoinCar, AllZeroOrdinatesGiveZeroCoefficients)
{
    const std::vector<double> x{0.0, 0.1, 0.2, 0.3};
    const std::vector<double> y(4, 0.0);
    TMoinCar m;
    ASSERT_EQ(m.Ajuster(x, y, 4, 2), CodeSucces);
    for (std::size_t k = 1; k < m.Coefficients().size(); ++k) EXPECT_EQ(m.Coefficients()[k], 0.0);
    EXPECT_EQ(m.EcartRelatif(), 0.0);
}

TEST(MoinCar, ZeroPivotFailsWithCodeOne)
{
    // Every abscissa equal to 0: the slope has no equation.
    TMoinCar m;
    EXPECT_EQ(m.Ajuster(std::vector<double>{0, 0, 0}, std::vector<double>{1, 2, 3}, 3, 1), CodePivotNul);
    // No sample at all.
    EXPECT_EQ(m.Ajuster(std::vector<double>{}, std::vector<double>{}, 0, 1), CodePivotNul);
    // Only the first N samples count.
    EXPECT_EQ(m.Ajuster(std::vector<double>{0, 1, 2}, std::vector<double>{0, 1, 0}, 1, 1), CodePivotNul);
}

TEST(MoinCar, PowerIsRepeatedMultiplication)
{
    EXPECT_EQ(TMoinCar::Puissance(0, 0.0), 1.0);
    EXPECT_EQ(TMoinCar::Puissance(0, 7.0), 1.0);
    EXPECT_EQ(TMoinCar::Puissance(3, 2.0), 8.0);
    EXPECT_EQ(TMoinCar::Puissance(5, -1.5), -1.5 * -1.5 * -1.5 * -1.5 * -1.5);
    EXPECT_EQ(TMoinCar::Puissance(4, 0.0), 0.0);
}
