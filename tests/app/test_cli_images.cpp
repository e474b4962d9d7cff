// kinotab-cli table on the bundled demo: the times from the frames kept in
// the work file, and the uncertainties on request; on a slow motion, the
// step it was filmed at.

#include "measure/UnitTravail.h"
#include "tools/VideoWriter.h"
#include "tools/demo_chute.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace DemoChute;

// The ball marked on frames 10 to 20, stepping over 13 and 14 where a hand hid it.
const std::vector<int> ImagesMarquees{10, 11, 12, 15, 16, 17, 18, 19, 20};

Travail Chute(bool avecImages)
{
    Travail t;
    t.CheminVideo = QStringLiteral(KINOTAB_DEMO_VIDEO);
    t.NumeroImage = 21;
    EtatMesure& m = t.Mesure;
    for (int f : ImagesMarquees) {
        m.Marques.push_back(PointD{BalleX / Largeur, BalleY(f) / Hauteur});
        if (avecImages) m.ImagesMarques.push_back(f + 1); // one point a frame: the view moved on
    }
    m.EtatEtalon = TEtatEtalon::DeuxBouts;
    m.PointsEtalon = {PointD{double(RegleGauche) / Largeur, double(RegleHaut) / Hauteur},
                      PointD{double(RegleGauche) / Largeur, double(RegleBas) / Hauteur}};
    m.LongueurEtalon = LongueurRegleM;
    m.OriginePlacee = TOrigine::Placee;
    m.Origine = PointD{BalleX / Largeur, double(RegleBas) / Hauteur};
    return t;
}

struct Sortie {
    int code = -1;
    QStringList noms;                        // line 4
    std::vector<std::vector<double>> lignes; // from line 7
    QString erreurs;
    double Valeur(int ligne, const QString& nom) const
    {
        return lignes[std::size_t(ligne)][std::size_t(noms.indexOf(nom))];
    }
};

Sortie Table(const QTemporaryDir& dossier, const Travail& t, bool incertitudes = false, const QStringList& options = {})
{
    const QString chemin = dossier.filePath(QStringLiteral("chute.ktb"));
    EXPECT_EQ(EcrireTravail(chemin, t, '.'), ResultatEcriture::Ok);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    p.setProcessEnvironment(env);
    QStringList arguments{QStringLiteral("table")};
    if (incertitudes) arguments << QStringLiteral("--uncertainty");
    arguments << options;
    p.start(QStringLiteral(KINOTAB_CLI), arguments << chemin);
    EXPECT_TRUE(p.waitForFinished(60000));
    Sortie s;
    s.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    s.erreurs = QString::fromUtf8(p.readAllStandardError());
    const QStringList lignes = QString::fromUtf8(p.readAllStandardOutput()).split(QStringLiteral("\r\n"));
    if (lignes.size() < 7) return s;
    s.noms = lignes[3].split(u'\t');
    for (qsizetype l = 6; l < lignes.size() && !lignes[l].isEmpty(); ++l) {
        std::vector<double> valeurs;
        for (const QString& v : lignes[l].split(u'\t')) valeurs.push_back(v.isEmpty() ? NAN : v.toDouble());
        s.lignes.push_back(valeurs);
    }
    return s;
}

} // namespace

TEST(CliTable, TheFramesOfTheWorkFileGiveTheTimes)
{
    QTemporaryDir dossier;
    const Sortie s = Table(dossier, Chute(true), false);
    ASSERT_EQ(s.code, 0) << s.erreurs.toStdString();
    ASSERT_EQ(s.lignes.size(), ImagesMarquees.size());
    EXPECT_EQ(s.noms, QStringList({"Numero", "Date", "x1", "y1", "vx1", "vy1", "v1", "ax1", "ay1", "a1", ""}));
    for (std::size_t j = 0; j < ImagesMarquees.size(); ++j) {
        EXPECT_NEAR(s.Valeur(int(j), "Date"), (ImagesMarquees[j] - 10) * 0.04, 1e-12) << j;
        EXPECT_NEAR(s.Valeur(int(j), "ay1"), -G, 0.02 * G) << j;
    }

    // The same marks without the frames count as consecutive: a wrong g.
    const Sortie ancien = Table(dossier, Chute(false), false);
    ASSERT_EQ(ancien.code, 0);
    EXPECT_NEAR(ancien.Valeur(3, "Date"), 3 * 0.04, 1e-12);
    EXPECT_GT(std::fabs(ancien.Valeur(0, "ay1") + G), 0.5);
}

