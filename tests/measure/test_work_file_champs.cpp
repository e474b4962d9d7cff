// Fields as frames in the work file: the block after the last line.

#include "measure/UnitTravail.h"

#include <gtest/gtest.h>

namespace {

Travail mesure()
{
    Travail t;
    t.CheminVideo = "/videos/camescope.ts";
    t.NumeroImage = 7;
    EtatMesure& m = t.Mesure;
    m.Marques = {{0.1, 0.2}, {0.3, 0.4}};
    m.ImagesMarques = {5, 7};
    m.RotationImage = 90;
    return t;
}

} // namespace

TEST(WorkFileFields, TheBlockReadsBackAndOlderFilesReadAsBefore)
{
    const QStringList sans = LignesTravail(mesure(), '.');
    Travail avecChamps = mesure();
    avecChamps.Mesure.ChampsImages = true;
    const QStringList lignes = LignesTravail(avecChamps, '.');
    // The block comes after every other one; whole pictures write nothing.
    ASSERT_EQ(lignes.size(), sans.size() + 2);
    EXPECT_EQ(lignes.mid(0, sans.size()), sans);
    EXPECT_EQ(lignes.mid(sans.size()), QStringList({"Fields", "1"}));

    const LectureTravail lu = LireLignesTravail(lignes);
    ASSERT_EQ(lu.etat, LectureTravail::Etat::Ok);
    EXPECT_TRUE(lu.travail.Mesure.ChampsImages);
    EXPECT_EQ(lu.travail.Mesure.ImagesMarques, avecChamps.Mesure.ImagesMarques);
    EXPECT_EQ(lu.travail.Mesure.RotationImage, 90);
    EXPECT_EQ(lu.travail.NumeroImage, 7);

    const LectureTravail ancien = LireLignesTravail(sans);
    ASSERT_EQ(ancien.etat, LectureTravail::Etat::Ok);
    EXPECT_FALSE(ancien.travail.Mesure.ChampsImages);
    Travail relu = ancien.travail;
    relu.Mesure.ChampsImages = true;
    EXPECT_EQ(LignesTravail(relu, '.'), lignes); // nothing else differs
    // Written by hand as 0: whole pictures.
    EXPECT_FALSE(LireLignesTravail(sans + QStringList{"Fields", "0"}).travail.Mesure.ChampsImages);
}

TEST(WorkFileFields, ADamagedBlockIsAReadError)
{
    const QStringList sans = LignesTravail(mesure(), '.');
    for (const QStringList& bloc : {QStringList{"Fields"}, QStringList{"Fields", "2"}, QStringList{"Fields", "oui"},
                                    QStringList{"Fields", "1", "Fields", "1"}})
        EXPECT_EQ(LireLignesTravail(sans + bloc).etat, LectureTravail::Etat::Contenu) << bloc.join('|').toStdString();
}
