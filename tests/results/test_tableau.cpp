#include "results/UnitTableau.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Series of `points` moving points with the given sample counts; every value
// is point * 100 + sample + a fraction naming the series, so cells are traceable.
TResultatsSeries series(std::vector<int> nb)
{
    TResultatsSeries r;
    r.NbPointsMobiles = int(nb.size());
    r.NbMesures = nb;
    auto remplir = [&](TResultatsSeries::Series& s, double fraction) {
        s.resize(nb.size());
        for (size_t p = 0; p < nb.size(); ++p)
            for (int i = 0; i < nb[p]; ++i) s[p].push_back(double(p) * 100 + i + fraction);
    };
    remplir(r.SerieTemps, 0.5);
    remplir(r.SerieX, 0.125);
    remplir(r.SerieY, 0.25);
    for (auto* s : {&r.SerieVX, &r.SerieVY, &r.SerieV, &r.SerieAX, &r.SerieAY, &r.SerieA}) remplir(*s, 0.75);
    return r;
}

// One point, one sample, nothing derived.
TResultatsSeries TSeriesNulles()
{
    TResultatsSeries r;
    r.NbMesures = {1};
    for (auto* s :
         {&r.SerieTemps, &r.SerieX, &r.SerieY, &r.SerieVX, &r.SerieVY, &r.SerieV, &r.SerieAX, &r.SerieAY, &r.SerieA})
        *s = {{0.0}};
    return r;
}

QStringList lignes(const QString& texte)
{
    QStringList l = texte.split("\r\n");
    EXPECT_EQ(l.last(), "");
    l.removeLast();
    return l;
}

TEST(ValueTable, OnePointGivesOneRowPerSampleAndOnlyPositions)
{
    TTableau t;
    t.RemplirTableau(series({5}));
    t.MontrerPositions();
    ASSERT_EQ(t.NombreLignes(), 5);
    EXPECT_EQ(t.Valeur(4, 0), 5);
    EXPECT_EQ(t.Valeur(4, 1), 4.5);
    const QStringList l = lignes(t.RemplirTexte('.'));
    ASSERT_EQ(l.size(), 6 + 5);
    EXPECT_EQ(l.mid(0, 3), QStringList({"", "", ""}));
    EXPECT_EQ(l[3], "Numero\tDate\tx1\ty1\t");
    EXPECT_EQ(l[4], "\t(s)\t(m)\t(m)\t");
    EXPECT_EQ(l[5], "");
    EXPECT_EQ(l[6], "1\t0.5\t0.125\t0.25\t");
    EXPECT_EQ(t.RemplirTexte(',').split("\r\n")[6], "1\t0,5\t0,125\t0,25\t");
}

TEST(ValueTable, ShorterPointsLeaveEmptyCellsNotZeros)
{
    TTableau t;
    t.RemplirTableau(series({3, 2}));
    t.MontrerPositions();
    ASSERT_EQ(t.NombreLignes(), 3);
    EXPECT_FALSE(t.Valeur(2, TTableau::Colonne("x2")));
    EXPECT_EQ(t.Valeur(1, TTableau::Colonne("x2")), 101.125);
    // The Date column is point 1's.
    EXPECT_EQ(t.Valeur(1, 1), 1.5);
    const QStringList l = lignes(t.RemplirTexte('.'));
    EXPECT_EQ(l[3], "Numero\tDate\tx1\ty1\tx2\ty2\t");
    EXPECT_EQ(l[8], "3\t2.5\t2.125\t2.25\t\t\t");
}

TEST(ValueTable, VelocityAndAccelerationColumnsFollowTheirChecks)
{
    TTableau t;
    t.RemplirTableau(series({4, 4, 4}));
    t.MontrerPositions();
    t.MontrerGroupe(GroupeColonne::Vitesse, true);
    EXPECT_EQ(lignes(t.RemplirTexte('.'))[3],
              "Numero\tDate\tx1\ty1\tx2\ty2\tx3\ty3\tvx1\tvy1\tv1\tvx2\tvy2\tv2\tvx3\tvy3\tv3\t");
    t.MontrerGroupe(GroupeColonne::Vitesse, false);
    t.RemplirTableau(series({4}));
    t.MontrerGroupe(GroupeColonne::Acceleration, true);
    EXPECT_EQ(lignes(t.RemplirTexte('.'))[3], "Numero\tDate\tx1\ty1\tax1\tay1\ta1\t");
    EXPECT_EQ(lignes(t.RemplirTexte('.'))[4], "\t(s)\t(m)\t(m)\t(m/s2)\t(m/s2)\t(m/s2)\t");
    // Activating the table view hides them again.
    t.MontrerPositions();
    EXPECT_FALSE(t.Visible(TTableau::Colonne("ax1")));
}

