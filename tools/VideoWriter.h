#pragma once
// Writes videos for tests and demos: AVI with MJPEG, MPEG-4 part 2 with
// B-frames, H.264 (libx264) or raw RGB, with or without sound; and MP4, MOV,
// MKV or WebM with those or HEVC (libx265), VP9 (libvpx), AV1 (SVT-AV1 or
// libaom), ProRes and MPEG-2 (interlaced, in MPEG-TS, as HDV camcorders
// film), with a display matrix, non-square pixels, time stamps of
// one's own, frames before time 0, tags and AAC, Opus or Vorbis sound. Any size, frame rate and keyframe
// spacing. By default each frame shows its own index as a block code that
// survives lossy compression (LireCodeMire reads it back), and the sound is a
// ramp whose every sample says its own index.

#include <QImage>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct OptionsVideo {
    enum class Codec { Mjpeg, Mpeg4, H264, Brut, H265, Vp9, Av1, ProRes, Mpeg2 };
    // The lossy ones (AAC, Opus, Vorbis) are for MP4, MOV and MKV; Opus takes 48000 samples a second.
    enum class Son { Aucun, Pcm, Mp2, Aac, Opus, Vorbis };

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
    bool dixBits = false; // H.264, HEVC: 10 bits per sample
    // VP9: encoded in two passes, which makes the encoder use alternate
    // reference frames (decoded, not shown, in a superframe with the next).
    bool deuxPasses = false;
    bool entrelace = false; // H.264, MPEG-2: interlaced coding, top field first, as camcorders film
    bool basDAbord = false; // and then bottom field first

    // The container, as FFmpeg names its muxer: "avi", "mp4", "mov", "matroska", "webm".
    std::string conteneur = "avi";
    // Clockwise degrees (0, 90, 180, 270) a player turns the stored picture,
    // said by a display matrix; the painter still paints the upright picture.
    int rotation = 0;
    bool miroir = false; // and a mirror left to right after the turn
    // Pixels this many times wider than high: the stored picture is
    // largeur / pixelLarge wide, shown largeur wide.
    int pixelLarge = 1;
    // Presentation time of each frame in units of 1 / unitesTemps seconds;
    // empty: frame i at i * echelle / cadence.
    std::vector<std::int64_t> temps;
    int unitesTemps = 1000;
    // Frames written before time 0 (the first ones painted): an MP4 cuts them
    // off with an edit list, as phones do with their priming frames.
    int imagesAvant = 0;
    // Tags of the file (in an MP4 as metadata keys, as phones write them).
    std::vector<std::pair<std::string, std::string>> etiquettes;

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
