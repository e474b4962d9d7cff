// libFuzzer target: the frame source must open any bytes as a video (an AVI
// file, or any container FFmpeg demuxes) or refuse them, and read frames and sound from what it opened, without
// crashing, hanging or allocating wildly.

#include "media/FrameSource.h"

extern "C" {
#include <libavutil/log.h>
}

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const std::string& Chemin()
{
    static const std::string chemin = "/tmp/fuzz_framesource_" + std::to_string(::getpid()) + ".avi";
    return chemin;
}

// The sound as the player reads it: in order from the start of a range, a
// jump back, a jump forward and past the end; never more than asked.
void LireSon(const FrameSource& source, SourceAudio& son, int images)
{
    const int taille = son.TailleEchantillon();
    if (taille <= 0) __builtin_trap();
    constexpr std::int64_t Morceau = 2048;
    std::vector<std::byte> tampon(std::size_t(Morceau * taille));
    const std::int64_t fin = son.Debut() + son.Longueur();
    for (const std::int64_t depart :
         {source.PlageAudio(0, images - 1).Premier, source.PlageAudio(images / 2, images - 1).Premier, son.Debut(),
          fin - Morceau / 2, fin}) {
        std::int64_t premier = depart;
        for (int i = 0; i < 4; ++i) {
            const std::int64_t lus = son.Lire(premier, Morceau, tampon);
            if (lus < 0 || lus > Morceau) __builtin_trap();
            if (lus == 0) break;
            premier += lus;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    av_log_set_level(AV_LOG_QUIET); // damaged input makes the decoders talk a lot
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    std::FILE* f = std::fopen(Chemin().c_str(), "wb");
    if (!f) return 0;
    std::fwrite(donnees, 1, taille, f);
    std::fclose(f);

    FrameSource source;
    source.FixerBudgetCache(std::size_t(64) << 20);
    if (!source.Ouvrir(QString::fromStdString(Chemin()))) {
        if (source.Opened() || source.FrameCount() != 0) __builtin_trap();
        return 0;
    }
    const int n = source.FrameCount();
    if (n <= 0 || source.VideoWidth() <= 0 || source.VideoHeight() <= 0) __builtin_trap();
    for (const int i : {source.StartFrame(), n - 1, n / 2, 0, 1}) {
        const QImage image = source.Image(source.Borner(i));
        if (!image.isNull() && image.size() != QSize(source.VideoWidth(), source.VideoHeight())) __builtin_trap();
    }
    QImage cible(64, 48, QImage::Format_RGB32);
    source.Dessiner(source.StartFrame(), cible);
    if (SourceAudio* son = source.Audio()) LireSon(source, *son, n);
    return 0;
}
