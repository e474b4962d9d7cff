#pragma once
// Decodes the picture at any display rank, exactly, in any order.
//
// An AVI file gives its video chunks in decoding order with no presentation
// time, so with a codec that reorders pictures the rank-th picture shown is
// not the rank-th chunk. Each chunk is stamped with its number before
// decoding and the decoder hands the number back with the picture, which
// tells which chunk each displayed picture comes from.
//
// The chunks from one keyframe up to the next form a region; the pictures a
// region displays are exactly its own chunks, in an order the decoder tells.
// Decoding a region from its own keyframe may lose its leading pictures (open
// GOPs refer to the region before), so a region seen for the first time is
// decoded from the keyframe before it, and its order is learnt as it goes by,
// unless its keyframe shows it has no leading pictures (an IDR access unit, an
// I-VOP followed by no B-VOP).
// Once learnt, any picture but a leading one is decoded from the region's own
// keyframe. Stepping forward continues the running decode; the pictures
// decoded on the way go to the cache, which keeps what its policy says.
// A picture the decoder does not deliver gives null, never another picture.

#include "media/FrameSourceAvi.h"
#include "media/FrameSourceCache.h"
#include "media/FrameSourceDecodage.h"
#include "media/FrameSourceFFmpeg.h"
#include "media/FrameSourceIndex.h"

#include <cstdint>
#include <vector>

class DecodeurImages {
public:
    DecodeurImages(const FichierAvi& fichier, const IndexVideo& index, int fluxVideo);

    // Opens FFmpeg's decoder; false when there is none for the stream or it
    // refuses the stream's parameters. `coupe`: the file ends before its
    // last region does. Every picture is handed out `largeur` x `hauteur`,
    // the header's size: one that decodes to another size is scaled to it,
    // one beyond TailleMaxImage is refused (a header that lies about the
    // size must not make a small file take gigabytes).
    bool Ouvrir(const AVCodecParameters& parametres, bool coupe, int largeur, int hauteur);

    // The picture displayed at `rang` (0 .. number of chunks - 1), or null.
    ff::Image Image(std::int32_t rang);
    // About how many chunks Image(rang) would decode now; 0 for a cached picture.
    std::int32_t Cout(std::int32_t rang) const;

    CacheImages& Cache() { return cache_; }
    const CacheImages& Cache() const { return cache_; }

private:
    enum class Etat : std::uint8_t { Inconnue, Apprise, Douteuse };
    using Issue = Decodage::Issue;

    std::int32_t Nombre() const { return std::int32_t(index_.Morceaux.size()); }
    std::int32_t DebutRegion(std::int32_t paquet) const;
    std::int32_t FinRegion(std::int32_t debut) const;
    std::int32_t RegionPrecedente(std::int32_t debut) const;
    bool SansTete(std::int32_t debutRegion);
    bool Entree(std::int32_t debutRegion);
    std::int32_t DepartPour(std::int32_t rang);
    bool Fiable(std::int32_t debutRegion, std::int32_t rang);
    bool FinIncertaine(std::int32_t debutRegion) const;
    bool PeutContinuer(std::int32_t rang, std::int32_t depart);

    void Demarrer(std::int32_t depart);
    Issue DecoderJusqua(std::int32_t rang, ff::Image& trouvee);
    bool LireSuivant();
    bool Lire(std::int32_t paquet);
    bool Traiter(const AVFrame& image, std::int32_t rang, ff::Image& trouvee);
    ff::Image ALaTaille(const AVFrame& image);
    void CloreRegion();
    void OublierCle(std::int32_t paquet);
    void Oublier(std::int32_t debutRegion);

    const FichierAvi& fichier_;
    const IndexVideo& index_;
    const int fluxVideo_;
    AVCodecID codecId_ = AV_CODEC_ID_NONE;
    bool coupe_ = false;
    int largeur_ = 0, hauteur_ = 0;
    Decodage decodage_;
    ff::Sws sws_; // pictures of another size than the header's
    CacheImages cache_;

    // Regions: the chunks decoding may start from, 0 first.
    std::vector<std::int32_t> debuts_;
    std::vector<Etat> etat_;            // by region start
    std::vector<std::int8_t> sansTete_; // by region start: 1 none, 0 some, -1 not looked at
    std::vector<std::int32_t> rangDuPaquet_;
    std::vector<std::int32_t> paquetDuRang_;

    // The running decode.
    std::int32_t debutSession_ = -1; // -1: none to continue
    std::int32_t prochain_ = 0;      // next chunk to read
    bool cleAVerifier_ = false;      // the start chunk's picture is still to come
    std::int32_t dernierRang_ = -1;  // last rank handed out as exact
    std::int32_t regionCourante_ = -1;
    std::vector<std::int32_t> tamponsRegion_; // stamps of its pictures so far, in display order
};
