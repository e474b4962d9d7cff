// The quantities' columns of the table of values: shown with their group,
// units under their names, uncertainties beside them, the user's order kept.

#include "results/UnitModeleResultats.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Two points moving uniformly, one metre a picture height.
TEntreesSeries DeuxPoints()
{
    TEntreesSeries m;
    m.AspectRatio = 1.0;
    m.FrameTime = 0.1;
    m.FichierVideo = "deux.avi";
    m.EtatEtalon = 2;
    m.LongueurEtalon = 1.0;
    m.PointsEtalon = {PointD{0.9, 0.0}, PointD{0.9, 1.0}};
    m.Origine = PointD{0.0, 1.0};
    m.MarquesParImage = 2;
    for (int j = 0; j < 6; ++j) {
        m.Marques.push_back(PointD{0.1 + 0.05 * j, 0.5});
        m.Marques.push_back(PointD{0.8 - 0.02 * j, 0.3});
    }
    m.NombreDePoints = int(m.Marques.size());
    return m;
}

QStringList Ligne(const QString& texte, int n)
{
    QStringList l = texte.split(QStringLiteral("\r\n"))[n].split(u'\t');
    l.removeLast();
    return l;
}

} // namespace

TEST(TableauGrandeurs, ColumnsOfTheQuantitiesWithUnitsAndUncertainties)
{
    TModeleResultats modele;
    ASSERT_EQ(modele.CalculerResultats(DeuxPoints(), true, false), CodeSucces);
    TTableau& t = modele.Tableau();
    EXPECT_EQ(t.NombreColonnesTableau(), TTableau::NombreColonnes()); // no mass, no quantity

    TGrandeursMesure g;
    g.Masses = {2, 3, 0};
    g.Propres = {{"D", "m", "x2-x1"}};
    modele.PoserGrandeurs(g);
    t.MontrerPositions();
    EXPECT_EQ(Ligne(t.RemplirTexte('.'), 3), QStringList({"Numero", "Date", "x1", "y1", "x2", "y2"}));
    t.MontrerGroupe(GroupeColonne::Grandeur, true);
    const QString texte = t.RemplirTexte('.');
    EXPECT_EQ(Ligne(texte, 3).mid(6),
              QStringList({"Ek1", "Ep1", "E1", "px1", "py1", "p1", "Ek2", "Ep2", "E2", "px2", "py2", "p2", "xT", "yT",
                           "vxT", "vyT", "pxS", "pyS", "D"}));
    EXPECT_EQ(Ligne(texte, 4).mid(6, 4), QStringList({"(J)", "(J)", "(J)", "(kg m/s)"}));
    EXPECT_EQ(Ligne(texte, 4).mid(18, 5), QStringList({"(m)", "(m)", "(m/s)", "(m/s)", "(kg m/s)"}));
    // Row 1: x1 = 0.1, x2 = 0.8; v1 = 0.5, v2 = -0.2 m/s; y1 = 0.5, y2 = 0.7.
    const int px1 = t.IndiceColonne("px1"), ep2 = t.IndiceColonne("Ep2"), d = t.IndiceColonne("D");
    EXPECT_NEAR(*t.Valeur(0, px1), 1.0, 1e-9);
    EXPECT_NEAR(*t.Valeur(0, ep2), 3 * 9.81 * 0.7, 1e-9);
    EXPECT_NEAR(*t.Valeur(0, d), 0.7, 1e-9);
    EXPECT_NEAR(*t.Valeur(5, t.IndiceColonne("pxS")), 1.0 - 0.6, 1e-9);
    EXPECT_EQ(t.TexteAffiche(0, ep2, ','), "20,601");
    EXPECT_EQ(TTableau::Etiquette(t.ColonnesTableau()[size_t(px1)]), "px1 (kg m/s)");
    EXPECT_FALSE(t.Valeur(6, px1)); // past the last row

    // The uncertainty columns come when asked for, each after its quantity.
    t.MontrerIncertitudes(true);
    const QStringList noms = Ligne(t.RemplirTexte('.'), 3);
    EXPECT_EQ(noms.indexOf("uEk1"), noms.indexOf("Ek1") + 1);
    EXPECT_EQ(noms.indexOf("uD"), noms.indexOf("D") + 1);
    EXPECT_TRUE(t.Visible(t.IndiceColonne("uD")));

    // The user's order survives a recomputation with the same quantities.
    const int D = t.IndiceColonne("D");
    t.DeplacerColonne(t.NombreColonnesTableau() - 2, 2); // D before x1
    ASSERT_EQ(t.Ordre()[2], D);
    ASSERT_EQ(modele.ChangerPasDeTemps(0.2), CodeSucces);
    EXPECT_EQ(t.Ordre()[2], D);
    EXPECT_NEAR(*t.Valeur(0, t.IndiceColonne("px1")), 0.5, 1e-9); // half the speed
    // Other quantities: the new columns at the end.
    g.Propres.push_back({"S", "m", "x1+x2"});
    modele.PoserGrandeurs(g);
    EXPECT_EQ(t.Ordre()[2], TTableau::Colonne("x1"));
    EXPECT_EQ(t.Ordre().back(), t.IndiceColonne("uS"));
    EXPECT_EQ(int(t.Ordre().size()), t.NombreColonnesTableau());
}

TEST(TableauGrandeurs, NamedSeriesOfTheModel)
{
    TModeleResultats modele;
    ASSERT_EQ(modele.CalculerResultats(DeuxPoints(), true, true), CodeSucces);
    TGrandeursMesure g;
    g.Masses = {2, 0, 0};
    modele.PoserGrandeurs(g);
    std::string unite;
    const auto ek = modele.SerieNommee("Ek1", &unite);
    ASSERT_TRUE(ek);
    EXPECT_EQ(unite, "J");
    ASSERT_EQ(ek->Valeurs.size(), 6u);
    EXPECT_NEAR(ek->Valeurs[3], 0.5 * 2 * 0.25, 1e-9);
    EXPECT_EQ(modele.SerieNommee("x2")->Valeurs.size(), 6u);
    EXPECT_FALSE(modele.SerieNommee("Ek2")); // no mass
    EXPECT_FALSE(modele.SerieNommee("xT"));
    EXPECT_EQ(modele.GrandeursTableau().size(), 6u);
}
