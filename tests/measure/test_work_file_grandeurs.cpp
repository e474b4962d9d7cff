// The masses with g and the user's quantities in the work file: two blocks
// after the last line.

#include "measure/UnitTravail.h"

#include <gtest/gtest.h>

namespace {

Travail mesure(int points)
{
    Travail t;
    t.CheminVideo = "/videos/choc.avi";
    EtatMesure& m = t.Mesure;
    m.MarquesParImage = points;
    for (int k = 0; k < 3 * points; ++k) m.Marques.push_back({0.03125 * (k + 1), 0.5}); // exact in 15 digits
    return t;
}

} // namespace

TEST(WorkFileQuantities, TheBlocksFollowTheLastLineExactlyAndReadBack)
{
    const Travail sans = mesure(2);
    const QStringList partie = LignesTravail(sans, ',');
    Travail t = sans;
    t.Mesure.Grandeurs.Masses = {0.25, 1.5, 7}; // point 3 is not moving: not written
    t.Mesure.Grandeurs.Propres = {{"Ek", "J", "0.5*m1*(vx1^2+vy1^2)"}, {"W", "", "x1-x2"}};
    const QStringList lignes = LignesTravail(t, ',');
    EXPECT_EQ(lignes.mid(0, partie.size()), partie);
    EXPECT_EQ(lignes.mid(partie.size()),
              QStringList({"Masses", "9.81", "0.25", "1.5", "Quantities", "2", "Ek", "J", "0.5*m1*(vx1^2+vy1^2)", "W",
                           "", "x1-x2"}));
    const LectureTravail lu = LireLignesTravail(lignes);
    ASSERT_EQ(lu.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(lu.travail.Mesure.Grandeurs.Masses, (std::array<double, 3>{0.25, 1.5, 0}));
    EXPECT_EQ(lu.travail.Mesure.Grandeurs.g, 9.81);
    EXPECT_EQ(lu.travail.Mesure.Grandeurs.Propres, t.Mesure.Grandeurs.Propres);
    EXPECT_FALSE(lu.travail.QuantiteIllisible);
    // Work to save: closing asks before losing them.
    EXPECT_FALSE(MemesMesures(t.Mesure, sans.Mesure));

    // Nothing set: no block, and a file without them reads as before.
    EXPECT_EQ(LignesTravail(sans, ','), partie);
    const LectureTravail ancien = LireLignesTravail(partie);
    ASSERT_EQ(ancien.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(ancien.travail.Mesure.Grandeurs, TGrandeursMesure{});

    // g changed alone is kept; a comma reads too.
    Travail lune = sans;
    lune.Mesure.Grandeurs.g = 1.62;
    QStringList l = LignesTravail(lune, '.');
    EXPECT_EQ(l.mid(partie.size()), QStringList({"Masses", "1.62", "0", "0"}));
    l[partie.size() + 1] = "1,62";
    EXPECT_EQ(LireLignesTravail(l).travail.Mesure.Grandeurs.g, 1.62);
}

TEST(WorkFileQuantities, ADamagedBlockIsAReadErrorOfTheFile)
{
    const QStringList partie = LignesTravail(mesure(2), '.');
    for (const QStringList& bloc : {QStringList{"Masses", "9.81", "1"}, QStringList{"Masses", "0", "1", "1"},
                                    QStringList{"Masses", "9.81", "-1", "1"}, QStringList{"Masses", "g", "1", "1"},
                                    QStringList{"Quantities", "9", "a", "", "t"}, QStringList{"Quantities", "-1"},
                                    QStringList{"Quantities", "2", "a", "", "t"}})
        EXPECT_EQ(LireLignesTravail(partie + bloc).etat, LectureTravail::Etat::Contenu) << bloc.join('|').toStdString();
}

TEST(WorkFileQuantities, AFormulaThatNoLongerParsesDropsItsBlockOnly)
{
    Travail t = mesure(1);
    t.Mesure.Grandeurs.Masses = {2, 0, 0};
    const QStringList partie = LignesTravail(t, '.');
    // A block read after the quantities still counts.
    const QStringList lignes = partie.mid(0, partie.size() - 3) +
        QStringList{"Quantities", "2", "A", "J", "m1*x1", "B", "m", "x1+*y1"} + partie.mid(partie.size() - 3);
    const LectureTravail lu = LireLignesTravail(lignes);
    ASSERT_EQ(lu.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(lu.travail.Mesure.Marques, t.Mesure.Marques);
    EXPECT_EQ(lu.travail.Mesure.Grandeurs.Masses[0], 2);
    EXPECT_TRUE(lu.travail.Mesure.Grandeurs.Propres.empty());
    ASSERT_TRUE(lu.travail.QuantiteIllisible);
    EXPECT_EQ(lu.travail.QuantiteIllisible->Nom, "B");
    EXPECT_EQ(lu.travail.QuantiteIllisible->Refus.Type, TRefusGrandeur::Genre::Syntaxe);
    EXPECT_EQ(lu.travail.QuantiteIllisible->Refus.Position, 3);
    // A name the program now uses for a column is dropped the same way.
    const LectureTravail pris = LireLignesTravail(partie + QStringList{"Quantities", "1", "Ek1", "J", "1"});
    ASSERT_EQ(pris.etat, LectureTravail::Etat::Ok);
    ASSERT_TRUE(pris.travail.QuantiteIllisible);
    EXPECT_EQ(pris.travail.QuantiteIllisible->Refus.Type, TRefusGrandeur::Genre::NomPris);
}
