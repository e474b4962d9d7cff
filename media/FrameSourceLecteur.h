#pragma once
// What the frame source asks of the reader behind it. The AVI reader goes by
// stream position, the container reader by time stamp; both hand out decoded
// pictures in the decoder's format, and the frame source turns the one shown
// into an upright RGB picture.

#include "media/FrameSource.h"
#include "media/FrameSourceCache.h"
#include "media/FrameSourceFFmpeg.h"
#include "media/FrameSourceOrientation.h"

#include <cstdint>

// What a reader works out at open.
struct ValeursLecteur {
    int FrameCount = 0;
    int Annoncees = 0; // frames the header announces
    int Largeur = 0;   // the stored picture at its displayed proportions, before it is turned
    int Hauteur = 0;
    double FrameTime = 0; // seconds between frames
    int PeriodeMs = 0;    // playback period in whole milliseconds
    int StartFrame = 0;
    Orientation Tour; // what the file says turns the picture upright
    Entrelacement Entrelace = Entrelacement::Aucun;
    DescriptionVideo Description;
};

// How a decoded picture is interlaced.
Entrelacement EntrelacementDe(const AVFrame& image);
// How a stream's header says its pictures are interlaced, when it does.
Entrelacement EntrelacementDe(AVFieldOrder ordre);

class LecteurVideo {
public:
    virtual ~LecteurVideo() = default;

    const ValeursLecteur& Valeurs() const { return valeurs_; }
    // How the video is interlaced: Valeurs' unless a picture decoded since says more.
    virtual Entrelacement Entrelace() const { return valeurs_.Entrelace; }
    // The time of frame `numero` (in range) in seconds from the first frame shown.
    virtual double Temps(int numero) const = 0;
    // Which decoded picture frame `numero` (in range) shows; frames that
    // repeat a picture share it. -1 for none.
    virtual std::int32_t ImageDe(int numero) const = 0;
    // Whether frame `numero` (in range) repeats the picture before it.
    virtual bool Repetee(int numero) const = 0;
    // The decoded picture `image`, or null when the decoder cannot deliver it.
    virtual ff::Image Decodee(std::int32_t image) = 0;
    // About how many packets Decodee(image) would decode now.
    virtual int Cout(std::int32_t image) const = 0;
    // The frame nearest to `numero` whose picture is kept decoded; -1 for none.
    virtual int EnMainProche(int numero) const = 0;
    virtual CacheImages& Cache() = 0;
    virtual const CacheImages& Cache() const = 0;

    virtual SourceAudio* Audio() = 0;
    virtual PlageEchantillons PlageAudio(int premiere, int derniere) const = 0;

protected:
    ValeursLecteur valeurs_;
};
