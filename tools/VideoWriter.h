#pragma once
// Writes AVI files for tests and demos: MJPEG, MPEG-4 part 2 with B-frames,
// H.264 (libx264) or raw RGB, of any size, frame rate and keyframe spacing,
// with or without sound. By default each frame shows its own index as a block
// code that survives lossy compression (LireCodeMire reads it back), and the
// sound is a ramp whose every sample says its own index.

#include <QImage>
#include <cstdint>
#include <functional>
#include <string>

struct OptionsVideo {
    enum class Codec { Mjpeg, Mpeg4, H264, Brut };
    enum class Son { Aucun, Pcm, Mp2 };

    Codec codec = Codec::Mjpeg;
    int largeur = 160;
    int hauteur = 120;
    int echelle = 1; // seconds per frame = echelle / cadence
    int cadence = 25;
    int images = 30;
    int gop = 12;    // frames from one keyframe to the next
    int imagesB = 2; // B-frames between reference frames (MPEG-4, H.264)
    // MPEG-4, H.264: B-frames after a keyframe may refer to the GOP before
    // (shown before the keyframe, decoded after it).
    bool gopOuvert = false;

    Son son = Son::Aucun;
    int frequence = 22050;
    int canaux = 1;
    // From frame `changementSon` on (when not negative), the sound goes on in
    // the same stream encoded anew with `canauxApres` channels at
    // `frequenceApres` samples a second, as a capture that switched its audio
    // mode leaves it. The stream header keeps the first format.
    int changementSon = -1;
    int canauxApres = 1;
    int frequenceApres = 22050;

    // Paints frame `index` onto an RGB32 image of the video's size.
    std::function<void(QImage& image, int index)> peintre;
    // The value of sample `echantillon` of channel `canal`; after a change of
    // the sound, samples count at the new rate from the time of the change.
    std::function<std::int16_t(std::int64_t echantillon, int canal)> echantillon;
};

// Writes the file; an empty string when it went well, else what failed.
std::string EcrireVideo(const std::string& chemin, const OptionsVideo& options);

// The default frame: a moving pattern with `index` as a 4 x 4 block code in the
// top-left corner and in digits beside it.
void PeindreMire(QImage& image, int index);
// The index a frame painted by PeindreMire shows, or -1 when it is unreadable.
int LireCodeMire(const QImage& image);

// The default sound: channel 0 counts the samples, channel 1 counts down.
std::int16_t EchantillonRampe(std::int64_t echantillon, int canal);
