// Automatic tracking on rendered scenes decoded from video files: a ball that
// falls and lands, the same fall past a look-alike, a ball thrown behind a
// bar. Every mark placed must lie on the ball; where the tracker cannot be
// sure, it stops.

#include "media/FrameSource.h"
#include "tests/tracking/ScenesSuivi.h"
#include "tracking/UnitTravailleurSuivi.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace ScenesSuivi;

double Distance(PointD a, PointD b)
{
    return std::hypot(a.X - b.X, a.Y - b.Y);
}

class SuiviScenes : public ::testing::Test {
protected:
    // Writes the scene and tracks it from a mark on the ball's centre on frame 0.
    std::vector<EtapeSuivi> Suivre(const Scene& s, ParametresSuivi p = {})
    {
        const QString chemin = dossier.filePath(QStringLiteral("scene.avi"));
        EXPECT_EQ(Ecrire(chemin, s), "");
        FrameSource source;
        EXPECT_TRUE(source.Ouvrir(chemin));
        ImagesSource images(source);
        TSuivi suivi(images, 0, {{s.Centre(0)}}, p);
        std::vector<EtapeSuivi> etapes;
        do etapes.push_back(suivi.Suivante());
        while (etapes.back().Fin == FinSuivi::Aucune);
        return etapes;
    }
    QTemporaryDir dossier;
};

} // namespace

TEST_F(SuiviScenes, AFallingBallIsFollowedWithinHalfAPixelAndStopsAtRestSoonAfterLanding)
{
    const std::vector<EtapeSuivi> etapes = Suivre({.Images = 50, .Centre = Chute});
    const EtapeSuivi& fin = etapes.back();
    EXPECT_EQ(fin.Fin, FinSuivi::Immobile);
    ASSERT_GE(etapes.size(), 2u);
    const int derniere = etapes[etapes.size() - 2].Image;
    EXPECT_GE(derniere, Atterrissage());
    EXPECT_LE(derniere, Atterrissage() + 5);
    for (std::size_t k = 0; k + 1 < etapes.size(); ++k) {
        const EtapeSuivi& e = etapes[k];
        ASSERT_EQ(e.Points.size(), 1u);
        EXPECT_LT(Distance(e.Points[0], Chute(e.Image)), 0.5) << "frame " << e.Image;
        EXPECT_TRUE(e.Origines[0].Suivie);
        EXPECT_FALSE(e.Origines[0].Doute) << "frame " << e.Image;
    }
}

TEST_F(SuiviScenes, AtRestTheRunGoesOnWhenAskedTo)
{
    ParametresSuivi p;
    p.SuivreAuRepos = true;
    const std::vector<EtapeSuivi> etapes = Suivre({.Images = 40, .Centre = Chute}, p);
    EXPECT_EQ(etapes.back().Fin, FinSuivi::DerniereImage);
    EXPECT_EQ(etapes.back().Image, 40);
    for (std::size_t k = 0; k + 1 < etapes.size(); ++k)
        EXPECT_LT(Distance(etapes[k].Points[0], Chute(etapes[k].Image)), 0.5) << "frame " << etapes[k].Image;
}

TEST_F(SuiviScenes, AFallPastALookAlikeNeverPlacesAMarkOnIt)
{
    const std::vector<EtapeSuivi> etapes = Suivre({.Images = 50, .Centre = Chute, .AvecSosie = true});
    for (const EtapeSuivi& e : etapes) {
        if (e.Fin == FinSuivi::Aucune) {
            EXPECT_LT(Distance(e.Points[0], Chute(e.Image)), 2.0) << "frame " << e.Image;
        }
    }
    // The look-alike does not stop the run either: the ball is followed to the floor.
    EXPECT_EQ(etapes.back().Fin, FinSuivi::Immobile);
}

TEST_F(SuiviScenes, ABallThrownBehindABarIsNeverMarkedWhileHidden)
{
    const std::vector<EtapeSuivi> etapes =
        Suivre({.Images = 45, .Centre = Lancer, .AvecBarre = true, .AvecSol = false});
    const EtapeSuivi& fin = etapes.back();
    EXPECT_TRUE(fin.Fin == FinSuivi::Perdu || fin.Fin == FinSuivi::Doute) << int(fin.Fin);
    for (const EtapeSuivi& e : etapes) {
        if (e.Fin != FinSuivi::Aucune) continue;
        const PointD vrai = Lancer(e.Image);
        EXPECT_LT(Cache(vrai), 0.25) << "frame " << e.Image;
        EXPECT_LT(Distance(e.Points[0], vrai), e.Origines[0].Doute ? 1.5 : 0.5) << "frame " << e.Image;
        if (Cache(vrai) > 0) {
            EXPECT_TRUE(e.Origines[0].Doute) << "frame " << e.Image;
        }
    }
    // It stopped at the bar, not before the ball reached it.
    EXPECT_GE(fin.Image, 26);
    EXPECT_LE(fin.Image, 29);
}
