// kinotab-cli track over a 300-frame 640 x 480 MJPEG clip (a ball circling
// over a textured background, never at rest, so that every frame is
// tracked), beside FFmpeg decoding the same clip with nothing else done: the
// time the whole verb takes (start, decoding, tracking, output) against the
// bare decoding. The target is at most three times the decoding.

#include "media/FrameSourceFFmpeg.h"
#include "tools/VideoWriter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <cmath>
#include <random>

namespace {

constexpr int Images = 300;

QPointF Centre(int i)
{
    const double a = 2 * M_PI * i / 150.0;
    return {320 + 150 * std::cos(a), 240 + 120 * std::sin(a)};
}

const QString& Clip()
{
    static const QString chemin = [] {
        const QString c = QDir::temp().filePath(QStringLiteral("kinotab-bench-suivi.avi"));
        QImage fond(640, 480, QImage::Format_RGB32);
        std::mt19937 alea(7);
        std::uniform_int_distribution<int> bruit(-6, 6);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) {
                const int g = 175 + int(12 * std::sin(x / 9.0) * std::cos(y / 13.0)) + bruit(alea);
                fond.setPixel(x, y, qRgb(g, g + 3, g + 6));
            }
        OptionsVideo o;
        o.largeur = 640;
        o.hauteur = 480;
        o.images = Images;
        o.peintre = [&](QImage& image, int i) {
            image = fond.copy();
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(205, 35, 30));
            p.drawEllipse(Centre(i) + QPointF(0.5, 0.5), 11, 11);
        };
        if (!EcrireVideo(QFile::encodeName(c).toStdString(), o).empty()) return QString();
        return c;
    }();
    return chemin;
}

// Every frame decoded by FFmpeg alone; the frames decoded.
int Decoder(const QString& chemin)
{
    AVFormatContext* brut = nullptr;
    if (avformat_open_input(&brut, QFile::encodeName(chemin).constData(), nullptr, nullptr) < 0) return 0;
    ff::Format format(brut);
    if (avformat_find_stream_info(format.get(), nullptr) < 0) return 0;
    const int flux = av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (flux < 0) return 0;
    const AVCodecParameters* parametres = format->streams[flux]->codecpar;
    ff::Codec codec(avcodec_alloc_context3(avcodec_find_decoder(parametres->codec_id)));
    if (!codec || avcodec_parameters_to_context(codec.get(), parametres) < 0 ||
        avcodec_open2(codec.get(), nullptr, nullptr) < 0)
        return 0;
    ff::Paquet paquet = ff::NouveauPaquet();
    ff::Image image = ff::NouvelleImage();
    int n = 0;
    const auto recevoir = [&] {
        while (avcodec_receive_frame(codec.get(), image.get()) == 0) ++n;
    };
    while (av_read_frame(format.get(), paquet.get()) >= 0) {
        if (paquet->stream_index == flux && avcodec_send_packet(codec.get(), paquet.get()) == 0) recevoir();
        av_packet_unref(paquet.get());
    }
    avcodec_send_packet(codec.get(), nullptr);
    recevoir();
    return n;
}

void BM_DecodageFFmpeg(benchmark::State& state)
{
    int n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(n = Decoder(Clip()));
    if (n != Images) state.SkipWithError("the clip did not decode whole");
    state.counters["frames"] = n;
}
BENCHMARK(BM_DecodageFFmpeg)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_KinotabCliTrack(benchmark::State& state)
{
    const QPointF debut = Centre(0);
    qsizetype lignes = 0;
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral(KINOTAB_CLI),
                {QStringLiteral("track"), Clip(), QStringLiteral("0"), QString::number(debut.x()),
                 QString::number(debut.y())});
        p.waitForFinished(-1);
        lignes = QString::fromUtf8(p.readAllStandardOutput()).count(u'\n');
    }
    // One line a frame and the stop line: every frame was tracked.
    if (lignes != Images + 1) state.SkipWithError("the run did not follow the ball over every frame");
    state.counters["frames"] = double(lignes - 1);
}
BENCHMARK(BM_KinotabCliTrack)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
