// The series inputs take the frames of the marks from the measurement.

#include "app/UnitEntreesSeries.h"

#include <gtest/gtest.h>

TEST(EntreesSeries, FramesOfTheMarksWhenEveryMarkHasOne)
{
    EtatMesure m;
    m.MarquesParImage = 2;
    m.Marques = VecteurPointD(4);
    m.ImagesMarques = {3, 4, 6, 7}; // the view moved on after each second mark
    m.MarquesTsp = VecteurPointD(1);
    m.ImagesMarquesTsp = {5};
    const TEntreesSeries e = EntreesSeries(m, 0.04, 4.0 / 3, "a.avi");
    EXPECT_EQ(e.ImagesMarques, (std::vector<int>{3, 3, 6, 6}));
    EXPECT_EQ(e.ImagesMarquesTsp, std::vector<int>{5});

    // After a load without them the frames are unknown: one step a mark.
    m.ImagesMarques.clear();
    m.ImagesMarquesTsp.clear();
    const TEntreesSeries sans = EntreesSeries(m, 0.04, 4.0 / 3, "a.avi");
    EXPECT_TRUE(sans.ImagesMarques.empty());
    EXPECT_TRUE(sans.ImagesMarquesTsp.empty());
}
