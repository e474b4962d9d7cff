// The axes' angle and the plane in the work file: written as blocks only when
// used, read back exactly, and any damage in them a read error.

#include "measure/UnitTravail.h"

#include <gtest/gtest.h>

namespace {

Travail Mesure()
{
    Travail t;
    t.CheminVideo = "/videa/rampa.avi";
    t.Mesure.Marques = {{0.25, 0.5}, {0.3, 0.45}};
    t.Mesure.OriginePlacee = TOrigine::Placee;
    t.Mesure.Origine = {0.2, 0.8};
    return t;
}

TPlan Trapeze()
{
    return TPlan{{PointD{0.15, 0.85}, PointD{0.85, 0.85}, PointD{0.7, 0.3}, PointD{0.3, 0.3}}, 1.0, 0.6};
}

// The lines of `t` with lines of the block named `tag` replaced, from its
// line `rang` on (1 = the first after the tag).
QStringList Remplacee(const Travail& t, const QString& tag, int rang, const QStringList& valeurs)
{
    QStringList l = LignesTravail(t, ',');
    const qsizetype i = l.indexOf(tag);
    EXPECT_GE(i, 0);
    for (qsizetype k = 0; k < valeurs.size(); ++k) l[i + rang + k] = valeurs[k];
    return l;
}

TEST(WorkFileCalibration, WithoutAngleOrPlaneTheFileIsAsBefore)
{
    const Travail t = Mesure();
    const QStringList l = LignesTravail(t, '.');
    EXPECT_FALSE(l.contains("Axes"));
    EXPECT_FALSE(l.contains("Plane"));
    EXPECT_EQ(l.size(), 24 + 2 * 2 + 2); // two marks and the origin, nothing after
    const LectureTravail r = LireLignesTravail(l);
    ASSERT_EQ(r.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(r.travail.Mesure.AngleAxes, 0.0);
    EXPECT_FALSE(r.travail.Mesure.Plan);
}

TEST(WorkFileCalibration, TheAngleAndThePlaneAreTaggedBlocksThatReadBackExactly)
{
    Travail t = Mesure();
    t.Mesure.AngleAxes = -27.5;
    t.Mesure.Plan = Trapeze();
    t.Mesure.Plan->Coins[2].X = 1.0 / 3; // as many digits as a real line keeps
    const QStringList l = LignesTravail(t, ',');
    const qsizetype axes = l.indexOf("Axes"), plan = l.indexOf("Plane");
    ASSERT_GE(axes, 0);
    ASSERT_EQ(plan, axes + 2);
    EXPECT_EQ(l[axes + 1], "-27.5");
    EXPECT_EQ(l.mid(plan + 1),
              QStringList({"0.15", "0.85", "0.85", "0.85", "0.333333333333333", "0.3", "0.3", "0.3", "1", "0.6"}));
    const LectureTravail r = LireLignesTravail(l);
    ASSERT_EQ(r.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(r.travail.Mesure.AngleAxes, -27.5);
    ASSERT_TRUE(r.travail.Mesure.Plan);
    EXPECT_EQ(r.travail.Mesure.Plan->Largeur, 1.0);
    EXPECT_EQ(r.travail.Mesure.Plan->Coins[0], (PointD{0.15, 0.85}));
    EXPECT_EQ(LignesTravail(r.travail, ','), l);

    // Either block alone, and a comma where the writer put a point.
    Travail seul = Mesure();
    seul.Mesure.Plan = Trapeze();
    QStringList ls = LignesTravail(seul, ',');
    ls[ls.indexOf("Plane") + 9] = "1,0";
    const LectureTravail rs = LireLignesTravail(ls);
    ASSERT_EQ(rs.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(rs.travail.Mesure.AngleAxes, 0.0);
    EXPECT_EQ(rs.travail.Mesure.Plan, Trapeze());
}

TEST(WorkFileCalibration, EveryFaultInTheBlocksIsAReadError)
{
    Travail t = Mesure();
    t.Mesure.AngleAxes = 30;
    t.Mesure.Plan = Trapeze();
    const auto lu = [](const QStringList& l) { return LireLignesTravail(l).etat; };
    constexpr auto Erreur = LectureTravail::Etat::Contenu;
    EXPECT_EQ(lu(Remplacee(t, "Axes", 1, {"trente"})), Erreur);
    EXPECT_EQ(lu(Remplacee(t, "Axes", 1, {"nan"})), Erreur);
    EXPECT_EQ(lu(Remplacee(t, "Axes", 1, {"inf"})), Erreur);
    EXPECT_EQ(lu(Remplacee(t, "Plane", 3, {"0.15", "0.85"})), Erreur); // second corner on the first
    EXPECT_EQ(lu(Remplacee(t, "Plane", 5, {"0.5", "0.85"})), Erreur);  // third between the first two: one line
    EXPECT_EQ(lu(Remplacee(t, "Plane", 5, {"0.3", "0.3"})), Erreur);   // third corner on the fourth
    EXPECT_EQ(lu(Remplacee(t, "Plane", 9, {"0"})), Erreur);            // width not > 0
    EXPECT_EQ(lu(Remplacee(t, "Plane", 10, {"-0.6"})), Erreur);        // height not > 0
    EXPECT_EQ(lu(Remplacee(t, "Plane", 1, {"1E300"})), Erreur);
    EXPECT_EQ(lu(Remplacee(t, "Plane", 2, {"x"})), Erreur);
    // The sides crossing: the last two corners swapped.
    QStringList croise = LignesTravail(t, '.');
    const qsizetype p = croise.indexOf("Plane");
    croise.swapItemsAt(p + 5, p + 7);
    croise.swapItemsAt(p + 6, p + 8);
    EXPECT_EQ(lu(croise), Erreur);
    // Cut short, or a block twice.
    QStringList court = LignesTravail(t, '.');
    court.removeLast();
    EXPECT_EQ(lu(court), Erreur);
    QStringList deux = LignesTravail(t, '.');
    deux << "Axes"
         << "10";
    EXPECT_EQ(lu(deux), Erreur);
    // A sound file reads.
    EXPECT_EQ(lu(LignesTravail(t, '.')), LectureTravail::Etat::Ok);
}

} // namespace
