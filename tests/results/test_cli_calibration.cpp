// kinotab-cli table with turned axes and with a plane seen in perspective:
// throws whose own coordinates are known, drawn into the demo's picture
// through each calibration, come back as those coordinates.

#include "measure/UnitTravail.h"
#include "tests/support/Cli.h"
#include "tools/demo_chute.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>

namespace {

using DemoChute::Cadence;
using DemoChute::G;
using DemoChute::Hauteur;
using DemoChute::Largeur;

// The throw in its own frame, metres and seconds.
constexpr int Echantillons = 11;
PointD Lancer(double t)
{
    return {0.1 + 0.8 * t, 0.05 + 2.0 * t - 0.5 * G * t * t};
}

// A normalised position from demo-picture pixels.
PointD Normalise(double x, double y)
{
    return {x / Largeur, y / Hauteur};
}

Travail Mesure(const std::function<PointD(PointD)>& image)
{
    Travail t;
    t.CheminVideo = QStringLiteral(KINOTAB_DEMO_VIDEO);
    for (int j = 0; j < Echantillons; ++j) t.Mesure.Marques.push_back(image(Lancer(double(j) / Cadence)));
    t.Mesure.OriginePlacee = TOrigine::Placee;
    t.Mesure.Origine = image({0, 0});
    return t;
}

struct Table {
    QStringList entetes;
    std::vector<QStringList> lignes;
    double Valeur(int j, const QString& nom) const
    {
        const qsizetype c = entetes.indexOf(nom);
        EXPECT_GE(c, 0) << nom.toStdString();
        return c < 0 ? NAN : QString(lignes[std::size_t(j)][c]).replace(u',', u'.').toDouble();
    }
};

Table Calculer(const Travail& t, const QTemporaryDir& dossier)
{
    const QString chemin = dossier.filePath(QStringLiteral("lancer.ktb"));
    EXPECT_EQ(EcrireTravail(chemin, t, '.'), ResultatEcriture::Ok);
    QString sortie, erreurs;
    EXPECT_EQ(Cli({QStringLiteral("table"), chemin}, &sortie, &erreurs), 0) << erreurs.toStdString();
    Table r;
    const QStringList lignes = sortie.split(QStringLiteral("\r\n"));
    // Three lines of title, the names, the units, an empty line, then the samples.
    if (lignes.size() < 6 + Echantillons) return r;
    r.entetes = lignes[3].split(u'\t');
    for (int j = 0; j < Echantillons; ++j) r.lignes.push_back(lignes[6 + j].split(u'\t'));
    return r;
}

void AttendreLeLancer(const Table& r)
{
    ASSERT_EQ(r.lignes.size(), std::size_t(Echantillons));
    for (int j = 0; j < Echantillons; ++j) {
        const PointD attendu = Lancer(double(j) / Cadence);
        EXPECT_NEAR(r.Valeur(j, "x1"), attendu.X, 1e-6) << j;
        EXPECT_NEAR(r.Valeur(j, "y1"), attendu.Y, 1e-6) << j;
        EXPECT_NEAR(r.Valeur(j, "ay1"), -G, 1e-6) << j;
        EXPECT_NEAR(r.Valeur(j, "ax1"), 0.0, 1e-6) << j;
    }
}

// The throw filmed by a camera turned by 30 degrees: along axes turned the
// same way it falls straight down them.
TEST(CliCalibration, AlongAxesTurnedBy30DegreesTheThrowKeepsItsOwnCoordinates)
{
    const double a = 30.0 * std::numbers::pi / 180.0;
    const double pixelsParMetre = 200.0;
    const PointD o{220, 330};
    Travail t = Mesure([&](PointD p) {
        // Counter-clockwise on screen: y of the picture grows downwards.
        const double x = p.X * std::cos(a) - p.Y * std::sin(a), y = p.X * std::sin(a) + p.Y * std::cos(a);
        return Normalise(o.X + x * pixelsParMetre, o.Y - y * pixelsParMetre);
    });
    t.Mesure.EtatEtalon = TEtatEtalon::DeuxBouts;
    t.Mesure.PointsEtalon = {Normalise(100, 40), Normalise(100, 440)};
    t.Mesure.LongueurEtalon = 2.0;
    t.Mesure.AngleAxes = 30.0;
    QTemporaryDir dossier;
    AttendreLeLancer(Calculer(t, dossier));

    // Not turned, the same marks make the throw lean: gravity is off the y axis.
    t.Mesure.AngleAxes = 0.0;
    const Table droit = Calculer(t, dossier);
    ASSERT_EQ(droit.lignes.size(), std::size_t(Echantillons));
    EXPECT_NEAR(droit.Valeur(5, "ax1"), G * std::sin(a), 1e-6);
    EXPECT_NEAR(droit.Valeur(5, "ay1"), -G * std::cos(a), 1e-6);
}

// A 1.0 m x 0.6 m board seen from above its near edge: a trapezoid whose far
// side is shorter; the throw happens on the board.
PointD VuEnPerspective(PointD p)
{
    const double w = 1.0 + 0.5 * p.Y;
    return Normalise((100.0 + 440.0 * p.X + 160.0 * p.Y) / w, (400.0 - 340.0 * p.Y) / w);
}

TEST(CliCalibration, OnAPlaneSeenInPerspectiveTheThrowKeepsItsOwnCoordinates)
{
    Travail t = Mesure(VuEnPerspective);
    t.Mesure.Plan = TPlan{
        {VuEnPerspective({0, 0}), VuEnPerspective({1.0, 0}), VuEnPerspective({1.0, 0.6}), VuEnPerspective({0, 0.6})},
        1.0,
        0.6};
    QTemporaryDir dossier;
    AttendreLeLancer(Calculer(t, dossier));

    // A scale segment that says otherwise is ignored while the plane is there.
    t.Mesure.EtatEtalon = TEtatEtalon::DeuxBouts;
    t.Mesure.PointsEtalon = {Normalise(10, 10), Normalise(30, 10)};
    t.Mesure.LongueurEtalon = 7.0;
    AttendreLeLancer(Calculer(t, dossier));

    // The plane's axes turned by 90 degrees: x along the plane's y, y against its x.
    t.Mesure.AngleAxes = 90.0;
    const Table tourne = Calculer(t, dossier);
    ASSERT_EQ(tourne.lignes.size(), std::size_t(Echantillons));
    for (int j = 0; j < Echantillons; ++j) {
        const PointD p = Lancer(double(j) / Cadence);
        EXPECT_NEAR(tourne.Valeur(j, "x1"), p.Y, 1e-6) << j;
        EXPECT_NEAR(tourne.Valeur(j, "y1"), -p.X, 1e-6) << j;
    }
}

// Without the plane the segment is needed; a damaged block is a read error.
TEST(CliCalibration, APlaneStandsForTheScaleAndADamagedBlockIsRefused)
{
    QTemporaryDir dossier;
    Travail t = Mesure(VuEnPerspective);
    const QString chemin = dossier.filePath(QStringLiteral("sans.ktb"));
    ASSERT_EQ(EcrireTravail(chemin, t, '.'), ResultatEcriture::Ok);
    QString sortie, erreurs;
    EXPECT_EQ(Cli({QStringLiteral("table"), chemin}, &sortie, &erreurs), 1);
    EXPECT_TRUE(erreurs.contains(QStringLiteral("no scale"))) << erreurs.toStdString();

    t.Mesure.Plan = TPlan{
        {VuEnPerspective({0, 0}), VuEnPerspective({1.0, 0}), VuEnPerspective({1.0, 0.6}), VuEnPerspective({0, 0.6})},
        1.0,
        0.6};
    QStringList lignes = LignesTravail(t, '.');
    const qsizetype plan = lignes.indexOf(QStringLiteral("Plane"));
    ASSERT_GE(plan, 0);
    lignes[plan + 3] = lignes[plan + 1]; // the second corner on the first: a corner repeated
    lignes[plan + 4] = lignes[plan + 2];
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(lignes.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    f.close();
    EXPECT_EQ(Cli({QStringLiteral("table"), chemin}, &sortie, &erreurs), 1);
    EXPECT_TRUE(erreurs.contains(QStringLiteral("not a valid work file"))) << erreurs.toStdString();
    EXPECT_TRUE(sortie.isEmpty());
}

} // namespace
