// The frame source beside `ffmpeg` in the same run, on a 1080p H.264 MP4 of
// one 250-frame group written at start:
// - a cold jump to frame 249 (open, decode up to it, convert it), against
//   `ffmpeg -threads 1` decoding the same frames;
// - sequential decoding of every frame, against `ffmpeg` with as many
//   threads as the frame source's decoder takes (all cores).
// Each run is a child process of its own, so that its wall time and peak
// resident memory are its alone (wait4's rusage).

#include "media/FrameSource.h"
#include "tools/VideoWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Images = 250;

const std::string& Video()
{
    static QTemporaryDir dossier;
    static const std::string chemin = [] {
        const std::string c = QFile::encodeName(dossier.filePath(QStringLiteral("1080p.mp4"))).toStdString();
        OptionsVideo o;
        o.codec = OptionsVideo::Codec::H264;
        o.conteneur = "mp4";
        o.largeur = 1920;
        o.hauteur = 1080;
        o.images = Images;
        o.gop = Images; // one group: the jump decodes all of it
        const std::string erreur = EcrireVideo(c, o);
        if (!erreur.empty()) std::fprintf(stderr, "cannot write the video: %s\n", erreur.c_str());
        return c;
    }();
    return chemin;
}

struct Mesure {
    double secondes = 0;
    double pointeMio = 0; // peak resident memory
    bool ok = false;
};

// Runs `enfant` in a child process; its wall time and peak memory.
template <class Enfant>
Mesure DansUnEnfant(Enfant enfant)
{
    const auto debut = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) _exit(enfant() ? 0 : 1);
    int etat = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &etat, 0, &usage) != pid) return {};
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    return {s, double(usage.ru_maxrss) / 1024.0, WIFEXITED(etat) && WEXITSTATUS(etat) == 0};
}

Mesure FFmpeg(std::vector<std::string> arguments)
{
    return DansUnEnfant([&] {
        std::vector<char*> argv;
        for (std::string& a : arguments) argv.push_back(a.data());
        argv.push_back(nullptr);
        execvp("ffmpeg", argv.data());
        return false;
    });
}

Mesure SautFrameSource()
{
    return DansUnEnfant([] {
        FrameSource source;
        return source.Ouvrir(QString::fromStdString(Video())) && !source.Image(Images - 1).isNull();
    });
}

Mesure SuiteFrameSource()
{
    return DansUnEnfant([] {
        FrameSource source;
        if (!source.Ouvrir(QString::fromStdString(Video()))) return false;
        for (int i = 0; i < source.FrameCount(); ++i)
            if (source.Image(i).isNull()) return false;
        return true;
    });
}

Mesure SautFFmpegUnThread()
{
    return FFmpeg({"ffmpeg", "-v", "error", "-threads", "1", "-i", Video(), "-frames:v", std::to_string(Images), "-f",
                   "null", "-"});
}

// The frame source's decoder takes every core; so does ffmpeg's by default
// (-threads 0), and the frames are converted to RGB as the view needs them.
Mesure SuiteFFmpeg()
{
    return FFmpeg({"ffmpeg", "-v", "error", "-threads", "0", "-i", Video(), "-pix_fmt", "bgra", "-f", "null", "-"});
}

// One run a child process: its wall time, and its peak memory as a counter.
void BM_Enfant(benchmark::State& state, Mesure (*mesurer)())
{
    Video(); // written before the first run is timed
    for (auto _ : state) {
        const Mesure m = mesurer();
        if (!m.ok) state.SkipWithError("the run failed");
        state.SetIterationTime(m.secondes);
        state.counters["peak_MiB"] = m.pointeMio;
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_Enfant, SautFrameSource, SautFrameSource)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Enfant, SautFFmpegUnThread, SautFFmpegUnThread)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Enfant, SuiteFrameSource, SuiteFrameSource)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Enfant, SuiteFFmpeg, SuiteFFmpeg)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
