// The clock of playback on a clock of the test's own: frames due by the time,
// dropped when drawing is slow, passes that end on the last frame and start
// again on the tick after.

#include "view/UnitHorlogeLecture.h"

#include <gtest/gtest.h>

namespace {

struct Banc {
    qint64 maintenant = 1000;
    HorlogeLecture horloge;
    Banc()
    {
        horloge.FixerHorloge([this] { return maintenant; });
    }
};

} // namespace

TEST(HorlogeLecture, TheFrameDueByTheClockAndAtLeastTheNext)
{
    Banc b;
    b.horloge.Demarrer(2, 40, 0);
    b.maintenant += 40;
    EXPECT_EQ(b.horloge.Suivant(2, 100, 2, 50).numero, 3);
    // Drawing was slow: 200 ms later, frames 4 to 6 are dropped.
    b.maintenant += 160;
    EXPECT_EQ(b.horloge.Suivant(3, 100, 2, 50).numero, 7);
    // A tick that comes early still moves on by one frame.
    EXPECT_EQ(b.horloge.Suivant(7, 100, 2, 50).numero, 8);
    EXPECT_EQ(b.horloge.PeriodeMs(), 40);
}

TEST(HorlogeLecture, PassesEndOnTheLastFrameThenStartAgainOrStop)
{
    Banc b;
    b.horloge.Demarrer(0, 10, 2);
    b.maintenant += 1000; // far past the last frame
    HorlogeLecture::Tic t = b.horloge.Suivant(0, 100, 0, 5);
    EXPECT_EQ(t.suite, HorlogeLecture::Suite::Image);
    EXPECT_EQ(t.numero, 5);
    EXPECT_EQ(b.horloge.PassesRestantes(), 1);
    t = b.horloge.Suivant(5, 100, 0, 5);
    EXPECT_EQ(t.suite, HorlogeLecture::Suite::NouvellePasse);
    EXPECT_EQ(t.numero, 0);
    // The second pass counts from its own start.
    b.maintenant += 10;
    EXPECT_EQ(b.horloge.Suivant(0, 100, 0, 5).numero, 1);
    b.maintenant += 1000;
    t = b.horloge.Suivant(1, 100, 0, 5);
    EXPECT_EQ(t.suite, HorlogeLecture::Suite::Fin);
    EXPECT_EQ(t.numero, 5);
}

TEST(HorlogeLecture, WithoutEndThePassesNeverStop)
{
    Banc b;
    b.horloge.Demarrer(0, 0, 0); // a period of 0 counts as 1 ms
    EXPECT_EQ(b.horloge.PeriodeMs(), 1);
    b.maintenant += 10'000;
    for (int passe = 0; passe < 3; ++passe) {
        const HorlogeLecture::Tic fin = b.horloge.Suivant(0, 4, 0, 3); // held within the video
        EXPECT_EQ(fin.suite, HorlogeLecture::Suite::Image);
        EXPECT_EQ(fin.numero, 3);
        EXPECT_EQ(b.horloge.Suivant(3, 4, 0, 3).suite, HorlogeLecture::Suite::NouvellePasse);
        b.maintenant += 10'000;
    }
}
