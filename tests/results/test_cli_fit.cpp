// kinotab-cli fit on the bundled demo measured at every frame: the ball at
// rest, its fall, then at rest on the floor. The lines, the range of frames
// and the exit codes of every refusal.

#include "kinematics/UnitBaseTemps.h"
#include "measure/UnitTravail.h"
#include "tests/support/Cli.h"
#include "tests/support/EtalonDemo.h"
#include "tools/demo_chute.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace DemoChute;

struct Sortie {
    int code = -1;
    QStringList lignes;
    QString erreurs;
};

Sortie Fit(const QStringList& arguments)
{
    Sortie s;
    QString sortie;
    s.code = Cli(QStringList{QStringLiteral("fit")} + arguments, &sortie, &s.erreurs);
    s.lignes = sortie.split(u'\n', Qt::SkipEmptyParts);
    return s;
}

// Every frame marked at the ball's centre, the ruler as the scale, the origin
// on the floor under the ball.
QString TravailDemo(const QTemporaryDir& dossier, const TGrandeursMesure& grandeurs = {})
{
    Travail t;
    t.Mesure.Grandeurs = grandeurs;
    t.CheminVideo = QStringLiteral(KINOTAB_DEMO_VIDEO);
    std::vector<int> images;
    for (int i = 0; i < Images; ++i) {
        t.Mesure.Marques.push_back(PointD{BalleX / Largeur, BalleY(i) / Hauteur});
        images.push_back(i);
    }
    t.Mesure.MarquesDerniereImage = 1;
    t.Mesure.ImagesMarques = ImagesApresMarques(images, 1, 1);
    EtalonnerDemo(t.Mesure);
    const QString chemin = dossier.filePath(QStringLiteral("demo.ktb"));
    EXPECT_EQ(EcrireTravail(chemin, t, '.'), ResultatEcriture::Ok);
    return chemin;
}

QStringList Champs(const Sortie& s, const QString& nom, int rang = 0)
{
    for (const QString& l : s.lignes) {
        const QStringList c = l.split(u'\t');
        if (c.front() == nom && rang-- == 0) return c;
    }
    return {};
}

} // namespace

TEST(CliFit, TheFlightBetweenTwoRestsGivesG)
{
    QTemporaryDir dossier;
    const QString travail = TravailDemo(dossier);
    // The fall: from the release (frame 10) to the last frame above the floor.
    const Sortie s =
        Fit({travail, "--quantity", "y", "--point", "1", "--model", "parabola", "--from", "10", "--to", "25"});
    ASSERT_EQ(s.code, 0) << s.erreurs.toStdString();
    ASSERT_EQ(s.lignes.size(), 9) << s.lignes.join(u'|').toStdString();
    EXPECT_EQ(s.lignes[0], "model\tparabola");
    EXPECT_EQ(s.lignes[1], "n\t16");
    for (int k = 0; k < 3; ++k) {
        const QStringList p = Champs(s, "param", k);
        ASSERT_EQ(p.size(), 4);
        EXPECT_EQ(p[1], QString(QChar('a' + k)));
    }
    const QStringList a = Champs(s, "acceleration");
    ASSERT_EQ(a.size(), 3);
    EXPECT_NEAR(a[1].toDouble(), -G, 1e-6);
    // Exact marks: what remains is the scale's part, half a pixel at each end of 400.
    const double echelle = Champs(s, "scale_part").value(1).toDouble();
    EXPECT_NEAR(echelle, std::sqrt(2.0) * 0.2886751 / 400, 1e-6);
    EXPECT_NEAR(a[2].toDouble(), G * echelle, 1e-4);
    EXPECT_EQ(Champs(s, "rms").size(), 2);
    EXPECT_EQ(s.lignes[8].section(u'\t', 0, 0), "chi2_reduced");

    // The typed uncertainty of the ruler's length joins the pixels'.
    const Sortie longueur = Fit({travail, "--quantity", "y", "--point", "1", "--model", "parabola", "--from", "10",
                                 "--to", "25", "--scale-uncertainty", "1"});
    ASSERT_EQ(longueur.code, 0);
    EXPECT_NEAR(Champs(longueur, "scale_part").value(1).toDouble(), std::hypot(echelle, 0.01), 1e-9);

    // A line through vy over the fall, without smoothing (the rests would
    // bend a polynomial): g again, with an uncertainty of its own.
    const Sortie v = Fit({travail, "--quantity", "vy", "--point", "1", "--model", "line", "--from", "12", "--to", "23",
                          "--no-smoothing"});
    ASSERT_EQ(v.code, 0) << v.erreurs.toStdString();
    EXPECT_NEAR(Champs(v, "acceleration").value(1).toDouble(), -G, 1e-6);
}

