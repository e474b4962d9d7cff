// The bundled demo measured back from its decoded frames: the ball's centre
// against time gives g = 9.81 m/s2 in the ruler's scale; and kinotab-cli on it.

#include "test_framesource_videos.h"
#include "tools/demo_chute.h"
#include "media/FrameSource.h"

#include <QProcess>
#include <array>
#include <cmath>

namespace {

using namespace DemoChute;

// Centre height of the red ball: the mean height of its red pixels, each
// standing for the middle of its row (the scene is drawn in continuous
// coordinates, row y spanning y .. y + 1).
double CentreBalle(const QImage& image)
{
    double somme = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = int(BalleX) - 30; x <= int(BalleX) + 30; ++x) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100) {
                somme += y + 0.5;
                ++n;
            }
        }
    return n > 0 ? somme / n : -1;
}

// Least-squares parabola y = a + b t + c t2; returns c.
double CoefficientQuadratique(const std::vector<double>& t, const std::vector<double>& y)
{
    // Normal equations of the three unknowns, solved by Cramer's rule.
    std::array<double, 5> s{};
    std::array<double, 3> r{};
    for (std::size_t i = 0; i < t.size(); ++i) {
        double p = 1;
        for (int k = 0; k < 5; ++k, p *= t[i]) s[std::size_t(k)] += p;
        r[0] += y[i];
        r[1] += y[i] * t[i];
        r[2] += y[i] * t[i] * t[i];
    }
    auto det = [](double a, double b, double c, double d, double e, double f, double g, double h, double i) {
        return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
    };
    const double d = det(s[0], s[1], s[2], s[1], s[2], s[3], s[2], s[3], s[4]);
    return det(s[0], s[1], r[0], s[1], s[2], r[1], s[2], s[3], r[2]) / d;
}

TEST(Demo, LaChuteDonneG)
{
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(QStringLiteral(KINOTAB_DEMO_VIDEO)));
    EXPECT_EQ(source.FrameCount(), Images);
    EXPECT_EQ(source.VideoWidth(), Largeur);
    EXPECT_EQ(source.VideoHeight(), Hauteur);
    EXPECT_EQ(source.PeriodeMs(), 1000 / Cadence);
    EXPECT_NEAR(CentreBalle(source.Image(0)), BalleY0, 0.6);
    EXPECT_NEAR(CentreBalle(source.Image(Images - 1)), BalleYSol, 0.6);

    std::vector<double> t, y;
    for (int i = ImageLacher; BalleY(i) < BalleYSol; ++i) {
        t.push_back(i * source.FrameTime());
        y.push_back(CentreBalle(source.Image(i)));
        EXPECT_NEAR(y.back(), BalleY(i), 0.6) << "frame " << i;
    }
    ASSERT_GE(t.size(), 15u);
    const double g = 2 * CoefficientQuadratique(t, y) / PixelsParMetre;
    EXPECT_NEAR(g, G, 0.01 * G);
}

TEST(Cli, InfoFrameEtErreurs)
{
    QString sortie, erreurs;
    ASSERT_EQ(Cli({QStringLiteral("info"), QStringLiteral(KINOTAB_DEMO_VIDEO)}, &sortie), 0);
    EXPECT_EQ(sortie,
              QStringLiteral("FrameCount 62\nVideoWidth 640\nVideoHeight 480\nAspectRatio 1.33333\n"
                             "FrameTime 0.04\nStartFrame 0\nPeriodMs 40\nAudio no\nContainer avi\n"
                             "Codec mjpeg\nRotation 0\nMirrored no\nVariableRate no\nCaptureFps 0\n"
                             "RepeatedFrames 0\n"));

    VideosDeTest videos;
    const QString png = videos.Chemin(QStringLiteral("f.png"));
    ASSERT_EQ(Cli({QStringLiteral("frame"), QStringLiteral(KINOTAB_DEMO_VIDEO), QStringLiteral("25"), png}), 0);
    EXPECT_NEAR(CentreBalle(QImage(png)), BalleY(25), 0.6);
    EXPECT_EQ(Cli({QStringLiteral("frame"), QStringLiteral(KINOTAB_DEMO_VIDEO), QStringLiteral("62"), png}, nullptr,
                  &erreurs),
              1);
    EXPECT_TRUE(erreurs.contains(QStringLiteral("0..61"))) << erreurs.toStdString();

    EXPECT_EQ(Cli({QStringLiteral("info"), videos.Chemin(QStringLiteral("absent.avi"))}, &sortie, &erreurs), 1);
    EXPECT_TRUE(sortie.isEmpty());
    EXPECT_TRUE(erreurs.contains(QStringLiteral("no such file"))) << erreurs.toStdString();

    OptionsVideo o = Petite(OptionsVideo::Codec::Mjpeg, 40);
    const QString coupee = videos.Ecrire(QStringLiteral("c.avi"), o);
    Tronquer(coupee, Contenu(coupee).size() / 2);
    EXPECT_EQ(Cli({QStringLiteral("info"), coupee}, &sortie, &erreurs), 2);
    EXPECT_TRUE(sortie.startsWith(QStringLiteral("FrameCount ")));
    EXPECT_TRUE(erreurs.contains(QStringLiteral("cut short"))) << erreurs.toStdString();

    EXPECT_EQ(Cli({QStringLiteral("nothing")}), 1);
}

// A phone's portrait video with irregular time stamps: its facts, one line
// per frame with its time, and the frame written upright.
TEST(Cli, TempsEtImageDroite)
{
    VideosDeTest videos;
    OptionsVideo o = Petite(OptionsVideo::Codec::H264, 5);
    o.conteneur = "mp4";
    o.largeur = 96;
    o.hauteur = 160;
    o.rotation = 90;
    o.temps = {0, 33, 67, 100, 200};
    const QString video = videos.Ecrire(QStringLiteral("telephone.mp4"), o);
    QString sortie, erreurs;
    ASSERT_EQ(Cli({QStringLiteral("info"), video}, &sortie, &erreurs), 0) << erreurs.toStdString();
    for (const char* ligne :
         {"FrameCount 5\n", "VideoWidth 96\n", "VideoHeight 160\n", "Container mp4\n", "Codec h264\n", "Rotation 90\n",
          "VariableRate yes\n", "CaptureFps 0\n", "RepeatedFrames 2\n"})
        EXPECT_TRUE(sortie.contains(QLatin1String(ligne))) << ligne << " in " << sortie.toStdString();
    ASSERT_EQ(Cli({QStringLiteral("times"), video}, &sortie), 0);
    EXPECT_EQ(sortie, QStringLiteral("0 0\n1 0.033\n2 0.067\n3 0.1\n4 0.2\n"));
    const QString png = videos.Chemin(QStringLiteral("f.png"));
    ASSERT_EQ(Cli({QStringLiteral("frame"), video, QStringLiteral("3"), png}), 0);
    const QImage image(png);
    EXPECT_EQ(image.size(), QSize(96, 160));
    EXPECT_EQ(LireCodeMire(image.convertToFormat(QImage::Format_RGB32)), 3);
}

} // namespace
