// What automatic tracking leaves in the measurement: how each mark was made,
// kept with the marks, undone with them and saved in its own block of the
// work file; and the erasing of the marks from a frame on, as one step.

#include "measure/UnitTravail.h"
#include "tests/support/VueFactice.h"

#include <gtest/gtest.h>

namespace {

const OrigineMarque Sure{true, 0.987, false};
const OrigineMarque Douteuse{true, 0.75, true};

// One mark a frame on frames 0..4: clicked, then tracked (the fourth doubtful).
void Marquer(Banc& b)
{
    b.vue.images = 10;
    b.m.PlacerMarque({0.1, 0.1});
    b.m.PlacerMarque({0.2, 0.1}, Sure);
    b.m.PlacerMarque({0.3, 0.1}, Sure);
    b.m.PlacerMarque({0.4, 0.1}, Douteuse);
    b.m.PlacerMarque({0.5, 0.1}, Sure);
}

Travail TravailDe(const EtatMesure& e)
{
    Travail t;
    t.CheminVideo = "/videos/chute.avi";
    t.Mesure = e;
    return t;
}

} // namespace

TEST(OriginesMarques, EachMarkKnowsHowItWasMadeAndUndoTakesItBack)
{
    Banc b;
    Marquer(b);
    const EtatMesure& e = b.m.Etat();
    ASSERT_EQ(e.OriginesMarques.size(), 5u);
    EXPECT_FALSE(e.OrigineDeMarque(0).Suivie);
    EXPECT_EQ(e.OrigineDeMarque(3), Douteuse);

    b.m.Annuler();
    b.m.Annuler();
    EXPECT_EQ(e.OriginesMarques.size(), 3u);
    b.m.Refaire();
    EXPECT_EQ(e.OrigineDeMarque(3), Douteuse);
    // A right press removes the mark and how it was made; a click after it is a click.
    b.m.AppuiDroit({0, 0});
    b.m.PlacerMarque({0.45, 0.1});
    EXPECT_EQ(e.OrigineDeMarque(3), OrigineMarque{});
    b.m.EffacerMarques();
    EXPECT_TRUE(e.OriginesMarques.empty());
    b.m.Annuler();
    EXPECT_EQ(e.OrigineDeMarque(1), Sure);
}

TEST(OriginesMarques, TheWorkFileKeepsThemInABlockThatOlderFilesLack)
{
    Banc b;
    Marquer(b);
    const QStringList lignes = LignesTravail(TravailDe(b.m.Etat()), '.');
    const qsizetype debut = lignes.indexOf(QStringLiteral("Origines"));
    ASSERT_GT(debut, 0);
    EXPECT_EQ(lignes.mid(debut),
              (QStringList{"Origines", "5", "0", "1000", "1", "987", "1", "987", "2", "750", "1", "987"}));
    const LectureTravail lu = LireLignesTravail(lignes);
    ASSERT_EQ(lu.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(lu.travail.Mesure.OriginesMarques,
              (std::vector<OrigineMarque>{{}, Sure, Sure, {true, 0.75, true}, Sure}));

    // Clicks alone write no block: the file is the one an older version wrote,
    // and a file without it reads as clicks.
    Banc clics;
    clics.m.PlacerMarque({0.1, 0.1});
    const QStringList anciennes = LignesTravail(TravailDe(clics.m.Etat()), '.');
    EXPECT_FALSE(anciennes.contains(QStringLiteral("Origines")));
    const LectureTravail ancien = LireLignesTravail(lignes.mid(0, debut));
    ASSERT_EQ(ancien.etat, LectureTravail::Etat::Ok);
    EXPECT_TRUE(ancien.travail.Mesure.OriginesMarques.empty());
    EXPECT_FALSE(ancien.travail.Mesure.OrigineDeMarque(2).Suivie);
}

TEST(OriginesMarques, ADamagedBlockIsAReadError)
{
    Banc b;
    Marquer(b);
    const QStringList lignes = LignesTravail(TravailDe(b.m.Etat()), '.');
    const qsizetype debut = lignes.indexOf(QStringLiteral("Origines"));
    const auto avec = [&](qsizetype decalage, const QString& valeur) {
        QStringList l = lignes;
        l[debut + decalage] = valeur;
        return LireLignesTravail(l).etat;
    };
    EXPECT_EQ(avec(1, "4"), LectureTravail::Etat::Contenu);    // not the mark count
    EXPECT_EQ(avec(2, "3"), LectureTravail::Etat::Contenu);    // no such code
    EXPECT_EQ(avec(3, "1001"), LectureTravail::Etat::Contenu); // a score above 1
    EXPECT_EQ(LireLignesTravail(lignes.mid(0, lignes.size() - 1)).etat, LectureTravail::Etat::Contenu);
}

TEST(EffacerMarquesDepuis, RemovesTheFramesFromTheOneShownAsOneStep)
{
    Banc b;
    b.vue.images = 10;
    b.m.SetMarquesParImage(2);
    for (int i = 0; i < 4; ++i) {
        b.m.PlacerMarque({0.1 * i, 0.1});
        b.m.PlacerMarque({0.1 * i, 0.5}, Sure);
    }
    ASSERT_EQ(b.vue.numero, 4);
    const EtatMesure avant = b.m.Etat();
    b.vue.numero = 2;
    EXPECT_FALSE(b.m.PeutEffacerMarquesDepuis(4));
    ASSERT_TRUE(b.m.PeutEffacerMarquesDepuis(2));
    b.m.EffacerMarquesDepuis(2);
    const EtatMesure& e = b.m.Etat();
    EXPECT_EQ(e.NombreDePoints(), 4);
    EXPECT_EQ(e.ImagesMarques.size(), 4u);
    EXPECT_EQ(e.OriginesMarques.size(), 4u);
    EXPECT_EQ(b.vue.numero, 2); // the next press marks the frame shown
    EXPECT_EQ(b.m.Historique().AAnnuler(), (ActionMesure{TAction::EffacerMarquesDepuis, 3}));

    b.m.Annuler();
    EXPECT_EQ(e, avant);
    EXPECT_EQ(b.vue.numero, 2);
    b.m.Refaire();
    EXPECT_EQ(e.NombreDePoints(), 4);
}

TEST(EffacerMarquesDepuis, NeedsTheFramesOfTheMarksAndTheLastFrameCounts)
{
    Banc b;
    b.vue.images = 3;
    for (int i = 0; i < 3; ++i) b.m.PlacerMarque({0.1 * i, 0.1});
    ASSERT_EQ(b.m.Etat().MarquesDerniereImage, 1);
    b.m.EffacerMarquesDepuis(2);
    EXPECT_EQ(b.m.NombreDePoints(), 2);
    EXPECT_EQ(b.m.Etat().MarquesDerniereImage, 0);
    b.m.PlacerMarque({0.3, 0.1}); // the last frame can be marked again
    EXPECT_EQ(b.m.Etat().MarquesDerniereImage, 1);

    // A loaded work file without the frames of its marks: nothing to go by.
    EtatMesure charge = b.m.Etat();
    charge.ImagesMarques.clear();
    b.m.Remplacer(charge);
    EXPECT_FALSE(b.m.PeutEffacerMarquesDepuis(0));
    b.m.EffacerMarquesDepuis(0);
    EXPECT_EQ(b.m.NombreDePoints(), 3);
}
