#pragma once
// Decodes the picture of any frame of a time-stamped stream, exactly, in any
// order.
//
// Every packet of the video stream is listed once at open, in decoding order,
// with its time stamps and key flag. Frames are the shown pictures in order
// of time stamp, those sharing a time stamp in decoding order, as FFmpeg
// gives them; packets not to be shown (the priming frames an edit list cuts
// off, hidden frames) carry no frame but are decoded. Each packet goes to the
// decoder stamped with its rank in that order, which the decoder hands back
// with the picture and which says which frame it is.
//
// A frame is decoded from the last keyframe before its packet that is not
// shown after it: a picture shown before its keyframe (a leading picture of
// an open GOP) may refer to the group before, so it is decoded from the
// keyframe before. Pictures shown before the keyframe a decode started from
// are never trusted. Stepping forward continues the running decode; the
// pictures decoded on the way go to the cache, which keeps what its policy says.

#include "media/FrameSourceCache.h"
#include "media/FrameSourceDecodage.h"
#include "media/FrameSourceFFmpeg.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

// One packet of the video stream, in decoding order.
struct PaquetTemps {
    std::int64_t Position = -1; // in the file, -1 when the demuxer does not say
    std::int64_t Dts = AV_NOPTS_VALUE;
    std::int64_t Pts = AV_NOPTS_VALUE;
    std::int64_t PtsLu = AV_NOPTS_VALUE; // as the demuxer gave it, which tells the packet again
    bool Cle = false;                    // decoding may start here
    bool Ecarte = false;                 // decoded but not shown (cut off by an edit list, hidden)
};

class DecodeurTemps {
public:
    // `demuxeur` stays owned by the caller and must outlive the decoder; the
    // decoder seeks it and reads its packets of stream `flux`.
    DecodeurTemps(AVFormatContext& demuxeur, int flux, std::vector<PaquetTemps> paquets);

    // Opens FFmpeg's decoder; false when there is none for the stream or it
    // refuses the stream's parameters.
    bool Ouvrir(const AVCodecParameters& parametres);

    std::int32_t FrameCount() const { return std::int32_t(ptsImages_.size()); }
    // The time stamp of frame `numero`, in the stream's time base.
    std::int64_t Pts(std::int32_t numero) const { return ptsImages_[std::size_t(numero)]; }
    // The packets read at open, shown or not.
    std::int32_t Paquets() const { return std::int32_t(paquets_.size()); }

    // The picture of frame `numero` (0 .. FrameCount - 1), or null.
    ff::Image Image(std::int32_t numero);
    // About how many packets Image(numero) would decode now; 0 for a cached picture.
    std::int32_t Cout(std::int32_t numero) const;

    CacheImages& Cache() { return cache_; }
    const CacheImages& Cache() const { return cache_; }

private:
    using Issue = Decodage::Issue;

    std::int32_t NumeroDuRang(std::int64_t rang) const;
    std::int32_t ImagesEnCache() const;
    std::int32_t DepartPour(std::int32_t numero) const;
    std::int32_t ClePrecedente(std::int32_t paquet) const;
    bool PeutContinuer(std::int32_t numero, std::int32_t depart) const;
    std::int32_t Identifier(const AVPacket& p, std::int32_t attendu) const;

    bool Demarrer(std::int32_t depart);
    bool ChercherDepuis(std::int64_t temps, std::int32_t depart);
    bool LireSuivant();
    void Preparer(AVPacket& p, std::int32_t numero);
    Issue DecoderJusqua(std::int32_t numero, ff::Image& trouvee);
    void Ranger(const AVFrame& image, std::int32_t cible, ff::Image& trouvee);

    AVFormatContext& demuxeur_;
    const int flux_;
    const std::vector<PaquetTemps> paquets_;
    std::vector<std::int32_t> cles_;                             // packets decoding may start from, in order
    std::vector<std::int64_t> rangDuPaquet_;                     // by packet: its stamp, -1 without a time stamp
    std::vector<std::int64_t> rangsImages_;                      // by frame: the stamp of its packet, increasing
    std::vector<std::int64_t> ptsImages_;                        // by frame: its time stamp, never decreasing
    std::vector<std::int32_t> paquetDeImage_;                    // by frame: the packet that carries it
    std::unordered_map<std::int64_t, std::int32_t> parPosition_; // -1 for a position shared by two packets
    Decodage decodage_;
    CacheImages cache_;

    // The running decode.
    std::int32_t debutSession_ = -1;       // -1: none to continue
    std::int64_t rangDebut_ = 0;           // pictures stamped before this are not trusted
    std::int32_t prochain_ = 0;            // the packet last read
    std::int64_t dernierRang_ = INT64_MIN; // latest trusted picture out
};
