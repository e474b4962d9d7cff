#pragma once
// The frame source: one video file opened read-only, the values derived from
// its first video stream, the picture of any frame index, and its first audio
// stream as PCM samples.
//
// An AVI file is read by stream position: the first frame shown is the
// stream's start (`StartFrame`), and a position the file holds no picture for
// (before the start, past the data) gives a null picture. Every other
// container is read in presentation order from its time stamps (see
// FrameSourceConteneur.h). Pictures are exact for every codec, in any order.
//
// Not thread-safe: every call comes from one thread.

#include "core/UnitFaitsVideo.h"
#include "media/FrameSourceChamps.h"
#include "media/FrameSourceOrientation.h"
#include "media/UnitSourceAudio.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

// What the file says of its video beyond the values the view works with.
struct DescriptionVideo {
    QString Conteneur;            // "avi", "mp4", "mov", "matroska", "webm", ...
    QString Codec;                // "h264", "hevc", "vp9", ...
    int Rotation = 0;             // clockwise degrees the stored picture is turned to be upright
    bool Miroir = false;          // and then mirrored left to right
    bool CadenceVariable = false; // a step between frames is off the nominal one by more than 1 %
    int ImagesRepetees = 0;       // frames a constant-rate display fills with the picture before
    double CaptureFps = 0;        // the rate it was filmed at when it differs from playback, else 0
};

class LecteurVideo;

struct PlageEchantillons {
    std::int64_t Premier = 0; // first audio sample to play
    std::int64_t Fin = 0;     // first audio sample not to play
};

class FrameSource {
public:
    // Why the last Ouvrir left the source closed.
    enum class Echec {
        Aucun,
        Introuvable,    // no such file
        Illisible,      // not a file that can be read
        PasAvi,         // no RIFF AVI structure FFmpeg accepts
        SansVideo,      // no video stream
        EnTeteInvalide, // zero scale, rate, width or height, or a size beyond 8192
        SansImage,      // not one picture in the file
        Indecodable,    // no decoder for the video stream
        PasVideo,       // no container FFmpeg recognises
        Incomplet,      // an MP4 or MOV file without its index (the recording was cut)
    };
    // What goes with the failure: the video codec once known, and the frames
    // the header announces when the file holds none.
    struct DetailEchec {
        QString Codec;
        int Annoncees = 0;
    };

    FrameSource();
    ~FrameSource();
    FrameSource(const FrameSource&) = delete;
    FrameSource& operator=(const FrameSource&) = delete;

    // Closes the current file, then opens `chemin`. False leaves the source
    // closed. Either way the turn of the picture is the file's again, and
    // frames are whole pictures again.
    bool Ouvrir(const QString& chemin);
    void Fermer();
    Echec DernierEchec() const { return echec_; }
    const DetailEchec& DetailDernierEchec() const { return detail_; }

    // Derived values; 0 (false) while closed.
    bool Opened() const;
    int FrameCount() const;
    int VideoWidth() const;
    int VideoHeight() const;
    double AspectRatio() const; // VideoWidth / VideoHeight
    double FrameTime() const;   // seconds between frames: scale / rate
    int StartFrame() const;     // the stream's start, clamped to the frames
    int StopFrame() const;      // FrameCount - 1
    // Playback period: scale * 1000 / rate in whole milliseconds, halves away from zero.
    int PeriodeMs() const;
    // The frames the header announces; more than FrameCount when the file was
    // cut short and holds fewer (FrameCount then counts those it holds).
    int ImagesAnnoncees() const;
    // `numero` clamped to 0 .. FrameCount - 1 while open; unchanged while closed.
    int Borner(int numero) const;
    // The presentation time of frame `numero` in seconds from the first frame
    // shown (an AVI frame's is its position times FrameTime); 0 out of range.
    double TempsImage(int numero) const;
    // Whether frame `numero` repeats the picture before it: an AVI's empty
    // chunk, a frame the camera dropped. False out of range.
    bool ImageRepetee(int numero) const;
    const DescriptionVideo& Description() const;
    // The facts the results take; TempsImage reads this source.
    FaitsVideo Faits() const;

    // Turns the stored picture `degres` clockwise (0, 90, 180 or 270) in
    // place of the turn the file asks for; -1 goes back to the file's.
    // VideoWidth and VideoHeight follow the turn.
    void FixerRotation(int degres);
    int RotationForcee() const { return rotationForcee_; } // -1: the file's
    int Rotation() const;                                  // clockwise degrees the stored picture is turned by

    // Whether the video is interlaced, and which field comes first in time.
    // An AVI whose header does not say it is known once a picture is decoded.
    Entrelacement Entrelace() const;
    // With `champs` each field of an interlaced video is a frame of its own:
    // frame 2k is picture k's first field in time, 2k + 1 its second, half
    // a step later, both line-doubled to the full height; every index, count,
    // time and picture above follows. Ignored for a video that is not interlaced.
    void FixerChamps(bool champs);
    bool Champs() const { return champs_; }

    // The picture of frame `numero`, VideoWidth x VideoHeight in RGB32, or null
    // when there is none (out of range, or the decoder cannot deliver it).
    QImage Image(int numero);
    // About how many packets Image(numero) would decode now: 0 for a
    // picture at hand, a whole group of pictures for a cold jump.
    int CoutImage(int numero) const;
    // The frame nearest to `numero` whose picture is kept decoded, to stand in
    // while `numero` is decoded; -1 when none is kept.
    int ImageEnMainProche(int numero) const;
    // Stretches frame `numero` over `zone` of `cible` (RGB32), dropping rows and
    // columns without blending; the whole of `cible` when no zone is given.
    // False, leaving `cible` untouched, when there is no picture.
    bool Dessiner(int numero, QImage& cible);
    bool Dessiner(int numero, QImage& cible, const QRect& zone);

    // The first audio stream, or null when the file has none the source can read.
    SourceAudio* Audio();
    // The audio samples that go with the frames premiere..derniere: from the
    // time of the first to the time of the last, through whole milliseconds;
    // a time outside the audio stream gives its start (or its end).
    PlageEchantillons PlageAudio(int premiere, int derniere) const;

    // Decoded frames are kept up to this many bytes (BudgetCacheParDefaut unless set).
    void FixerBudgetCache(std::size_t octets);
    std::size_t CacheOctets() const;
    std::size_t CachePic() const; // the most the cache has held

private:
    struct Converti;
    bool DansLaVideo(int numero) const;
    Orientation Tour() const;
    int Multiple() const { return champs_ ? 2 : 1; } // frames a stored picture makes
    // The field of frame `numero` shown, -1 for the whole picture.
    int Champ(int numero) const;

    std::unique_ptr<LecteurVideo> lecteur_; // the AVI reader, or the time-stamped one for any other file
    std::unique_ptr<Converti> converti_;
    int rotationForcee_ = -1;
    bool champs_ = false;
    Echec echec_ = Echec::Aucun;
    DetailEchec detail_;
    std::size_t budgetCache_;
};

// The cache budget a school computer affords: the smaller of 256 MiB and an
// eighth of the machine's memory.
std::size_t BudgetCacheParDefaut();

// a * b / c rounded to the nearest integer, halves away from zero, the way
// the platform's multiply-divide rounds. 0 when c is 0.
std::int64_t MulDivArrondi(std::int64_t a, std::int64_t b, std::int64_t c);
