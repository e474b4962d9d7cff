// A turn of the picture chosen by the user: the measurement turns with it
// and the work file keeps it in a block of its own; marks that add nothing
// in time are flagged.

#include "measure/UnitEntreesSeries.h"
#include "measure/UnitMarquesRepetees.h"
#include "measure/UnitRotationImage.h"
#include "measure/UnitTravail.h"

#include <gtest/gtest.h>

namespace {

EtatMesure mesure()
{
    EtatMesure m;
    m.Marques = {{0.25, 0.1}, {0.5, 0.5}, {0.9, 0.75}};
    m.ImagesMarques = {1, 2, 3};
    m.MarquesTsp = {{-0.1, 0.05}};
    m.CentresTsp = {{0.4, 0.3}, {0.4, 0.3}};
    m.PointsEtalon = {PointD{0.1, 0.2}, PointD{0.3, 0.2}};
    m.Origine = {0.2, 0.8};
    m.DemiTailleTsp = {0.1, 0.2};
    return m;
}

void Proches(PointD a, PointD b)
{
    EXPECT_NEAR(a.X, b.X, 1e-12);
    EXPECT_NEAR(a.Y, b.Y, 1e-12);
}

} // namespace

// A quarter turn clockwise takes the top-left corner to the top right:
// every position goes with the picture, and four turns are none.
TEST(RotationMesure, LesMarquesTournentAvecLImage)
{
    EtatMesure m = mesure();
    TournerMesure(m, 1);
    Proches(m.Marques[0], {0.9, 0.25});
    Proches(m.Origine, {0.2, 0.2});
    Proches(m.PointsEtalon[1], {0.8, 0.3});
    Proches(m.CentresTsp[0], {0.7, 0.4});
    Proches(m.MarquesTsp[0], {-0.05, -0.1});
    Proches(m.DemiTailleTsp, {0.2, 0.1});
    TournerMesure(m, 3);
    const EtatMesure avant = mesure();
    for (std::size_t k = 0; k < avant.Marques.size(); ++k) Proches(m.Marques[k], avant.Marques[k]);
    Proches(m.Origine, avant.Origine);
    Proches(m.MarquesTsp[0], avant.MarquesTsp[0]);
    TournerMesure(m, -2); // half a turn either way
    Proches(m.Marques[2], {1 - 0.9, 1 - 0.75});
}

TEST(RotationMesure, BlocDuFichierDeTravail)
{
    Travail t;
    t.CheminVideo = "/videos/telephone.mp4";
    t.Mesure = mesure();
    const QStringList sans = LignesTravail(t, '.');
    t.Mesure.RotationImage = 270;
    const QStringList lignes = LignesTravail(t, '.');
    ASSERT_EQ(lignes.mid(lignes.size() - 2), QStringList({"Rotation", "270"}));
    const LectureTravail lu = LireLignesTravail(lignes);
    ASSERT_EQ(lu.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(lu.travail.Mesure.RotationImage, 270);
    // A file without the block keeps the file's turn.
    const LectureTravail ancien = LireLignesTravail(sans);
    ASSERT_EQ(ancien.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(ancien.travail.Mesure.RotationImage, -1);
    for (const char* faux : {"45", "360", "-90", "x"}) {
        QStringList l = lignes;
        l.last() = QString::fromLatin1(faux);
        EXPECT_NE(LireLignesTravail(l).etat, LectureTravail::Etat::Ok) << faux;
    }
}

// A dropped frame repeats the picture before; two frames of one time stamp
// show one moment. Neither may be differentiated across.
TEST(MarquesRepetees, ImageCopieeEtMemeTemps)
{
    EtatMesure m;
    m.MarquesParImage = 2;
    m.Marques = VecteurPointD(8);
    m.ImagesMarques = {2, 3, 3, 4, 4, 5, 5, 6}; // frames 2..5, two points each
    FaitsVideo video;
    video.FrameTime = 0.04;
    EXPECT_EQ(MarquesRepetees(m, video), std::vector<bool>(8, false));

    video.ImageRepetee = [](int image) { return image == 3; };
    video.TempsImage = [](int image) { return image == 5 ? 0.16 : image * 0.04; }; // 5 shares 4's time
    EXPECT_EQ(MarquesRepetees(m, video), (std::vector<bool>{false, false, true, true, false, false, true, true}));
    // The series' inputs carry the flags with how each mark was made.
    m.OriginesMarques = {{}, {true, 0.7, true}};
    const TEntreesSeries e = EntreesSeries(m, video, "v.avi");
    ASSERT_EQ(e.EtatsMarques.size(), 8u);
    EXPECT_EQ(e.EtatsMarques[1], (TEtatMarque{true, 0.7, true, false}));
    EXPECT_EQ(e.EtatsMarques[2], (TEtatMarque{false, 1.0, false, true}));
    EXPECT_EQ(e.EtatsMarques[4], TEtatMarque{});

    m.ImagesMarques.clear(); // frames unknown after loading an older file
    EXPECT_EQ(MarquesRepetees(m, video), std::vector<bool>(8, false));
}
