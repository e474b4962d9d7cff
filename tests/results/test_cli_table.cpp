// kinotab-cli table on the bundled demo measured at the ball's centre: the
// window's choices as options.

#include "measure/UnitTravail.h"
#include "tests/support/EtalonDemo.h"
#include "tests/support/Cli.h"
#include "tools/demo_chute.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace DemoChute;

// The ball from its release to the floor, the ruler as the scale, the origin
// at the floor under the ball; with `grandeurs`, the masses and formulas.
QString TravailDemo(const QTemporaryDir& dossier, const TGrandeursMesure& grandeurs = {})
{
    Travail t;
    t.Mesure.Grandeurs = grandeurs;
    t.CheminVideo = QStringLiteral(KINOTAB_DEMO_VIDEO);
    for (int i = ImageLacher; BalleY(i) < BalleYSol; ++i)
        t.Mesure.Marques.push_back(PointD{BalleX / Largeur, BalleY(i) / Hauteur});
    t.Mesure.MarquesDerniereImage = 1;
    EtalonnerDemo(t.Mesure);
    const QString chemin = dossier.filePath(QStringLiteral("demo.ktb"));
    EXPECT_EQ(EcrireTravail(chemin, t, '.'), ResultatEcriture::Ok);
    return chemin;
}

QStringList Champs(const QString& texte, int ligne)
{
    QStringList l = texte.split(QStringLiteral("\r\n"))[ligne].split(u'\t');
    l.removeLast(); // every value is followed by a tab
    return l;
}

double Valeur(const QString& texte, int ligne, const QString& nom)
{
    const int c = int(Champs(texte, 3).indexOf(nom));
    EXPECT_GE(c, 0) << nom.toStdString();
    return Champs(texte, ligne)[c].replace(u',', u'.').toDouble();
}

TEST(CliTable, OptionsChooseColumnsSmoothingAndTimeStep)
{
    QTemporaryDir dossier;
    const QString travail = TravailDemo(dossier);
    QString tout, erreurs;
    ASSERT_EQ(Cli({QStringLiteral("table"), travail}, &tout, &erreurs), 0) << erreurs.toStdString();
    EXPECT_EQ(Champs(tout, 3), QStringList({"Numero", "Date", "x1", "y1", "vx1", "vy1", "v1", "ax1", "ay1", "a1"}));
    // A parabola: the smoothed acceleration is g, downwards.
    EXPECT_NEAR(Valeur(tout, 10, "ay1"), -G, 0.05 * G);
    EXPECT_NEAR(Valeur(tout, 6, "y1"), 2.0, 1e-9);

    QString positions;
    ASSERT_EQ(
        Cli({QStringLiteral("table"), travail, QStringLiteral("--columns"), QStringLiteral("positions")}, &positions),
        0);
    EXPECT_EQ(Champs(positions, 3), QStringList({"Numero", "Date", "x1", "y1"}));
    QString vitesses;
    ASSERT_EQ(
        Cli({QStringLiteral("table"), travail, QStringLiteral("--columns"), QStringLiteral("velocities")}, &vitesses),
        0);
    EXPECT_EQ(Champs(vitesses, 3).mid(4), QStringList({"vx1", "vy1", "v1"}));

    QString pas;
    ASSERT_EQ(Cli({QStringLiteral("table"), travail, QStringLiteral("--time-step"), QStringLiteral("0.08")}, &pas), 0);
    EXPECT_DOUBLE_EQ(Valeur(pas, 8, "Date"), 0.16);
    // Twice the step: a quarter of the acceleration.
    EXPECT_NEAR(Valeur(pas, 10, "ay1"), Valeur(tout, 10, "ay1") / 4, 1e-6);

    QString brut;
    ASSERT_EQ(Cli({QStringLiteral("table"), travail, QStringLiteral("--no-smoothing")}, &brut), 0);
    EXPECT_EQ(Champs(brut, 12).mid(0, 4), Champs(tout, 12).mid(0, 4));
    EXPECT_NE(Champs(brut, 12), Champs(tout, 12));

    EXPECT_EQ(
        Cli({QStringLiteral("table"), travail, QStringLiteral("--time-step"), QStringLiteral("0")}, &brut, &erreurs),
        1);
    EXPECT_TRUE(erreurs.contains(QStringLiteral("1e-6 to 1e9"))) << erreurs.toStdString();
    EXPECT_EQ(
        Cli({QStringLiteral("table"), travail, QStringLiteral("--columns"), QStringLiteral("x")}, &brut, &erreurs), 1);
    EXPECT_EQ(Cli({QStringLiteral("table")}, &brut, &erreurs), 1);
}