TEST(CliTable, UncertaintiesStandBesideTheirValues)
{
    QTemporaryDir dossier;
    const Sortie s = Table(dossier, Chute(true), true);
    ASSERT_EQ(s.code, 0) << s.erreurs.toStdString();
    EXPECT_EQ(s.noms,
              QStringList({"Numero", "Date", "x1", "y1", "vx1", "vy1", "v1", "uvx1", "uvy1", "uv1", "ax1", "ay1", "a1",
                           "uax1", "uay1", "ua1", ""}));
    for (std::size_t j = 0; j < s.lignes.size(); ++j) {
        // The marks lie on the parabola: no scatter, no uncertainty to speak of.
        EXPECT_GE(s.Valeur(int(j), "uay1"), 0.0);
        EXPECT_LT(s.Valeur(int(j), "uay1"), 1e-6);
        EXPECT_LT(s.Valeur(int(j), "uvy1"), 1e-6);
    }
}

TEST(CliTable, FramesBeyondTheVideoAreRefused)
{
    QTemporaryDir dossier;
    Travail t = Chute(true);
    t.Mesure.ImagesMarques.back() = Images + 1; // marked one past the last frame
    const Sortie s = Table(dossier, t, false);
    EXPECT_EQ(s.code, 1);
    EXPECT_TRUE(s.erreurs.contains(QStringLiteral("beyond the end of the video"))) << s.erreurs.toStdString();
}

// Filmed at 240 frames a second, played at 30: the table runs on the capture
// step, as the results window does.
TEST(CliTable, ASlowMotionRunsOnItsCaptureStep)
{
    QTemporaryDir dossier;
    OptionsVideo o;
    o.codec = OptionsVideo::Codec::H264;
    o.conteneur = "mp4";
    o.images = 12;
    o.cadence = 30;
    o.etiquettes = {{"com.android.capture.fps", "240.000000"}};
    Travail t = Chute(true);
    t.CheminVideo = dossier.filePath(QStringLiteral("ralenti.mp4"));
    ASSERT_EQ(EcrireVideo(QFile::encodeName(t.CheminVideo).toStdString(), o), "");
    for (int& f : t.Mesure.ImagesMarques) f -= 10; // frames 0 to 10 of the short video
    t.NumeroImage = 11;
    const Sortie s = Table(dossier, t);
    ASSERT_EQ(s.code, 0) << s.erreurs.toStdString();
    ASSERT_EQ(s.lignes.size(), ImagesMarquees.size());
    for (std::size_t j = 0; j < ImagesMarquees.size(); ++j)
        EXPECT_NEAR(s.Valeur(int(j), "Date"), (ImagesMarquees[j] - 10) / 240.0, 1e-12) << j;
}

// A camcorder's interlaced video measured field by field: the marks' frames
// count fields, half a step apart.
TEST(CliTable, FieldsAsFramesGiveHalfSteps)
{
    QTemporaryDir dossier;
    OptionsVideo o;
    o.codec = OptionsVideo::Codec::H264;
    o.conteneur = "mpegts";
    o.images = 12;
    o.entrelace = true;
    Travail t = Chute(true);
    t.CheminVideo = dossier.filePath(QStringLiteral("kamera.ts"));
    ASSERT_EQ(EcrireVideo(QFile::encodeName(t.CheminVideo).toStdString(), o), "");
    for (int& f : t.Mesure.ImagesMarques) f -= 10; // fields 0 to 10
    t.NumeroImage = 11;
    t.Mesure.ChampsImages = true;
    const Sortie s = Table(dossier, t);
    ASSERT_EQ(s.code, 0) << s.erreurs.toStdString();
    ASSERT_EQ(s.lignes.size(), ImagesMarquees.size());
    for (std::size_t j = 0; j < ImagesMarquees.size(); ++j)
        EXPECT_NEAR(s.Valeur(int(j), "Date"), (ImagesMarquees[j] - 10) * 0.02, 1e-9) << j;
    EXPECT_EQ(Table(dossier, t, false, {QStringLiteral("--fields")}).code, 0);

    // Marks placed on whole pictures keep their meaning: --fields is refused.
    t.Mesure.ChampsImages = false;
    const Sortie entieres = Table(dossier, t, false, {QStringLiteral("--fields")});
    EXPECT_EQ(entieres.code, 1);
    EXPECT_TRUE(entieres.erreurs.contains(QStringLiteral("whole pictures"))) << entieres.erreurs.toStdString();

    // A progressive video has no fields to count.
    o.entrelace = false;
    o.conteneur = "mp4";
    t.CheminVideo = dossier.filePath(QStringLiteral("p.mp4"));
    ASSERT_EQ(EcrireVideo(QFile::encodeName(t.CheminVideo).toStdString(), o), "");
    t.Mesure.ChampsImages = true;
    const Sortie progressive = Table(dossier, t);
    EXPECT_EQ(progressive.code, 1);
    EXPECT_TRUE(progressive.erreurs.contains(QStringLiteral("not interlaced"))) << progressive.erreurs.toStdString();
}
