// Work files damaged or made by hand: impossible values, absurd counts, a
// path that is no regular file. Each is refused as a read error, never
// accepted into a measurement that then gives nonsense.

#include "measure/UnitTravail.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

Travail mesure()
{
    Travail t;
    t.CheminVideo = "/v/chute.avi";
    EtatMesure& m = t.Mesure;
    m.Marques = {{0.4375, 0.1}, {0.5, 0.25}};
    m.MarquesTsp = {{-0.125, 0.0625}};
    m.CentresTsp = {{0.45, 0.55}, {0.5, 0.6}};
    m.EtatEtalon = TEtatEtalon::DeuxBouts;
    m.PointsEtalon = {PointD{0.1, 0.9}, PointD{0.8, 0.9}};
    m.LongueurEtalon = 1.5;
    m.OriginePlacee = TOrigine::Placee;
    m.Origine = {0.1, 0.95};
    return t;
}

LectureTravail::Etat etatDe(const Travail& t)
{
    return LireLignesTravail(LignesTravail(t, '.')).etat;
}

TEST(DamagedWorkFile, ScaleLengthOutsideTheDialogsBounds)
{
    for (const double metres : {0.0, -1.5, 0.0005, 2e13, 1e300}) {
        Travail t = mesure();
        t.Mesure.LongueurEtalon = metres;
        EXPECT_EQ(etatDe(t), LectureTravail::Etat::Contenu) << metres;
    }
    for (const double metres : {0.001, 1.5e13}) {
        Travail t = mesure();
        t.Mesure.LongueurEtalon = metres;
        EXPECT_EQ(etatDe(t), LectureTravail::Etat::Ok) << metres;
    }
    // Before the segment is complete no length was asked for yet.
    Travail t = mesure();
    t.Mesure.EtatEtalon = TEtatEtalon::UnBout;
    t.Mesure.LongueurEtalon = 0;
    EXPECT_EQ(etatDe(t), LectureTravail::Etat::Ok);
    t.Mesure.EtatEtalon = TEtatEtalon::Aucun;
    EXPECT_EQ(etatDe(t), LectureTravail::Etat::Ok);
    EXPECT_EQ(etatDe(Travail{}), LectureTravail::Etat::Ok); // what a video just opened saves
}

TEST(DamagedWorkFile, CoordinatesFarOutsideThePicture)
{
    const std::vector<std::function<void(Travail&, double)>> champs = {
        [](Travail& t, double v) { t.Mesure.Marques[1].Y = v; },
        [](Travail& t, double v) { t.Mesure.MarquesTsp[0].X = v; },
        [](Travail& t, double v) { t.Mesure.CentreTsp.X = v; },
        [](Travail& t, double v) { t.Mesure.CentresTsp[1].Y = v; },
        [](Travail& t, double v) { t.Mesure.DemiTailleTsp.Y = v; },
        [](Travail& t, double v) { t.Mesure.DecalageTsp.X = v; },
        [](Travail& t, double v) { t.Mesure.PointsEtalon[1].X = v; },
        [](Travail& t, double v) { t.Mesure.Origine.Y = v; },
    };
    for (std::size_t i = 0; i < champs.size(); ++i) {
        for (const double v : {1000.5, -1e300}) {
            Travail t = mesure();
            champs[i](t, v);
            EXPECT_EQ(etatDe(t), LectureTravail::Etat::Contenu) << i << " " << v;
        }
        Travail t = mesure();
        champs[i](t, -999.5); // far outside, still possible
        EXPECT_EQ(etatDe(t), LectureTravail::Etat::Ok) << i;
    }
    // Values that are not read do not count.
    Travail t = mesure();
    t.Mesure.OriginePlacee = TOrigine::NonPlacee;
    t.Mesure.Origine = {5000, 5000};
    t.Mesure.EtatEtalon = TEtatEtalon::UnBout;
    t.Mesure.PointsEtalon[1] = {1e300, 1e300};
    EXPECT_EQ(etatDe(t), LectureTravail::Etat::Ok);
}

TEST(DamagedWorkFile, MoreMarksThanAnyMeasurementIsAReadError)
{
    // One mark more than the limit, every line of it present.
    QStringList l = LignesTravail(mesure(), '.');
    const int marques = MarquesMax + 1;
    l[6] = QString::number(marques);
    QStringList points;
    points.reserve(2 * marques);
    for (int i = 0; i < 2 * marques; ++i) points << QStringLiteral("0");
    l = l.mid(0, 8) + points + l.mid(8 + 4);
    EXPECT_EQ(LireLignesTravail(l).etat, LectureTravail::Etat::Contenu);
}

TEST(DamagedWorkFile, APipeOrADeviceIsRefusedWithoutWaiting)
{
    QTemporaryDir dossier;
    const QString tube = dossier.filePath("tube.ktb");
    ASSERT_EQ(::mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    EXPECT_EQ(LireTravail(tube).etat, LectureTravail::Etat::Illisible); // an open would wait for a writer
    EXPECT_EQ(LireTravail("/dev/zero").etat, LectureTravail::Etat::Illisible);
}

TEST(DamagedWorkFile, ByteOrderMarkAndCrLfOfAnotherEditor)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("bom.ktb");
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBF");
    for (const QString& ligne : LignesTravail(mesure(), ',')) f.write(ligne.toUtf8() + "\n");
    f.close();
    const LectureTravail r = LireTravail(chemin);
    ASSERT_EQ(r.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(r.travail.CheminVideo, "/v/chute.avi");
    EXPECT_EQ(LignesTravail(r.travail, '.'), LignesTravail(mesure(), '.'));
}

} // namespace

// Found by fuzzing: a file the reader accepts must save and read back to the
// same lines, whichever decimal separator the save uses (here a colour of -1,
// once saved as 4294967295, which no longer read as a colour).
TEST(DamagedWorkFile, WhatIsReadSavesAndReadsBackTheSame)
{
    const QByteArray octets = QByteArray::fromHex(
        "efbbbf2f686f330a300a300a300a310a310a300a330a310a330a300a300a300a310a310a300a330a340a300a300a300a310a"
        "300a310a300a3030300a300a300a2d310a300a300a300a30350a320a");
    QTemporaryDir dossier;
    const QString lu = dossier.filePath("lu.ktb"), ecrit = dossier.filePath("ecrit.ktb");
    QFile f(lu);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
    f.close();
    const LectureTravail r = LireTravail(lu);
    ASSERT_EQ(r.etat, LectureTravail::Etat::Ok);
    for (const QChar separateur : {QChar(u'.'), QChar(u',')}) {
        ASSERT_EQ(EcrireTravail(ecrit, r.travail, separateur), ResultatEcriture::Ok);
        const LectureTravail relu = LireTravail(ecrit);
        ASSERT_EQ(relu.etat, LectureTravail::Etat::Ok) << separateur.toLatin1();
        EXPECT_EQ(LignesTravail(relu.travail, u'.'), LignesTravail(r.travail, u'.')) << separateur.toLatin1();
    }
}