TEST(ValueTable, ANewFillReplacesEveryRow)
{
    TTableau t;
    t.RemplirTableau(series({6}));
    t.RemplirTableau(series({2}));
    EXPECT_EQ(t.NombreLignes(), 2);
    t.RemplirTableau(TResultatsSeries{});
    EXPECT_EQ(t.NombreLignes(), 0);
}

TEST(ValueTable, DisplayFormatRoundsToThreeDecimals)
{
    EXPECT_EQ(FormatTableau(12.34567, '.'), "12.346");
    EXPECT_EQ(FormatTableau(0.0004, '.'), "0");
    EXPECT_EQ(FormatTableau(-0.0004, '.'), "0");
    EXPECT_EQ(FormatTableau(-0.5, ','), "-0,5");
    EXPECT_EQ(FormatTableau(2, '.'), "2");
    EXPECT_EQ(FormatTableau(0.1, '.'), "0.1");
    EXPECT_EQ(FormatTableau(1234567.0625, '.'), "1234567.063");
}

TEST(ValueTable, CellsAsShown)
{
    TTableau t;
    t.RemplirTableau(series({3, 2}));
    EXPECT_EQ(t.TexteAffiche(2, 0, ','), "3");
    EXPECT_EQ(t.TexteAffiche(2, TTableau::Colonne("x1"), ','), "2,125");
    EXPECT_EQ(t.TexteAffiche(2, TTableau::Colonne("x2"), ','), "");
    // A velocity that was not computed is a zero, not an empty cell.
    t.RemplirTableau(TSeriesNulles());
    EXPECT_EQ(t.TexteAffiche(0, TTableau::Colonne("vx1"), '.'), "0");
}

TEST(ValueTable, ColumnsDescribeThemselves)
{
    const auto& c = TTableau::Colonnes();
    // The 26 fields of the table, the 18 uncertainties of the velocities and
    // accelerations, and how each point's marks were made.
    ASSERT_EQ(c.size(), 26u + 18u + 3u);
    EXPECT_EQ(std::count_if(c.begin(), c.end(), [](const TColonne& k) { return k.Incertitude; }), 18);
    EXPECT_EQ(c[0].Largeur, 4);
    EXPECT_EQ(c[TTableau::Colonne("vy2")].Largeur, 8);
    EXPECT_EQ(c[TTableau::Colonne("a3")].Unite, "(m/s2)");
    EXPECT_EQ(c[TTableau::Colonne("a3")].Point, 3);
    EXPECT_EQ(TTableau::Colonne("z1"), -1);
}

TEST(ValueTable, MovedColumnsAreExportedInTheirNewOrder)
{
    TTableau t;
    t.RemplirTableau(series({2}));
    t.DeplacerColonne(3, 1); // y1 before Date
    const QStringList l = lignes(t.RemplirTexte('.'));
    EXPECT_EQ(l[3], "Numero\ty1\tDate\tx1\t");
    EXPECT_EQ(l[4], "\t(m)\t(s)\t(m)\t");
    EXPECT_EQ(l[6], "1\t0.25\t0.5\t0.125\t");
    t.DeplacerColonne(TTableau::NombreColonnes(), 0); // out of range: nothing moves
    EXPECT_EQ(lignes(t.RemplirTexte('.'))[3], l[3]);
}

TEST(ValueTable, UncertaintiesStandBesideTheColumnsShownAndOnlyWhenAsked)
{
    TResultatsSeries r = series({3, 2});
    for (auto* s : {&r.SerieUVX, &r.SerieUVY, &r.SerieUV, &r.SerieUAX, &r.SerieUAY, &r.SerieUA}) *s = r.SerieVX;
    r.SerieUAY[1][0] = std::nan(""); // a scatter that could not be estimated
    TTableau t;
    t.RemplirTableau(r);
    t.MontrerPositions();
    t.MontrerGroupe(GroupeColonne::Vitesse, true);
    const QString sans = t.RemplirTexte('.');
    EXPECT_FALSE(sans.contains("uvx1"));
    EXPECT_FALSE(t.Visible(TTableau::Colonne("uvx1")));

    t.MontrerIncertitudes(true);
    EXPECT_EQ(lignes(t.RemplirTexte('.'))[3],
              "Numero\tDate\tx1\ty1\tx2\ty2\tvx1\tvy1\tv1\tuvx1\tuvy1\tuv1\tvx2\tvy2\tv2\tuvx2\tuvy2\tuv2\t");
    EXPECT_EQ(lignes(t.RemplirTexte('.'))[4],
              "\t(s)\t(m)\t(m)\t(m)\t(m)\t(m/s)\t(m/s)\t(m/s)\t(m/s)\t(m/s)\t(m/s)\t(m/s)\t(m/s)\t(m/s)\t(m/s)\t(m/"
              "s)\t(m/s)\t");
    EXPECT_FALSE(t.Visible(TTableau::Colonne("uax1")));
    // Accelerations shown later bring their uncertainties along.
    t.MontrerGroupe(GroupeColonne::Acceleration, true);
    EXPECT_TRUE(t.Visible(TTableau::Colonne("uay2")));
    EXPECT_EQ(t.Valeur(0, TTableau::Colonne("uay1")), 0.75);
    EXPECT_FALSE(t.Valeur(0, TTableau::Colonne("uay2"))); // NaN stays empty
    EXPECT_EQ(t.Valeur(1, TTableau::Colonne("uay2")), 101.75);
    EXPECT_EQ(TTableau::Colonnes()[TTableau::Colonne("uay2")].Unite, "(m/s2)");
    // Hidden again, the table and its text are those without uncertainties.
    t.MontrerGroupe(GroupeColonne::Acceleration, false);
    t.MontrerIncertitudes(false);
    EXPECT_EQ(t.RemplirTexte('.'), sans);
}

} // namespace

