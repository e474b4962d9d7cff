// The fits of a measurement in the work file: the block after the last line.

#include "measure/UnitTravail.h"
#include "measure/UnitTravailAjustements.h"

#include <gtest/gtest.h>

namespace {

Travail mesure()
{
    Travail t;
    t.CheminVideo = "/videos/chute.avi";
    t.Mesure.Marques = {{0.1, 0.2}, {0.15, 0.3}, {0.2, 0.45}, {0.25, 0.6}, {0.3, 0.8}};
    return t;
}

Travail avecAjustements()
{
    Travail t = mesure();
    TDemandeAjustement parabole;
    parabole.Modele = TModele::Parabole;
    parabole.Grandeur = TGrandeurAjustee::Y;
    parabole.Debut = 1;
    parabole.Fin = 4;
    parabole.IncertitudeLongueur = 0.005;
    TDemandeAjustement formule;
    formule.Modele = TModele::Expression;
    formule.Grandeur = TGrandeurAjustee::VX;
    formule.Point = 0;
    formule.Fin = 3;
    formule.Expression = "a*sin(b*t) + c";
    t.Mesure.Ajustements = {parabole, formule};
    return t;
}

} // namespace

TEST(WorkFileFits, TheBlockFollowsTheLastLineAndReadsBack)
{
    const QStringList partie = LignesTravail(mesure(), '.');
    const QStringList lignes = LignesTravail(avecAjustements(), ',');
    ASSERT_EQ(lignes.mid(partie.size()),
              QStringList({"Fits", "2", "parabola", "y", "0", "1", "4", "0.005", "", "expression", "vx", "0", "0", "3",
                           "0", "a*sin(b*t) + c"}));
    const LectureTravail lu = LireLignesTravail(lignes);
    ASSERT_EQ(lu.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(lu.travail.Mesure.Ajustements, avecAjustements().Mesure.Ajustements);

    // Older files, without the block: no fit, and the rest as before.
    const LectureTravail ancien = LireLignesTravail(partie);
    ASSERT_EQ(ancien.etat, LectureTravail::Etat::Ok);
    EXPECT_TRUE(ancien.travail.Mesure.Ajustements.empty());
    EXPECT_EQ(LignesTravail(ancien.travail, '.'), partie);
    // No fit, no block.
    EXPECT_EQ(partie.size(), LignesTravail(mesure(), '.').size());
}

TEST(WorkFileFits, ADamagedBlockIsARefusedFile)
{
    const QStringList partie = LignesTravail(mesure(), '.');
    const QStringList bloc = LignesTravail(avecAjustements(), '.').mid(partie.size());
    const auto avec = [&](int ligne, const QString& valeur) {
        QStringList b = bloc;
        b[ligne] = valeur;
        return LireLignesTravail(partie + b).etat;
    };
    EXPECT_EQ(avec(2, "spline"), LectureTravail::Etat::Contenu); // unknown model
    EXPECT_EQ(avec(3, "z"), LectureTravail::Etat::Contenu);      // unknown quantity
    EXPECT_EQ(avec(4, "3"), LectureTravail::Etat::Contenu);      // no fourth point
    EXPECT_EQ(avec(6, "0"), LectureTravail::Etat::Contenu);      // range reversed
    EXPECT_EQ(avec(7, "-1"), LectureTravail::Etat::Contenu);     // negative uncertainty
    EXPECT_EQ(avec(1, "3"), LectureTravail::Etat::Contenu);      // lines missing
    EXPECT_EQ(LireLignesTravail(partie + bloc.mid(0, 10)).etat, LectureTravail::Etat::Contenu);
}

TEST(WorkFileFits, AQuantitysFitHasABlockOfItsOwnAfterTheOthers)
{
    Travail t = avecAjustements();
    TDemandeAjustement energie;
    energie.Modele = TModele::Droite;
    energie.Quantite = "E1";
    energie.Debut = 2;
    energie.Fin = 9;
    t.Mesure.Ajustements.push_back(energie);
    const QStringList sans = LignesTravail(avecAjustements(), '.');
    const QStringList lignes = LignesTravail(t, '.');
    ASSERT_EQ(lignes.mid(sans.size()), QStringList({"QuantityFits", "1", "line", "E1", "2", "9", "0", ""}));
    const LectureTravail lu = LireLignesTravail(lignes);
    ASSERT_EQ(lu.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(lu.travail.Mesure.Ajustements, t.Mesure.Ajustements);

    // Alone, it is the only fit block.
    Travail seule = mesure();
    seule.Mesure.Ajustements = {energie};
    EXPECT_EQ(LignesTravail(seule, '.').mid(LignesTravail(mesure(), '.').size()).first(), "QuantityFits");

    QStringList sansNom = lignes;
    sansNom[sans.size() + 3] = " ";
    EXPECT_EQ(LireLignesTravail(sansNom).etat, LectureTravail::Etat::Contenu);
}
