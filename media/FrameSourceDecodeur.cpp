#include "media/FrameSourceDecodeur.h"

extern "C" {
#include <libavcodec/codec_desc.h>
}

#include <algorithm>

DecodeurImages::DecodeurImages(const FichierAvi& fichier, const IndexVideo& index, int fluxVideo)
    : fichier_(fichier), index_(index), fluxVideo_(fluxVideo)
{
}

bool DecodeurImages::Ouvrir(const AVCodecParameters& parametres, bool coupe, int largeur, int hauteur)
{
    coupe_ = coupe;
    largeur_ = largeur;
    hauteur_ = hauteur;
    codecId_ = parametres.codec_id;
    if (index_.Morceaux.empty() || !decodage_.Ouvrir(parametres)) return false;
    const AVCodecDescriptor* description = avcodec_descriptor_get(parametres.codec_id);
    const bool intra = description && (description->props & AV_CODEC_PROP_INTRA_ONLY);
    const std::int32_t n = Nombre();
    for (std::int32_t i = 0; i < n; ++i)
        if (i == 0 || intra || index_.Cles[std::size_t(i)]) debuts_.push_back(i);
    etat_.assign(std::size_t(n), Etat::Inconnue);
    sansTete_.assign(std::size_t(n), -1);
    rangDuPaquet_.assign(std::size_t(n), -1);
    paquetDuRang_.assign(std::size_t(n), -1);
    // A region of one picture has nothing to reorder (unless pictures after
    // it, cut off, would have come before it).
    for (const std::int32_t k : debuts_)
        if (FinRegion(k) - k == 1 && !(coupe && k == n - 1)) {
            etat_[std::size_t(k)] = Etat::Apprise;
            rangDuPaquet_[std::size_t(k)] = paquetDuRang_[std::size_t(k)] = k;
        }
    return true;
}

std::int32_t DecodeurImages::DebutRegion(std::int32_t paquet) const
{
    return *(std::upper_bound(debuts_.begin(), debuts_.end(), paquet) - 1);
}

std::int32_t DecodeurImages::FinRegion(std::int32_t debut) const
{
    const auto it = std::upper_bound(debuts_.begin(), debuts_.end(), debut);
    return it == debuts_.end() ? Nombre() : *it;
}

std::int32_t DecodeurImages::RegionPrecedente(std::int32_t debut) const
{
    const auto it = std::lower_bound(debuts_.begin(), debuts_.end(), debut);
    return it == debuts_.begin() ? debut : *(it - 1);
}

// Whether the region starting at `k` has no leading pictures, by a look at
// the start of its keyframe (and of the chunk after).
bool DecodeurImages::SansTete(std::int32_t k)
{
    if (k == 0) return true;
    std::int8_t& reponse = sansTete_[std::size_t(k)];
    if (reponse < 0) {
        auto debut = [&](std::int32_t paquet) {
            std::vector<std::uint8_t> d;
            if (paquet >= Nombre()) return d;
            const Morceau& m = index_.Morceaux[std::size_t(paquet)];
            d.resize(std::size_t(std::min(m.Taille, 1024)));
            d.resize(std::size_t(fichier_.Lire(m.Position + 8, d)));
            return d;
        };
        reponse = SansImagesDeTete(codecId_, debut(k), debut(k + 1));
    }
    return reponse == 1;
}

// Whether the running decode gives the region's pictures in their order from
// its first: it was entered from the region before, or needs nothing of it.
bool DecodeurImages::Entree(std::int32_t k)
{
    return k > debutSession_ || SansTete(k);
}

// Where to start decoding for `rang`: its own region's keyframe when that
// loses nothing needed (no leading pictures, or the region is learnt and the
// picture is no leading one), else one region before.
std::int32_t DecodeurImages::DepartPour(std::int32_t rang)
{
    const std::int32_t k = DebutRegion(rang);
    if (etat_[std::size_t(k)] == Etat::Apprise ? rangDuPaquet_[std::size_t(k)] <= rang : SansTete(k)) return k;
    return RegionPrecedente(k);
}

