// The tracking worker: the steps of a run come back on the receiver's thread,
// in order, normalised, the same as the tracker gives on the spot; a worker
// destroyed mid-run stops and drops what it had not handed back.

#include "tools/demo_chute.h"
#include "tracking/UnitTravailleurSuivi.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <gtest/gtest.h>

namespace {

using namespace DemoChute;

DepartSuivi DepartDemo()
{
    return {0, {{FaitPointD((BalleX - 0.5) / Largeur, (BalleY(0) - 0.5) / Hauteur)}}};
}

} // namespace

TEST(TravailleurSuivi, StepsComeBackInOrderOnTheReceiversThreadAsTheTrackerGivesThem)
{
    QObject destinataire;
    QEventLoop boucle;
    std::vector<EtapeSuivi> recues;
    bool surLeFil = true;
    ParametresSuivi p;
    p.SuivreAuRepos = true; // past the landing, to the last frame
    TravailleurSuivi travailleur(
        QStringLiteral(KINOTAB_DEMO_VIDEO), DepartDemo(), &destinataire,
        [&](const EtapeSuivi& e) {
            surLeFil = surLeFil && QThread::currentThread() == destinataire.thread();
            recues.push_back(e);
            if (e.Fin != FinSuivi::Aucune) boucle.quit();
        },
        p);
    boucle.exec();
    EXPECT_TRUE(surLeFil);
    ASSERT_EQ(recues.size(), std::size_t(Images));
    EXPECT_EQ(recues.back().Fin, FinSuivi::DerniereImage);

    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(QStringLiteral(KINOTAB_DEMO_VIDEO)));
    ImagesSource images(source);
    TSuivi suivi(images, 0, {{PointD{BalleX - 0.5, BalleY(0) - 0.5}}}, p);
    for (std::size_t k = 0; k + 1 < recues.size(); ++k) {
        const EtapeSuivi e = suivi.Suivante();
        ASSERT_EQ(recues[k].Image, int(k) + 1);
        ASSERT_EQ(recues[k].Points.size(), 1u);
        EXPECT_DOUBLE_EQ(recues[k].Points[0].X, e.Points[0].X / Largeur);
        EXPECT_DOUBLE_EQ(recues[k].Points[0].Y, e.Points[0].Y / Hauteur);
        EXPECT_EQ(recues[k].Origines, e.Origines);
    }
}

TEST(TravailleurSuivi, AFileThatDoesNotOpenEndsTheRunAtOnce)
{
    QObject destinataire;
    QEventLoop boucle;
    std::vector<EtapeSuivi> recues;
    TravailleurSuivi travailleur(QStringLiteral("/nonexistent/video.avi"), DepartDemo(), &destinataire,
                                 [&](const EtapeSuivi& e) {
                                     recues.push_back(e);
                                     boucle.quit();
                                 });
    boucle.exec();
    ASSERT_EQ(recues.size(), 1u);
    EXPECT_EQ(recues[0].Fin, FinSuivi::SansImage);
    EXPECT_EQ(recues[0].Image, 1);
}

TEST(TravailleurSuivi, AWorkerDestroyedMidRunHandsNothingBackAfterwards)
{
    QObject destinataire;
    int recues = 0;
    {
        TravailleurSuivi travailleur(QStringLiteral(KINOTAB_DEMO_VIDEO), DepartDemo(), &destinataire,
                                     [&](const EtapeSuivi&) { ++recues; });
        travailleur.Arreter();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(recues, 0);
}