TEST(CliTable, AllColumnsAddTheQuantitiesWithTheirUnitsAndUncertainties)
{
    QTemporaryDir dossier;
    TGrandeursMesure g;
    g.Masses = {0.5, 0, 0};
    g.Propres = {{"K", "J", "0.5*m1*(vx1^2+vy1^2)"}, {"H", "cm", "100*y1"}};
    const QString travail = TravailDemo(dossier, g);
    QString tout, erreurs;
    ASSERT_EQ(
        Cli({QStringLiteral("table"), travail, QStringLiteral("--columns"), QStringLiteral("all")}, &tout, &erreurs), 0)
        << erreurs.toStdString();
    EXPECT_EQ(Champs(tout, 3).mid(10), QStringList({"Ek1", "Ep1", "E1", "px1", "py1", "p1", "K", "H"}));
    EXPECT_EQ(Champs(tout, 4).mid(10),
              QStringList({"(J)", "(J)", "(J)", "(kg m/s)", "(kg m/s)", "(kg m/s)", "(J)", "(cm)"}));
    // The ball falls from rest: its energy moves from Ep to Ek and stays.
    const int lignes = int(tout.split(QStringLiteral("\r\n")).size()) - 1;
    const double E0 = Valeur(tout, 6, "E1");
    for (int l = 6; l < lignes; ++l) {
        EXPECT_NEAR(Valeur(tout, l, "E1"), E0, 0.01 * E0) << l;
        EXPECT_EQ(Valeur(tout, l, "K"), Valeur(tout, l, "Ek1")) << l;
        EXPECT_NEAR(Valeur(tout, l, "H"), 100 * Valeur(tout, l, "y1"), 1e-9) << l;
    }
    EXPECT_NEAR(Valeur(tout, 6, "Ep1"), 0.5 * G * 2.0, 1e-6);

    // Their uncertainties beside them; the other column sets stay as they were.
    QString incertitudes;
    ASSERT_EQ(Cli({QStringLiteral("table"), travail, QStringLiteral("--columns"), QStringLiteral("all"),
                   QStringLiteral("--uncertainty")},
                  &incertitudes),
              0);
    EXPECT_TRUE(Champs(incertitudes, 3).contains(QStringLiteral("uEk1")));
    EXPECT_EQ(Champs(incertitudes, 3).indexOf(QStringLiteral("uK")),
              Champs(incertitudes, 3).indexOf(QStringLiteral("K")) + 1);
    QString defaut, positions;
    ASSERT_EQ(Cli({QStringLiteral("table"), travail}, &defaut), 0);
    EXPECT_EQ(Champs(defaut, 3), QStringList({"Numero", "Date", "x1", "y1", "vx1", "vy1", "v1", "ax1", "ay1", "a1"}));
    ASSERT_EQ(
        Cli({QStringLiteral("table"), travail, QStringLiteral("--columns"), QStringLiteral("positions")}, &positions),
        0);
    EXPECT_EQ(Champs(positions, 3), QStringList({"Numero", "Date", "x1", "y1"}));
}

TEST(CliTable, AQuantityThatCannotBeReadIsReportedAndLeftOut)
{
    QTemporaryDir dossier;
    const QString travail = TravailDemo(dossier);
    QFile f(travail);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("Quantities\r\n1\r\nQ\r\nJ\r\nx1+*2\r\n");
    f.close();
    QString tout, erreurs;
    ASSERT_EQ(
        Cli({QStringLiteral("table"), travail, QStringLiteral("--columns"), QStringLiteral("all")}, &tout, &erreurs),
        0);
    EXPECT_TRUE(erreurs.contains(QStringLiteral("quantity Q cannot be read (a fault in its formula at character 4)")))
        << erreurs.toStdString();
    EXPECT_EQ(Champs(tout, 3), QStringList({"Numero", "Date", "x1", "y1", "vx1", "vy1", "v1", "ax1", "ay1", "a1"}));
}

} // namespace

// Asked for, the usage lists every verb on standard output; an unknown verb
// is a failure that says so.
TEST(CliUsage, HelpListsTheVerbsAndAnUnknownOneFails)
{
    QString sortie, erreurs;
    ASSERT_EQ(Cli({QStringLiteral("--help")}, &sortie, &erreurs), 0);
    for (const char* verbe : {"info", "times", "frame", "table", "graph", "print", "track", "fit"})
        EXPECT_TRUE(sortie.contains(QStringLiteral("kinotab-cli %1 ").arg(QLatin1String(verbe)))) << verbe;
    EXPECT_TRUE(erreurs.isEmpty());
    ASSERT_EQ(Cli({QStringLiteral("tabel")}, &sortie, &erreurs), 1);
    EXPECT_TRUE(sortie.isEmpty());
    EXPECT_TRUE(erreurs.startsWith(QStringLiteral("kinotab-cli: unknown command tabel\nusage:")));
}