// Whether the running decode gives `rang` exactly: its region was entered
// warm or needs no warming, or it is learnt and `rang` is no leading picture.
bool DecodeurImages::Fiable(std::int32_t k, std::int32_t rang)
{
    if (Entree(k)) return true;
    return etat_[std::size_t(k)] == Etat::Apprise && rangDuPaquet_[std::size_t(k)] <= rang;
}

// In a file cut short, chunks of the last region are missing; with
// reordering, some of them would have been shown before pictures that are
// there, whose rank is then unknown.
bool DecodeurImages::FinIncertaine(std::int32_t k) const
{
    return coupe_ && decodage_.Contexte().has_b_frames > 0 && FinRegion(k) == Nombre();
}

bool DecodeurImages::PeutContinuer(std::int32_t rang, std::int32_t depart)
{
    return debutSession_ >= 0 && rang > dernierRang_ && prochain_ >= depart && Fiable(DebutRegion(rang), rang);
}

ff::Image DecodeurImages::Image(std::int32_t rang)
{
    if (!decodage_.Ouvert() || rang < 0 || rang >= Nombre()) return {};
    if (ff::Image image = cache_.Trouver(rang)) return image;
    bool reculer = false, relancer = false;
    for (int essai = 0; essai < 4; ++essai) {
        const std::int32_t k = DebutRegion(rang);
        const Etat etat = etat_[std::size_t(k)];
        if (etat == Etat::Douteuse || (etat == Etat::Apprise && paquetDuRang_[std::size_t(rang)] < 0)) return {};
        std::int32_t depart = DepartPour(rang);
        if (reculer) depart = RegionPrecedente(depart);
        const bool continuee = !reculer && !relancer && PeutContinuer(rang, depart);
        if (!continuee) Demarrer(depart);
        ff::Image trouvee;
        switch (DecoderJusqua(rang, trouvee)) {
        case Issue::Trouvee: return trouvee;
        case Issue::Recommencer: // what was known of the regions changed: choose the start again
            continue;
        case Issue::Depassee:
            // A continued decode may have passed it untrusted; a cold start
            // may have lost it with the leading pictures.
            if (continuee)
                relancer = true;
            else if (!reculer && depart == k && k > 0)
                reculer = true;
            else
                return {};
            continue;
        default: return {};
        }
    }
    return {};
}

std::int32_t DecodeurImages::Cout(std::int32_t rang) const
{
    if (!decodage_.Ouvert() || rang < 0 || rang >= Nombre() || cache_.Contient(rang)) return 0;
    const std::int32_t k = DebutRegion(rang);
    if (debutSession_ >= 0 && rang > dernierRang_ && prochain_ >= k) return std::max(1, rang - prochain_ + 1);
    return rang - k + 1;
}

void DecodeurImages::Demarrer(std::int32_t depart)
{
    decodage_.Relancer();
    debutSession_ = depart;
    prochain_ = depart;
    cleAVerifier_ = true;
    dernierRang_ = -1;
    regionCourante_ = -1;
    tamponsRegion_.clear();
}

DecodeurImages::Issue DecodeurImages::DecoderJusqua(std::int32_t rang, ff::Image& trouvee)
{
    const Issue issue = decodage_.Jusqua(
        [&](const AVFrame& image) -> std::optional<Issue> {
            if (!Traiter(image, rang, trouvee)) return Issue::Recommencer;
            // The pictures after it stay in the decoder for the next step,
            // which then needs no cache to continue.
            if (trouvee) return Issue::Trouvee;
            if (dernierRang_ > rang) return Issue::Depassee;
            return std::nullopt;
        },
        [&] { return LireSuivant(); });
    if (issue == Issue::Finie) CloreRegion(); // every picture of the region is out
    if (issue == Issue::Finie || issue == Issue::Bloquee) debutSession_ = -1;
    return issue;
}

// The next chunk that reads, stamped with its number, into the decoder's
// packet; false past the last. A chunk that cannot be read is skipped.
bool DecodeurImages::LireSuivant()
{
    while (prochain_ < Nombre())
        if (Lire(prochain_++)) return true;
    return false;
}

