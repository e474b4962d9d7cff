// The series inputs take the frames of the marks from the measurement, and
// the frame times and capture rate from the video.

#include "measure/UnitEntreesSeries.h"
#include "tools/VideoWriter.h"
#include "media/FrameSource.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Mp4(const QTemporaryDir& dossier, const char* nom, OptionsVideo o)
{
    o.codec = OptionsVideo::Codec::H264;
    o.conteneur = "mp4";
    const QString chemin = dossier.filePath(QString::fromLatin1(nom));
    EXPECT_EQ(EcrireVideo(QFile::encodeName(chemin).toStdString(), o), "");
    return chemin;
}

} // namespace

TEST(EntreesSeries, FramesOfTheMarksWhenEveryMarkHasOne)
{
    EtatMesure m;
    m.MarquesParImage = 2;
    m.Marques = VecteurPointD(4);
    m.ImagesMarques = {3, 4, 6, 7}; // the view moved on after each second mark
    m.MarquesTsp = VecteurPointD(1);
    m.ImagesMarquesTsp = {5};
    const FrameSource fermee;
    const TEntreesSeries e = EntreesSeries(m, fermee.Faits(), "a.avi");
    EXPECT_EQ(e.ImagesMarques, (std::vector<int>{3, 3, 6, 6}));
    EXPECT_EQ(e.ImagesMarquesTsp, std::vector<int>{5});

    // After a load without them the frames are unknown: one step a mark.
    m.ImagesMarques.clear();
    m.ImagesMarquesTsp.clear();
    const TEntreesSeries sans = EntreesSeries(m, fermee.Faits(), "a.avi");
    EXPECT_TRUE(sans.ImagesMarques.empty());
    EXPECT_TRUE(sans.ImagesMarquesTsp.empty());
}

// Each frame's own time only where the rate varies: on a constant rate the
// marks stay exactly one frame time apart, whatever the container rounds.
TEST(EntreesSeries, FrameTimesOfAVariableRateAndTheCaptureStepOfASlowMotion)
{
    const QTemporaryDir dossier;
    const EtatMesure m;
    OptionsVideo vfr;
    vfr.images = 6;
    vfr.temps = {0, 40, 80, 200, 240, 280};
    FrameSource video;
    ASSERT_TRUE(video.Ouvrir(Mp4(dossier, "vfr.mp4", vfr)));
    const TEntreesSeries e = EntreesSeries(m, video.Faits(), "vfr.mp4");
    EXPECT_EQ(e.FrameTime, video.FrameTime());
    EXPECT_EQ(e.AspectRatio, 160.0 / 120);
    EXPECT_EQ(e.PasCapture, 0.0);
    ASSERT_TRUE(e.TempsImage);
    EXPECT_NEAR(e.TempsImage(3), 0.2, 1e-9);

    OptionsVideo ralenti;
    ralenti.images = 6;
    ralenti.cadence = 30;
    ralenti.etiquettes = {{"com.android.capture.fps", "240.000000"}};
    ASSERT_TRUE(video.Ouvrir(Mp4(dossier, "ralenti.mp4", ralenti)));
    const TEntreesSeries r = EntreesSeries(m, video.Faits(), "ralenti.mp4");
    EXPECT_DOUBLE_EQ(r.PasCapture, 1.0 / 240);
    EXPECT_NEAR(r.FrameTime, 1.0 / 30, 1e-9);
    EXPECT_FALSE(r.TempsImage);
}