TEST(CliFit, RefusalsAndBadArgumentsHaveTheirExitCodes)
{
    QTemporaryDir dossier;
    const QString travail = TravailDemo(dossier);
    const QStringList base{travail, "--quantity", "y", "--point", "1"};

    // Bad arguments: 2.
    for (const QStringList& mauvais : {base + QStringList{"--model", "spline"},
                                       QStringList{travail, "--quantity", "z", "--point", "1", "--model", "line"}, base,
                                       base + QStringList{"--model", "expression"}}) {
        const Sortie s = Fit(mauvais);
        EXPECT_EQ(s.code, 2) << mauvais.join(u' ').toStdString();
        EXPECT_TRUE(s.lignes.isEmpty());
        EXPECT_EQ(s.erreurs.count(u'\n'), 1) << s.erreurs.toStdString();
    }

    // Fits that cannot be made: 1, one line on standard error.
    const auto refus = [&](const QStringList& plus, const char* mot) {
        const Sortie s = Fit(base + plus);
        EXPECT_EQ(s.code, 1) << plus.join(u' ').toStdString();
        EXPECT_TRUE(s.lignes.isEmpty());
        EXPECT_EQ(s.erreurs.count(u'\n'), 1);
        EXPECT_TRUE(s.erreurs.contains(QLatin1String(mot))) << s.erreurs.toStdString();
    };
    refus({"--model", "parabola", "--from", "15", "--to", "15"}, "at least 4 samples");
    refus({"--model", "parabola", "--from", "70", "--to", "80"}, "no samples");
    refus({"--model", "line", "--from", "30", "--to", "60"}, "constant");
    refus({"--model", "expression", "--expression", "a*t^2 + zz"}, "zz at position 9");
    refus({"--model", "expression", "--expression", "a*(t"}, "position");
    refus({"--model", "expression", "--expression", "sqrt(a - 100*t)"}, "not finite");
    Sortie point = Fit({travail, "--quantity", "y", "--point", "2", "--model", "line"});
    EXPECT_EQ(point.code, 1);
}

TEST(CliFit, AnyQuantityOfTheWorkFileByName)
{
    // A 2 kg ball: its potential energy m g y is a parabola through the fall
    // whose t² coefficient is -m g²/2, whether the ready Ep1 or the user's own.
    TGrandeursMesure g;
    g.Masses = {2, 0, 0};
    g.Propres.push_back({"Q", "J", "m1*g*y1"});
    QTemporaryDir dossier;
    const QString travail = TravailDemo(dossier, g);
    for (const char* nom : {"Ep1", "Q"}) {
        const Sortie s = Fit({travail, "--quantity", nom, "--model", "parabola", "--from", "10", "--to", "25"});
        ASSERT_EQ(s.code, 0) << nom << s.erreurs.toStdString();
        EXPECT_EQ(s.lignes[1], "n\t16");
        const QStringList c = Champs(s, "param", 2);
        ASSERT_EQ(c.size(), 4);
        EXPECT_NEAR(c[2].toDouble(), -2 * G * G / 2, 1e-6) << nom;
        // No acceleration is read off a quantity that is not a position.
        EXPECT_TRUE(Champs(s, "acceleration").isEmpty());
        EXPECT_EQ(Champs(s, "scale_part").value(1), "0");
    }
    // Kinetic energy over the fall without smoothing: ½ m (g t)², a parabola
    // again, with its samples' propagated uncertainties as weights.
    const Sortie ek =
        Fit({travail, "--quantity", "Ek1", "--model", "parabola", "--from", "12", "--to", "23", "--no-smoothing"});
    ASSERT_EQ(ek.code, 0) << ek.erreurs.toStdString();
    EXPECT_NEAR(Champs(ek, "param", 2).value(2).toDouble(), 2 * G * G / 2, 1e-3);

    // Names the work file does not have, and --point beside a quantity by name.
    for (const QStringList& mauvais : {QStringList{travail, "--quantity", "Ek2", "--model", "line"},
                                       QStringList{travail, "--quantity", "Ek1", "--point", "1", "--model", "line"}}) {
        const Sortie s = Fit(mauvais);
        EXPECT_EQ(s.code, 2) << mauvais.join(u' ').toStdString();
        EXPECT_EQ(s.erreurs.count(u'\n'), 1) << s.erreurs.toStdString();
    }
}