bool DecodeurImages::Lire(std::int32_t paquet)
{
    const Morceau& m = index_.Morceaux[std::size_t(paquet)];
    std::uint8_t entete[8];
    if (fichier_.Lire(m.Position, entete) != 8) return false;
    const std::uint32_t id = LireMot32(entete);
    const std::uint32_t taille = LireMot32(entete + 4);
    if (FluxDuMorceau(id) != fluxVideo_ || !EstMorceauImage(id) ||
        (m.Coupe ? taille < std::uint32_t(m.Taille) : taille != std::uint32_t(m.Taille)))
        return false;
    AVPacket& p = decodage_.Paquet();
    av_packet_unref(&p);
    if (av_new_packet(&p, m.Taille) < 0) return false;
    if (fichier_.Lire(m.Position + 8, {p.data, std::size_t(m.Taille)}) != m.Taille) return false;
    p.pts = paquet;
    if (index_.Cles[std::size_t(paquet)]) p.flags |= AV_PKT_FLAG_KEY;
    return true;
}

// Files one decoded picture by its stamp. False when the session's start
// turns out to be no keyframe, or a keyframe with leading pictures after all.
bool DecodeurImages::Traiter(const AVFrame& image, std::int32_t cible, ff::Image& trouvee)
{
    if (image.pts < 0 || image.pts >= Nombre()) return true;
    const auto s = std::int32_t(image.pts);
    const std::int32_t k = DebutRegion(s);
    if (cleAVerifier_ && debutSession_ > 0) {
        if (s == debutSession_) {
            cleAVerifier_ = false;
            if (!image.key_frame) {
                OublierCle(s);
                return false;
            }
        } else if (k == debutSession_ && sansTete_[std::size_t(k)] == 1 && etat_[std::size_t(k)] == Etat::Inconnue) {
            sansTete_[std::size_t(k)] = 0; // a picture of its region came out before it
            Oublier(k);
            return false;
        }
    }
    if (k != regionCourante_) {
        CloreRegion();
        regionCourante_ = k;
    }
    tamponsRegion_.push_back(s);
    std::int32_t rang = -1;
    const bool chaude = Entree(k);
    const Etat etat = etat_[std::size_t(k)];
    if (etat == Etat::Apprise) {
        rang = rangDuPaquet_[std::size_t(s)];
        if (!chaude && rang < rangDuPaquet_[std::size_t(k)]) rang = -1; // a leading picture decoded cold
    } else if (etat == Etat::Inconnue && chaude) {
        // Without a reorder buffer pictures come out in chunk order. At the
        // cut end of a file, the last chunks could precede a missing one.
        const bool douteuse = FinIncertaine(k) && s >= Nombre() - 1 - decodage_.Contexte().has_b_frames;
        rang = decodage_.Contexte().has_b_frames == 0 ? s : douteuse ? -1 : k + std::int32_t(tamponsRegion_.size()) - 1;
    }
    if (rang < 0 || rang >= FinRegion(k)) return true;
    dernierRang_ = std::max(dernierRang_, rang);
    ff::Image ajustee;
    const AVFrame* gardee = &image;
    if (image.width != largeur_ || image.height != hauteur_) {
        ajustee = ALaTaille(image);
        if (!ajustee) return true; // no picture for this rank
        gardee = ajustee.get();
    }
    if (cache_.Gardera(cible - rang, *gardee)) cache_.Ranger(rang, gardee);
    if (rang == cible) trouvee = ff::Reference(gardee);
    return true;
}

