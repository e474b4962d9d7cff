// The frame view's cursor for what the next press does: one picture for every
// family in every colour, the overlay's own grab and drag cursors, and the
// cursor kept while no colour is chosen.

#include "tests/support/ModifierMesure.h"
#include "measure/UnitMesure.h"
#include "resources/UnitCurseurs.h"
#include "view/UnitAviPlay.h"
#include "view/UnitCurseurMesure.h"

#include <gtest/gtest.h>

namespace {

EtatMesure Etat(TOutil outil, int parImage, int points, TCouleurCurseur couleur)
{
    EtatMesure e;
    e.Outil = outil;
    e.MarquesParImage = parImage;
    e.Marques.resize(std::size_t(points));
    e.CouleurCurseur = couleur;
    return e;
}

bool Montre(const QWidget& w, int numero)
{
    return w.cursor().pixmap().cacheKey() == Curseurs::Curseur(numero).pixmap().cacheKey();
}

} // namespace

TEST(CurseurMesure, EveryFamilyInEveryColour)
{
    struct Cas {
        const char* famille;
        TOutil outil;
        int parImage, points;
        int noir, blanc, nb; // MarqueNoir is 1 ... OrigineNB is 18
    };
    for (const Cas& c :
         {Cas{"mark", TOutil::Marque, 1, 4, 1, 2, 3}, Cas{"point 1", TOutil::Marque, 3, 3, 4, 7, 10},
          Cas{"point 2", TOutil::Marque, 2, 1, 5, 8, 11}, Cas{"point 3", TOutil::Marque, 3, 2, 6, 9, 12},
          Cas{"scale", TOutil::Etalon, 3, 2, 13, 14, 15}, Cas{"origin", TOutil::Origine, 1, 0, 17, 16, 18},
          Cas{"overlay marking", TOutil::Transparent, 3, 1, 1, 2, 3}}) {
        const auto etat = [&](TCouleurCurseur couleur) {
            EtatMesure e = Etat(c.outil, c.parImage, c.points, couleur);
            e.EtatTransparent = TEtatTransparent::Marquer;
            return e;
        };
        EXPECT_EQ(CurseurMesure(etat(TCouleurCurseur::Noir)), c.noir) << c.famille;
        EXPECT_EQ(CurseurMesure(etat(TCouleurCurseur::Blanc)), c.blanc) << c.famille;
        EXPECT_EQ(CurseurMesure(etat(TCouleurCurseur::NoirEtBlanc)), c.nb) << c.famille;
        EXPECT_EQ(CurseurMesure(etat(TCouleurCurseur::Aucune)), 0) << c.famille;
    }
}

TEST(CurseurMesure, TheOverlayGrabAndDragShowTheirOwnCursorInEveryColour)
{
    for (const TCouleurCurseur couleur :
         {TCouleurCurseur::Aucune, TCouleurCurseur::Noir, TCouleurCurseur::Blanc, TCouleurCurseur::NoirEtBlanc}) {
        EtatMesure e = Etat(TOutil::Transparent, 1, 0, couleur);
        e.EtatTransparent = TEtatTransparent::Saisir;
        EXPECT_EQ(CurseurMesure(e), 20) << int(couleur); // ClickGauche
        e.EtatTransparent = TEtatTransparent::Deplacer;
        EXPECT_EQ(CurseurMesure(e), 19) << int(couleur); // Pan
    }
    // The overlay's step counts only with its tool.
    EtatMesure e = Etat(TOutil::Etalon, 1, 0, TCouleurCurseur::Blanc);
    e.EtatTransparent = TEtatTransparent::Saisir;
    EXPECT_EQ(CurseurMesure(e), 14);
}

TEST(CurseurMesure, TheViewShowsTheCursorOnEveryChangeAndKeepsItWithoutAColour)
{
    TDCAVIPlay vue;
    TMesure& m = vue.Mesure();
    m.SetCouleurCurseur(TCouleurCurseur::Blanc);
    m.ChoisirModeOrigine(true);
    EXPECT_TRUE(Montre(vue, 16));
    m.SetCouleurCurseur(TCouleurCurseur::Noir);
    EXPECT_TRUE(Montre(vue, 17));
    m.ChoisirModeTransparent(true);
    EXPECT_TRUE(Montre(vue, 20));
    // No colour: the marks tool leaves the overlay's cursor on the view.
    m.SetCouleurCurseur(TCouleurCurseur::Aucune);
    m.ChoisirModeMarque(true);
    EXPECT_TRUE(Montre(vue, 20));
    // A loaded state shows its own cursor at once.
    Modifier(m, [](EtatMesure& e) {
        e.CouleurCurseur = TCouleurCurseur::NoirEtBlanc;
        e.MarquesParImage = 3;
        e.Marques.resize(2);
    });
    EXPECT_TRUE(Montre(vue, 12));
}
