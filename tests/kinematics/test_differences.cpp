// Three-point differences on irregular times, and the frame of each mark.

#include "kinematics/UnitBaseTemps.h"
#include "kinematics/UnitDifferences.h"

#include <gtest/gtest.h>
#include <vector>

TEST(Differences, IrregularStepsAreExactForParabolas)
{
    // Frames 0, 1, 3, 4, 7, 8 of a 25 fps video: a skipped frame and a long gap.
    const std::vector<double> t{0.0, 0.04, 0.12, 0.16, 0.28, 0.32};
    std::vector<double> x;
    for (double ti : t) x.push_back(1.0 - 2.0 * ti + 4.905 * ti * ti);
    const std::vector<double> d = Differences(t, x);
    for (std::size_t i = 0; i < t.size(); ++i) EXPECT_NEAR(d[i], -2.0 + 9.81 * t[i], 1e-12) << i;
    const std::vector<double> d2 = Differences(t, d);
    for (std::size_t i = 0; i < t.size(); ++i) EXPECT_NEAR(d2[i], 9.81, 1e-9) << i;
}

TEST(Differences, EqualStepsGiveTheFormulasOfEqualSteps)
{
    // j * T times, whose steps differ in the last bit: the formulas of equal
    // steps, evaluated as written, to the last bit.
    std::vector<double> t, x;
    for (int j = 0; j < 9; ++j) {
        t.push_back(j * 0.04);
        x.push_back(0.1 * j * j - 0.37 * j + 0.013 * j * j * j);
    }
    const std::vector<double> d = Differences(t, x);
    EXPECT_EQ(d[0], (-3 * x[0] + 4 * x[1] - x[2]) / (2 * (t[1] - t[0])));
    EXPECT_EQ(d[8], (3 * x[8] - 4 * x[7] + x[6]) / (2 * (t[8] - t[7])));
    for (int i = 1; i < 8; ++i) EXPECT_EQ(d[i], (x[i + 1] - x[i - 1]) / (t[i + 1] - t[i - 1])) << i;
    // The weights say the same.
    const std::vector<TPoidsDifference> w = PoidsDifferences(t);
    for (int i = 0; i < 9; ++i) {
        const auto& p = w[std::size_t(i)];
        EXPECT_NEAR(p.Poids[0] * x[p.Debut] + p.Poids[1] * x[p.Debut + 1] + p.Poids[2] * x[p.Debut + 2], d[i], 1e-12);
    }
}

TEST(BaseTemps, FramesOfTheMarksFromTheFramesShownAfterThem)
{
    // One point a frame on a 10-frame video, marked on frames 2, 3, 5, 8, 9:
    // each mark moved the view on, except the one on the last frame.
    const std::vector<int> apres{3, 4, 6, 9, 9};
    EXPECT_EQ(ImagesDesMarques(apres, 1, 1), (std::vector<int>{2, 3, 5, 8, 9}));
    // Without a mark on the last frame, a 9 after the last mark came from frame 8.
    EXPECT_EQ(ImagesDesMarques(std::vector<int>{3, 9}, 1, 0), (std::vector<int>{2, 8}));
    EXPECT_EQ(ImagesApresMarques(std::vector<int>{2, 3, 5, 8, 9}, 1, 1), apres);
    // Two points: the first mark of a frame leaves the view where it was.
    const std::vector<int> deux{4, 5, 7, 8, 9, 9};
    EXPECT_EQ(ImagesDesMarques(deux, 2, 2), (std::vector<int>{4, 4, 7, 7, 9, 9}));
    EXPECT_EQ(ImagesApresMarques(std::vector<int>{4, 4, 7, 7, 9, 9}, 2, 2), deux);
}

TEST(BaseTemps, StepsFromTheFirstMarkedFrame)
{
    // Two points marked on frames 10, 11 and 13: point 2 misses the last frame.
    const std::vector<int> images{10, 10, 11, 11, 13};
    const auto pas = PasDesEchantillons(images, 2, {}, 0.04);
    ASSERT_EQ(pas.size(), 2u);
    EXPECT_EQ(pas[0], (std::vector<double>{0, 1, 3}));
    EXPECT_EQ(pas[1], (std::vector<double>{0, 1}));
    // With each frame's own time (a variable rate), in nominal steps.
    const TTempsImage temps = [](int f) { return f * 0.04 + (f == 13 ? 0.01 : 0.0); };
    const auto irreguliers = PasDesEchantillons(images, 2, temps, 0.04);
    EXPECT_NEAR(irreguliers[0][2], 3.25, 1e-12);
    // A point marked twice on one frame, or backwards, has no times from its frames.
    EXPECT_TRUE(PasDesEchantillons(std::vector<int>{10, 10, 12}, 1, {}, 0.04).empty());
    EXPECT_TRUE(PasDesEchantillons(std::vector<int>{10, 12, 11}, 1, {}, 0.04).empty());
    EXPECT_TRUE(PasDesEchantillons(std::vector<int>{}, 1, {}, 0.04).empty());
    // ...unless the later mark of the frame is left out of the derivatives; never backwards.
    const auto repetee = [](std::size_t k) { return k == 1; };
    EXPECT_EQ(PasDesEchantillons(std::vector<int>{10, 10, 12}, 1, {}, 0.04, repetee),
              (std::vector<std::vector<double>>{{0, 0, 2}}));
    EXPECT_TRUE(PasDesEchantillons(std::vector<int>{10, 9, 12}, 1, {}, 0.04, repetee).empty());
}
