// kinotab-cli track: its lines, its stop reasons, its exit codes and the work
// file it writes, on a rendered fall.

#include "measure/UnitTravail.h"
#include "tests/support/Cli.h"
#include "tests/tracking/ScenesSuivi.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace ScenesSuivi;

struct Sortie {
    int Code = -1;
    QStringList Lignes; // standard output, line by line
    QString Erreurs;
};

Sortie Suivre(const QStringList& arguments)
{
    Sortie s;
    QString sortie;
    s.Code = Cli(QStringList{QStringLiteral("track")} + arguments, &sortie, &s.Erreurs, 120000);
    s.Lignes = sortie.split(u'\n', Qt::SkipEmptyParts);
    return s;
}

class CliSuivi : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Ecrire(Video(), {.Images = 40, .Centre = Chute}), ""); }
    QString Video() const { return dossier.filePath(QStringLiteral("chute.avi")); }
    QTemporaryDir dossier;
};

} // namespace

TEST_F(CliSuivi, OneLineAMarkFromTheFirstThenTheStopAndTheWorkFile)
{
    const QString travail = dossier.filePath(QStringLiteral("chute.ktb"));
    const Sortie s = Suivre({Video(), "0", "320", "60", "--out", travail});
    ASSERT_EQ(s.Code, 0) << s.Erreurs.toStdString();
    ASSERT_GE(s.Lignes.size(), 3);
    EXPECT_EQ(s.Lignes.front(), "0\t320.000\t60.000\t1.000\tok");
    EXPECT_EQ(s.Lignes.back(), "stop\tstill");
    const qsizetype marques = s.Lignes.size() - 1;
    for (qsizetype k = 1; k < marques; ++k) {
        const QStringList champs = s.Lignes[k].split(u'\t');
        ASSERT_EQ(champs.size(), 5) << s.Lignes[k].toStdString();
        EXPECT_EQ(champs[0].toInt(), k);
        const PointD vrai = Chute(int(k));
        EXPECT_NEAR(champs[1].toDouble(), vrai.X, 0.5);
        EXPECT_NEAR(champs[2].toDouble(), vrai.Y, 0.5);
        EXPECT_GT(champs[3].toDouble(), 0.7);
        EXPECT_LE(champs[3].toDouble(), 1.0);
        EXPECT_TRUE(champs[4] == "ok" || champs[4] == "doubt");
    }
    EXPECT_LE(marques - 1, Atterrissage() + 5);

    const LectureTravail lu = LireTravail(travail);
    ASSERT_EQ(lu.etat, LectureTravail::Etat::Ok);
    const EtatMesure& m = lu.travail.Mesure;
    ASSERT_EQ(m.NombreDePoints(), marques);
    EXPECT_EQ(lu.travail.CheminVideo, Video());
    EXPECT_DOUBLE_EQ(m.Marques[0].X, 320.0 / Largeur);
    EXPECT_NEAR(m.Marques[5].Y * Hauteur, s.Lignes[5].split(u'\t')[2].toDouble(), 1e-3);
    ASSERT_EQ(m.ImagesMarques.size(), std::size_t(marques));
    EXPECT_EQ(m.ImagesMarques[0], 1); // the frame shown after the first mark
    EXPECT_FALSE(m.OrigineDeMarque(0).Suivie);
    EXPECT_TRUE(m.OrigineDeMarque(1).Suivie);
}

TEST_F(CliSuivi, StartingFromAFallingBallGivesTheSameMarks)
{
    // The same frames from frame 10 on: the run needs no rest before it.
    const Sortie s = Suivre({Video(), "10", QString::number(X), QString::number(YChute(10))});
    ASSERT_EQ(s.Code, 0);
    EXPECT_TRUE(s.Lignes.front().startsWith("10\t"));
    EXPECT_EQ(s.Lignes.back(), "stop\tstill");
}