// The picture scaled to the header's size, in its own pixel format; null
// when it is beyond the size limit or cannot be scaled.
ff::Image DecodeurImages::ALaTaille(const AVFrame& image)
{
    if (image.width <= 0 || image.height <= 0 || image.width > TailleMaxImage || image.height > TailleMaxImage)
        return {};
    // JPEG's full-range formats are their plain twins to swscale: the same
    // planes, and the range is kept as it is from input to output.
    auto format = AVPixelFormat(image.format);
    switch (format) {
    case AV_PIX_FMT_YUVJ420P: format = AV_PIX_FMT_YUV420P; break;
    case AV_PIX_FMT_YUVJ422P: format = AV_PIX_FMT_YUV422P; break;
    case AV_PIX_FMT_YUVJ444P: format = AV_PIX_FMT_YUV444P; break;
    case AV_PIX_FMT_YUVJ440P: format = AV_PIX_FMT_YUV440P; break;
    case AV_PIX_FMT_YUVJ411P: format = AV_PIX_FMT_YUV411P; break;
    default: break;
    }
    sws_.reset(sws_getCachedContext(sws_.release(), image.width, image.height, format, largeur_, hauteur_, format,
                                    SWS_FAST_BILINEAR, nullptr, nullptr, nullptr));
    ff::Image sortie = ff::NouvelleImage();
    if (!sws_ || !sortie) return {};
    sortie->format = image.format;
    sortie->width = largeur_;
    sortie->height = hauteur_;
    sortie->key_frame = image.key_frame;
    sortie->pts = image.pts;
    if (av_frame_get_buffer(sortie.get(), 0) < 0 ||
        sws_scale(sws_.get(), image.data, image.linesize, 0, image.height, sortie->data, sortie->linesize) <= 0)
        return {};
    return sortie;
}

// The current region's pictures are all out: learn its order when every
// chunk gave one. A region entered warm that lost pictures cannot be trusted.
void DecodeurImages::CloreRegion()
{
    if (regionCourante_ < 0) return;
    const std::int32_t k = regionCourante_, fin = FinRegion(k);
    regionCourante_ = -1;
    std::vector<std::int32_t> tampons;
    tampons.swap(tamponsRegion_);
    if (etat_[std::size_t(k)] != Etat::Inconnue || FinIncertaine(k)) return;

    std::vector<char> vus(std::size_t(fin - k), 0);
    bool complete = std::int32_t(tampons.size()) == fin - k;
    bool croissants = true;
    for (std::size_t j = 0; j < tampons.size(); ++j) {
        const std::int32_t s = tampons[j];
        if (s < k || s >= fin || vus[std::size_t(s - k)]) {
            complete = croissants = false;
            break;
        }
        vus[std::size_t(s - k)] = 1;
        if (j > 0 && s < tampons[j - 1]) croissants = false;
    }
    if (complete) {
        for (std::size_t j = 0; j < tampons.size(); ++j) {
            paquetDuRang_[std::size_t(k) + j] = tampons[j];
            rangDuPaquet_[std::size_t(tampons[j])] = k + std::int32_t(j);
        }
        etat_[std::size_t(k)] = Etat::Apprise;
    } else if (croissants && decodage_.Contexte().has_b_frames == 0) {
        // No reordering: each picture is its own chunk's; the lost ones stay lost.
        for (const std::int32_t s : tampons) rangDuPaquet_[std::size_t(s)] = paquetDuRang_[std::size_t(s)] = s;
        etat_[std::size_t(k)] = Etat::Apprise;
    } else if (Entree(k)) {
        etat_[std::size_t(k)] = Etat::Douteuse;
        cache_.Oublier(k, fin);
    }
}

// The file's index called `paquet` a keyframe, the decoder says otherwise:
// its region joins the one before and both are learnt again.
void DecodeurImages::OublierCle(std::int32_t paquet)
{
    const auto it = std::lower_bound(debuts_.begin(), debuts_.end(), paquet);
    if (it == debuts_.end() || *it != paquet || it == debuts_.begin()) return;
    const std::int32_t precedent = *(it - 1);
    debuts_.erase(it);
    etat_[std::size_t(paquet)] = Etat::Inconnue;
    Oublier(precedent);
}

// Forgets all that was learnt of the region starting at `k`, and the running decode.
void DecodeurImages::Oublier(std::int32_t k)
{
    const std::int32_t fin = FinRegion(k);
    for (std::int32_t i = k; i < fin; ++i) rangDuPaquet_[std::size_t(i)] = paquetDuRang_[std::size_t(i)] = -1;
    etat_[std::size_t(k)] = Etat::Inconnue;
    cache_.Oublier(k, fin);
    debutSession_ = -1;
    regionCourante_ = -1;
    tamponsRegion_.clear();
}
