// The mouse on the page: hover zones and cursors, move and resize drags, the
// rubber band and what a release does.

#include "tests/print/OutilsPage.h"

#include <gtest/gtest.h>

namespace {

// A 640 x 400 picture laid out centred at the top: k = 1.6.
class Souris : public ::testing::Test {
protected:
    Souris() : m(Ecran, MesureFictive)
    {
        m.ChargerImage(ImageUnie(640, 400));
        x = m.Dessin().Position.X;
        y = m.Dessin().Position.Y;
        w = m.Dessin().Largeur();
        h = m.Dessin().Hauteur();
    }

    // Hover at `depart`, press, move to `arrivee`.
    void Tirer(MPoint depart, MPoint arrivee)
    {
        m.Deplacement(depart);
        m.Appui(depart);
        m.Deplacement(arrivee);
    }

    TMiseEnPage m;
    int x = 0, y = 0, w = 0, h = 0;
};

TEST_F(Souris, HoverSetsTheCursorOfTheZoneUnderThePointer)
{
    const struct {
        MPoint p;
        CurseurPage curseur;
        int coin, bord;
    } cas[] = {
        {{x, y}, CurseurPage::NordOuestSudEst, 1, 0},
        {{x + w / 2, y}, CurseurPage::NordSud, 0, 1},
        {{x + w, y}, CurseurPage::NordEstSudOuest, 2, 0},
        {{x + w, y + h / 2}, CurseurPage::OuestEst, 0, 2},
        {{x + w + 599, y + h - 599}, CurseurPage::NordOuestSudEst, 3, 0},
        {{x + w / 2, y + h}, CurseurPage::NordSud, 0, 3},
        {{x, y + h}, CurseurPage::NordEstSudOuest, 4, 0},
        {{x - 300, y + h / 2}, CurseurPage::OuestEst, 0, 4},
        {{x + w / 2, y + h / 2}, CurseurPage::Deplacer, 0, 0},
        // Zone borders are outside: strictly between Left and Right only.
        {{x - 600, y}, CurseurPage::Defaut, 0, 0},
        {{x + w / 2, y + h + 600}, CurseurPage::Defaut, 0, 0},
    };
    for (const auto& c : cas) {
        m.Deplacement(c.p);
        EXPECT_EQ(m.Curseur(), c.curseur) << c.p.X << "," << c.p.Y;
        EXPECT_EQ(m.Dessin().CoinActif(), c.coin) << c.p.X << "," << c.p.Y;
        EXPECT_EQ(m.Dessin().BordActif(), c.bord) << c.p.X << "," << c.p.Y;
    }
}

TEST_F(Souris, CornerDragsKeepTheProportionsAndTheOppositeCorner)
{
    const struct {
        MPoint coin, pointeur;
        RectPage attendu;
    } cas[] = {
        // The larger of the two displacements (in width units) decides.
        {{x, y}, {x - 1000, y - 300}, {x - 1000, y - 625, x + w, y + h}},
        {{x + w, y}, {x + w + 1000, y - 300}, {x, y - 625, x + w + 1000, y + h}},
        {{x + w, y + h}, {x + w + 300, y + h + 1000}, {x, y, x + w + 1600, y + h + 1000}},
        {{x, y + h}, {x - 1000, y + h + 300}, {x - 1000, y, x + w, y + h + 625}},
        {{x, y}, {x + 800, y + 2000}, {x + 800, y + 500, x + w, y + h}}, // inwards
    };
    for (const auto& c : cas) {
        Tirer(c.coin, c.pointeur);
        const RectPage e = m.Dessin().Elastique;
        EXPECT_EQ(e, c.attendu) << c.pointeur.X << "," << c.pointeur.Y;
        EXPECT_NEAR(e.Largeur(), 1.6 * e.Hauteur(), 1.0);
        // The rubber band alone is drawn while dragging.
        EXPECT_EQ(Compter(m.Page()), std::make_pair(0, 4));
        m.Relachement(c.pointeur);
        EXPECT_EQ(m.Dessin().Position, (MPoint{e.Left, e.Top}));
        EXPECT_EQ(m.Dessin().Largeur(), e.Largeur());
        EXPECT_NEAR(m.Dessin().Hauteur(), e.Hauteur(), 1);
        EXPECT_EQ(Compter(m.Page()), std::make_pair(1, 4));
        EXPECT_EQ(m.Curseur(), CurseurPage::Defaut);
        m.CentreHaut();
    }
}

TEST_F(Souris, EdgeDragsKeepTheOppositeEdgeAndMoveBothNeighboursByTheSameAmount)
{
    const struct {
        MPoint bord, pointeur;
        RectPage attendu;
    } cas[] = {
        {{x + w / 2, y}, {x + w / 2, y - 800}, {x - 640, y - 800, x + w + 640, y + h}},
        {{x + w, y + h / 2}, {x + w + 800, y + h / 2}, {x, y - 250, x + w + 800, y + h + 250}},
        {{x + w / 2, y + h}, {x + 3, y + h + 800}, {x - 640, y, x + w + 640, y + h + 800}},
        {{x, y + h / 2}, {x - 800, y}, {x - 800, y - 250, x + w, y + h + 250}},
        {{x, y + h / 2}, {x + 1600, y}, {x + 1600, y + 500, x + w, y + h - 500}}, // inwards
    };
    for (const auto& c : cas) {
        Tirer(c.bord, c.pointeur);
        EXPECT_EQ(m.Dessin().Elastique, c.attendu) << c.pointeur.X << "," << c.pointeur.Y;
        m.Relachement(c.pointeur);
        EXPECT_EQ(m.Dessin().Cadre().Left, c.attendu.Left);
        EXPECT_EQ(m.Dessin().Cadre().Right, c.attendu.Right);
        EXPECT_NEAR(m.Dessin().Cadre().Bottom, c.attendu.Bottom, 1);
        m.CentreHaut();
    }
}

TEST_F(Souris, AMoveDragDrawsOnlyTheOutlineUntilRelease)
{
    const MPoint prise{x + 4000, y + 3000};
    Tirer(prise, {prise.X + 1000, prise.Y - 500});
    EXPECT_TRUE(m.DeplacementEnCours());
    EXPECT_EQ(m.Dessin().Position, (MPoint{x, y})); // the picture has not moved yet
    ASSERT_EQ(Compter(m.Page()), std::make_pair(0, 4));
    const auto& haut = std::get<LignePage>(m.Page().Elements().front());
    EXPECT_EQ(haut.a, (MPoint{x + 1000, y - 500}));
    EXPECT_EQ(haut.b, (MPoint{x + w + 1000, y - 500}));

    m.Deplacement({prise.X + 2000, prise.Y + 100}); // the outline follows the pointer
    EXPECT_EQ(std::get<LignePage>(m.Page().Elements().front()).a, (MPoint{x + 2000, y + 100}));

    m.Relachement({prise.X + 2000, prise.Y + 100});
    EXPECT_FALSE(m.DeplacementEnCours());
    EXPECT_EQ(m.Dessin().Position, (MPoint{x + 2000, y + 100}));
    EXPECT_EQ(m.Dessin().Largeur(), w);
    EXPECT_EQ(CadresImages(m.Page()).front(), m.Dessin().Cadre());
}

TEST_F(Souris, TheSmallestPictureIsOneCentimetreAndNeverTurnsOver)
{
    // A corner dragged past the opposite one stops at the minimum size,
    // anchored at the opposite corner.
    Tirer({x + w, y + h}, {x - 5000, y - 5000});
    EXPECT_EQ(m.Dessin().Elastique, (RectPage{x, y, x + 1600, y + 1000}));
    m.Relachement({x - 5000, y - 5000});
    EXPECT_EQ(m.Dessin().Cadre(), (RectPage{x, y, x + 1600, y + 1000}));

    // The top edge dragged below the bottom: the band sits on the bottom
    // edge, centred across.
    const int w1 = m.Dessin().Largeur(), h1 = m.Dessin().Hauteur();
    Tirer({x + w1 / 2, y}, {x + w1 / 2, y + 9000});
    EXPECT_EQ(m.Dessin().Elastique, (RectPage{x, y + h1 - 1000, x + 1600, y + h1}));
    EXPECT_FALSE(m.Dessin().Elastique.Vide());
}

TEST_F(Souris, OverlappingZonesOfASmallPictureAreTriedInOrder)
{
    Tirer({x + w, y + h}, {x, y});
    m.Relachement({x, y});       // 1600 x 1000: the zones overlap
    m.Deplacement({x, y + 500}); // corners 1 and 4
    EXPECT_EQ(m.Dessin().CoinActif(), 1);
    m.Deplacement({x + 1600, y + 500}); // corners 2 and 3
    EXPECT_EQ(m.Dessin().CoinActif(), 2);
    EXPECT_EQ(m.Curseur(), CurseurPage::NordEstSudOuest);
}

TEST_F(Souris, APressReleasedWithoutAMoveChangesNothing)
{
    Tirer({x + w, y + h}, {x + w + 2000, y + h + 2000});
    m.Relachement({x + w + 2000, y + h + 2000});
    const RectPage apres = m.Dessin().Cadre();

    // A new press on a zone, released where it was: the old rubber band is
    // not applied again.
    m.CentreHaut();
    m.Deplacement({x, y});
    m.Appui({x, y});
    m.Relachement({x, y});
    EXPECT_NE(m.Dessin().Cadre(), apres);
    EXPECT_EQ(m.Dessin().Cadre(), (RectPage{x, y, x + w, y + h}));
    EXPECT_FALSE(m.RedimensionnementEnCours());

    // A release with no drag at all leaves the page as it is.
    m.Deplacement({100, 100});
    m.Relachement({5000, 5000});
    EXPECT_EQ(m.Dessin().Position, (MPoint{x, y}));
}

TEST_F(Souris, TheMouseIsIgnoredWhileDoubleIsTicked)
{
    m.SetDouble(true);
    const auto avant = CadresImages(m.Page());
    Tirer({x + 4000, y + 3000}, {x + 6000, y + 5000});
    m.Relachement({x + 6000, y + 5000});
    EXPECT_EQ(m.Curseur(), CurseurPage::Defaut);
    EXPECT_FALSE(m.DeplacementEnCours());
    EXPECT_EQ(CadresImages(m.Page()), avant);
}

} // namespace