TEST_F(CliSuivi, NoMarkAfterTheFirstIsExitOneWithAMessage)
{
    // The template around a mark in the corner does not fit in the picture.
    const Sortie s = Suivre({Video(), "0", "2", "2"});
    EXPECT_EQ(s.Code, 1);
    EXPECT_EQ(s.Lignes, (QStringList{"0\t2.000\t2.000\t1.000\tok", "stop\tleft"}));
    EXPECT_TRUE(s.Erreurs.contains("no mark placed")) << s.Erreurs.toStdString();

    // The last frame: nothing to go on to.
    const Sortie fin = Suivre({Video(), "39", "320", "400"});
    EXPECT_EQ(fin.Code, 1);
    EXPECT_EQ(fin.Lignes.back(), "stop\tend");

    EXPECT_EQ(Suivre({dossier.filePath("absente.avi"), "0", "320", "60"}).Code, 1);
}

TEST_F(CliSuivi, BadArgumentsAreExitTwo)
{
    const QStringList mauvais[] = {
        {Video(), "0", "320"},                    // Y missing
        {Video(), "zero", "320", "60"},           // not a frame
        {Video(), "0", "320", "y"},               // not a number
        {Video(), "0", "320", "60", "--out"},     // --out without its file
        {Video(), "40", "320", "60"},             // past the last frame
        {Video(), "0", "640", "60"},              // outside the picture
        {Video(), "0", "320", "60", "--verbose"}, // unknown option
    };
    for (const QStringList& a : mauvais) {
        const Sortie s = Suivre(a);
        EXPECT_EQ(s.Code, 2) << a.join(' ').toStdString();
        EXPECT_TRUE(s.Lignes.isEmpty());
        EXPECT_FALSE(s.Erreurs.isEmpty());
    }
}

TEST_F(CliSuivi, TurnedPictureGivesTheTurnedMarks)
{
    const Sortie droit = Suivre({Video(), "0", "320", "60"});
    ASSERT_EQ(droit.Code, 0) << droit.Erreurs.toStdString();
    // A quarter turn clockwise takes the stored pixel (x, y) to (H - 1 - y, x).
    const QString travail = dossier.filePath(QStringLiteral("tournee.ktb"));
    const Sortie tourne =
        Suivre({Video(), "0", QString::number(Hauteur - 1 - 60), "320", "--rotation", "90", "--out", travail});
    ASSERT_EQ(tourne.Code, 0) << tourne.Erreurs.toStdString();
    ASSERT_EQ(tourne.Lignes.size(), droit.Lignes.size());
    EXPECT_EQ(tourne.Lignes.back(), droit.Lignes.back());
    for (qsizetype k = 0; k + 1 < droit.Lignes.size(); ++k) {
        const QStringList a = droit.Lignes[k].split(u'\t'), b = tourne.Lignes[k].split(u'\t');
        ASSERT_EQ(b.size(), 5) << tourne.Lignes[k].toStdString();
        EXPECT_EQ(b[0], a[0]);
        EXPECT_NEAR(b[1].toDouble(), Hauteur - 1 - a[2].toDouble(), 0.5) << k;
        EXPECT_NEAR(b[2].toDouble(), a[1].toDouble(), 0.5) << k;
    }
    // The work file keeps the turn its marks were placed on.
    const LectureTravail lu = LireTravail(travail);
    ASSERT_EQ(lu.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(lu.travail.Mesure.RotationImage, 90);
    EXPECT_DOUBLE_EQ(lu.travail.Mesure.Marques[0].X, double(Hauteur - 1 - 60) / Hauteur);

    // X Y are checked against the picture as turned; a wrong turn is a bad argument.
    EXPECT_EQ(Suivre({Video(), "0", "600", "60", "--rotation", "90"}).Code, 2);
    EXPECT_EQ(Suivre({Video(), "0", "320", "60", "--rotation", "45"}).Code, 2);
    // An AVI of a progressive picture has no fields.
    EXPECT_EQ(Suivre({Video(), "0", "320", "60", "--fields"}).Code, 1);
}