// A scale far beyond any real one overflows the positions: those cells stay
// empty in the table and in the text, never "0".
namespace {

TEST(ValueTable, ValuesThatAreNotFiniteStayEmpty)
{
    TResultatsSeries r = series({2});
    r.SerieX[0][0] = std::numeric_limits<double>::infinity();
    r.SerieY[0][0] = -std::numeric_limits<double>::infinity();
    r.SerieX[0][1] = std::numeric_limits<double>::quiet_NaN();
    TTableau t;
    t.RemplirTableau(r);
    t.MontrerPositions();
    EXPECT_FALSE(t.Valeur(0, TTableau::Colonne("x1")));
    EXPECT_FALSE(t.Valeur(0, TTableau::Colonne("y1")));
    EXPECT_FALSE(t.Valeur(1, TTableau::Colonne("x1")));
    EXPECT_EQ(t.Valeur(1, TTableau::Colonne("y1")), 1.25);
    const QStringList l = lignes(t.RemplirTexte('.'));
    EXPECT_EQ(l[6], "1\t0.5\t\t\t");
    EXPECT_EQ(l[7], "2\t1.5\t\t1.25\t");
}

} // namespace

TEST(ValueTable, HowEachMarkWasMadeIsShownAndFlagged)
{
    TResultatsSeries r = series({4, 4});
    r.EtatsMarques = {{{}, {true, 0.93, false, false}, {true, 0.55, true, false}, {false, 1, false, true}},
                      {{}, {}, {}, {true, 0.876, false, false}}};
    TTableau t;
    t.RemplirTableau(r);
    EXPECT_EQ(t.TexteMarque(0, 1, ','), "ručně");
    EXPECT_EQ(t.TexteMarque(1, 1, ','), "sledováno 0,93");
    EXPECT_EQ(t.TexteMarque(2, 1, '.'), "pochybná 0.55");
    EXPECT_EQ(t.TexteMarque(3, 1, '.'), "ručně; opakovaný snímek");
    EXPECT_EQ(t.TexteMarque(3, 2, '.'), "sledováno 0.88");
    EXPECT_EQ(t.TexteMarque(4, 1, '.'), "");
    EXPECT_EQ(t.TexteMarque(0, 3, '.'), ""); // no third point

    // Flagged: the doubtful and the repeated marks, in their point's columns;
    // the row number and the time when any point's mark is.
    const int x1 = TTableau::Colonne("x1"), y2 = TTableau::Colonne("y2"), numero = TTableau::Colonne("Numero");
    EXPECT_FALSE(t.Signalee(1, x1));
    EXPECT_TRUE(t.Signalee(2, x1));
    EXPECT_TRUE(t.Signalee(3, x1));
    EXPECT_FALSE(t.Signalee(2, y2));
    EXPECT_TRUE(t.Signalee(2, numero));
    EXPECT_FALSE(t.Signalee(0, numero));

    // Hidden until asked for; then exported as text with the rest.
    const int marque1 = TTableau::Colonne("Marque1");
    EXPECT_FALSE(t.Visible(marque1));
    EXPECT_EQ(t.TexteAffiche(1, marque1, '.'), "sledováno 0.93");
    EXPECT_FALSE(t.Valeur(1, marque1));
    t.MontrerGroupe(GroupeColonne::Marque, true);
    const QStringList l = lignes(t.RemplirTexte('.'));
    EXPECT_EQ(l[3], "Numero\tDate\tx1\ty1\tx2\ty2\tMarque1\tMarque2\t");
    EXPECT_EQ(l[8], "3\t2.5\t2.125\t2.25\t102.125\t102.25\tpochybná 0.55\tručně\t");
}
