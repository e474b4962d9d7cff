// The frames of the marks in the work file: the block after the last line.

#include "measure/UnitTravail.h"
#include "measure/UnitTravailImages.h"

#include <gtest/gtest.h>

namespace {

// Two moving points on frames 4, 6 and (point 1 only) 9; one overlay mark on
// frame 7. The measurement keeps the frame shown after each mark: the next
// one after the second point's.
Travail mesure()
{
    Travail t;
    t.CheminVideo = "/videos/chute.avi";
    EtatMesure& m = t.Mesure;
    m.MarquesParImage = 2;
    m.Marques = {{0.1, 0.2}, {0.3, 0.4}, {0.15, 0.3}, {0.35, 0.5}, {0.2, 0.45}};
    m.ImagesMarques = {4, 5, 6, 7, 9};
    m.MarquesTsp = {{-0.1, 0.05}};
    m.CentresTsp = {{0.5, 0.5}, {0.5, 0.5}};
    m.ImagesMarquesTsp = {7};
    return t;
}

QStringList lignesMesure()
{
    return LignesTravail(mesure(), '.');
}

} // namespace

TEST(WorkFileFrames, TheBlockFollowsTheLastLineAndReadsBack)
{
    Travail sans = mesure();
    sans.Mesure.ImagesMarques.clear();
    sans.Mesure.ImagesMarquesTsp.clear();
    const QStringList partie = LignesTravail(sans, '.');
    const QStringList lignes = lignesMesure();
    ASSERT_EQ(lignes.size(), partie.size() + 1 + 1 + 5 + 1 + 1);
    EXPECT_EQ(lignes.mid(0, partie.size()), partie);
    EXPECT_EQ(lignes.mid(partie.size()), QStringList({"Images", "5", "4", "4", "6", "6", "9", "1", "7"}));

    const LectureTravail lu = LireLignesTravail(lignes);
    ASSERT_EQ(lu.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(lu.travail.Mesure.ImagesMarques, mesure().Mesure.ImagesMarques);
    EXPECT_EQ(lu.travail.Mesure.ImagesMarquesTsp, mesure().Mesure.ImagesMarquesTsp);
    EXPECT_TRUE(ImagesTravailDansLaVideo(lu.travail, 10));
    EXPECT_FALSE(ImagesTravailDansLaVideo(lu.travail, 9)); // frame 9 is past a 9-frame video

    // A file without the block reads as before, with no frames.
    const LectureTravail ancien = LireLignesTravail(partie);
    ASSERT_EQ(ancien.etat, LectureTravail::Etat::Ok);
    EXPECT_TRUE(ancien.travail.Mesure.ImagesMarques.empty());
    EXPECT_TRUE(ancien.travail.Mesure.ImagesMarquesTsp.empty());
    // Something else after the last line is not our block, and is left alone.
    EXPECT_EQ(LireLignesTravail(partie + QStringList{"1"}).etat, LectureTravail::Etat::Ok);
}

TEST(WorkFileFrames, NothingIsWrittenWithoutAFrameForEveryMark)
{
    // A fresh video keeps its 24 lines.
    EXPECT_EQ(LignesTravail(Travail{}, '.').size(), 24);
    // Frames lost by a load without the block: no block, the file reads as before.
    Travail t = mesure();
    t.Mesure.ImagesMarques.pop_back();
    const QStringList lignes = LignesTravail(t, '.');
    EXPECT_FALSE(lignes.contains("Images"));
    // Frames that run backwards for a point are not written either.
    t = mesure();
    t.Mesure.ImagesMarques = {4, 5, 6, 4, 9};
    EXPECT_FALSE(LignesTravail(t, '.').contains("Images"));
}

TEST(WorkFileFrames, ADamagedBlockIsAReadError)
{
    const QStringList bonnes = lignesMesure();
    const qsizetype debut = bonnes.indexOf("Images");
    ASSERT_GT(debut, 0);
    const auto lire = [&](qsizetype ligne, const QString& valeur) {
        QStringList l = bonnes;
        l[ligne] = valeur;
        return LireLignesTravail(l).etat;
    };
    EXPECT_EQ(lire(debut + 1, "4"), LectureTravail::Etat::Contenu); // count differs from the marks
    EXPECT_EQ(lire(debut + 1, "-5"), LectureTravail::Etat::Contenu);
    EXPECT_EQ(lire(debut + 4, "3"), LectureTravail::Etat::Contenu);  // point 1 goes back from 4 to 3
    EXPECT_EQ(lire(debut + 2, "-1"), LectureTravail::Etat::Contenu); // negative frame
    EXPECT_EQ(lire(debut + 3, "x"), LectureTravail::Etat::Contenu);
    EXPECT_EQ(lire(debut + 7, "2"), LectureTravail::Etat::Contenu); // overlay count
    // Point 2 may stay on the frame of point 1; a point may stay on its frame.
    EXPECT_EQ(lire(debut + 5, "6"), LectureTravail::Etat::Ok);
    EXPECT_EQ(lire(debut + 4, "4"), LectureTravail::Etat::Ok);
    for (qsizetype n = debut + 1; n < bonnes.size(); ++n)
        EXPECT_EQ(LireLignesTravail(bonnes.mid(0, n)).etat, LectureTravail::Etat::Contenu) << "cut at " << n;
}

TEST(WorkFileFrames, BlocksAfterTheLastLine)
{
    const QStringList lignes = LignesTravail(mesure(), '.');
    // A block a later version wrote, which this one does not know: what comes
    // before it is kept, and the file reads.
    const LectureTravail plusRecent = LireLignesTravail(lignes + QStringList{"Later", "1", "2"});
    EXPECT_EQ(plusRecent.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(plusRecent.travail.Mesure.ImagesMarquesTsp, mesure().Mesure.ImagesMarquesTsp);
    // The same block twice says two different things: a read error.
    const QStringList bloc = lignes.mid(lignes.indexOf("Images"));
    EXPECT_EQ(LireLignesTravail(lignes + bloc).etat, LectureTravail::Etat::Contenu);
}
