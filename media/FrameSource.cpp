#include "media/FrameSource.h"

#include "media/FrameSourceAudio.h"
#include "media/FrameSourceAvi.h"
#include "media/FrameSourceConteneur.h"
#include "media/FrameSourceDecodeur.h"
#include "media/FrameSourceFFmpeg.h"
#include "media/FrameSourceImage.h"
#include "media/FrameSourceIndex.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>
#include <unistd.h>

std::int64_t MulDivArrondi(std::int64_t a, std::int64_t b, std::int64_t c)
{
    if (c == 0) return 0;
    const __int128 produit = __int128(a) * b;
    const __int128 q = produit / c, r = produit % c;
    const bool negatif = (produit < 0) != (c < 0);
    const __int128 ar = r < 0 ? -r : r, ac = c < 0 ? -__int128(c) : __int128(c);
    return std::int64_t(2 * ar >= ac ? (negatif ? q - 1 : q + 1) : q);
}

// Everything of an open file. Members are declared in the order they depend
// on one another, so they are destroyed the other way round.
struct FrameSource::Ouverte {
    FichierAvi fichier;
    FluxAvi video;
    IndexVideo indexVideo;
    IndexAudio indexAudio;
    ff::Parametres parametresVideo;
    ff::Parametres parametresAudio;
    std::unique_ptr<DecodeurImages> decodeur;
    std::unique_ptr<SonAvi> son;
    ConvertisseurImage convertisseur;

    int frameCount = 0;
    int annoncees = 0;
    int largeur = 0;
    int hauteur = 0;
    int startFrame = 0;
    DescriptionVideo description;

    // The picture converted last, redrawn without converting again.
    std::int32_t rangConverti = -1;
    QImage converti;

    FrameSource::Echec Ouvrir(const QString& chemin);
    std::int32_t Rang(int numero) const;
};

namespace {

int PremierFlux(const EnTeteAvi& entete, std::uint32_t type)
{
    for (std::size_t i = 0; i < entete.Flux.size() && i < 100; ++i)
        if (entete.Flux[i].Type == type) return int(i);
    return -1;
}

// FFmpeg's demuxer reads the codec parameters and the file's index; it is
// closed again once they are copied.
ff::Format OuvrirDemuxeur(const QString& chemin)
{
    AVFormatContext* f = nullptr;
    if (avformat_open_input(&f, QFile::encodeName(chemin).constData(), av_find_input_format("avi"), nullptr) < 0)
        return {};
    return ff::Format(f);
}

int EnEntier(std::int64_t n)
{
    return int(std::clamp<std::int64_t>(n, 0, std::numeric_limits<int>::max()));
}

} // namespace

FrameSource::Echec FrameSource::Ouverte::Ouvrir(const QString& chemin)
{
    if (!fichier.Ouvrir(QFile::encodeName(chemin).toStdString()))
        return QFileInfo::exists(chemin) ? Echec::Illisible : Echec::Introuvable;
    const std::optional<EnTeteAvi> entete = LireEnTeteAvi(fichier);
    if (!entete) return Echec::PasAvi;
    const int fluxVideo = PremierFlux(*entete, CodeQuatre("vids"));
    if (fluxVideo < 0) return Echec::SansVideo;
    video = entete->Flux[std::size_t(fluxVideo)];
    const bool rectangle = video.Gauche || video.Haut || video.Droite || video.Bas;
    largeur = rectangle ? video.Droite - video.Gauche : video.LargeurFormat;
    hauteur = rectangle ? video.Bas - video.Haut : video.HauteurFormat;
    if (video.Echelle == 0 || video.Cadence == 0 || largeur <= 0 || hauteur <= 0 || largeur > TailleMaxImage ||
        hauteur > TailleMaxImage)
        return Echec::EnTeteInvalide;

    const ff::Format demuxeur = OuvrirDemuxeur(chemin);
    if (!demuxeur) return Echec::PasAvi;
    if (unsigned(fluxVideo) >= demuxeur->nb_streams ||
        demuxeur->streams[fluxVideo]->codecpar->codec_type != AVMEDIA_TYPE_VIDEO)
        return Echec::SansVideo;
    int fluxAudio = PremierFlux(*entete, CodeQuatre("auds"));
    if (fluxAudio >= 0 &&
        (unsigned(fluxAudio) >= demuxeur->nb_streams ||
         demuxeur->streams[fluxAudio]->codecpar->codec_type != AVMEDIA_TYPE_AUDIO))
        fluxAudio = -1;
    const AVStream* sv = demuxeur->streams[fluxVideo];
    const AVStream* sa = fluxAudio >= 0 ? demuxeur->streams[fluxAudio] : nullptr;
    parametresVideo = ff::CopieParametres(sv->codecpar);
    if (sa) parametresAudio = ff::CopieParametres(sa->codecpar);
    if (!parametresVideo) return Echec::Indecodable;
    description.Conteneur = QStringLiteral("avi");
    description.Codec = QString::fromLatin1(avcodec_get_name(parametresVideo->codec_id));

    if (IndexDepuisFFmpeg(*sv, sa, fichier.Taille(), indexVideo, indexAudio)) {
        ConfirmerCles(fichier, parametresVideo->codec_id, indexVideo);
        CompleterIndex(fichier, *entete, fluxVideo, fluxAudio, parametresVideo->codec_id, indexVideo, indexAudio);
    } else {
        indexVideo = {};
        indexAudio = {};
        IndexParParcours(fichier, *entete, fluxVideo, fluxAudio,
                         std::int32_t(std::min<std::uint32_t>(video.Debut, 1u << 30)), parametresVideo->codec_id,
                         indexVideo, indexAudio);
    }
    // The header's length counts the frames; a file cut short holds fewer,
    // and positions past its last chunk have no picture.
    const std::int64_t annonce = std::max<std::int64_t>(video.Longueur, fluxVideo == 0 ? entete->ImagesTotalesOdml : 0);
    const std::int64_t presentes = indexVideo.FinPositions - video.Debut;
    annoncees = EnEntier(annonce > 0 ? annonce : presentes);
    frameCount = EnEntier(std::min<std::int64_t>(annoncees, presentes));
    if (frameCount <= 0 || indexVideo.Morceaux.empty()) return Echec::SansImage;
    startFrame = EnEntier(std::min<std::int64_t>(video.Debut, frameCount - 1));

    decodeur = std::make_unique<DecodeurImages>(fichier, indexVideo, fluxVideo);
    if (!decodeur->Ouvrir(*parametresVideo, presentes < annonce, largeur, hauteur)) return Echec::Indecodable;
    if (parametresAudio) {
        son = std::make_unique<SonAvi>(fichier, entete->Flux[std::size_t(fluxAudio)], indexAudio, fluxAudio);
        if (!son->Ouvrir(*parametresAudio)) son.reset();
    }
    return Echec::Aucun;
}

std::int32_t FrameSource::Ouverte::Rang(int numero) const
{
    // The last chunk at or before the position: an empty chunk repeats the
    // picture before it, and one before any picture (a camera that dropped
    // its first frames) shows the file's first picture.
    const auto& n = indexVideo.Numeros;
    const auto rang = std::int32_t(std::upper_bound(n.begin(), n.end(), numero) - n.begin()) - 1;
    return rang < 0 && numero >= std::int64_t(video.Debut) ? 0 : rang;
}

std::size_t BudgetCacheParDefaut()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES), taille = ::sysconf(_SC_PAGESIZE);
    const std::size_t plafond = std::size_t(256) << 20;
    if (pages <= 0 || taille <= 0) return plafond;
    return std::min(plafond, std::size_t(pages) * std::size_t(taille) / 8);
}

FrameSource::FrameSource() : budgetCache_(BudgetCacheParDefaut()) {}
FrameSource::~FrameSource() = default;

bool FrameSource::Ouvrir(const QString& chemin)
{
    Fermer();
    detail_ = {};
    if (!EstFichierAvi(chemin)) {
        auto c = std::make_unique<SourceConteneur>();
        echec_ = c->Ouvrir(chemin, budgetCache_, detail_);
        if (echec_ != Echec::Aucun) return false;
        c_ = std::move(c);
        return true;
    }
    auto o = std::make_unique<Ouverte>();
    echec_ = o->Ouvrir(chemin);
    if (o->parametresVideo) detail_.Codec = o->description.Codec;
    detail_.Annoncees = o->annoncees;
    if (echec_ != Echec::Aucun) return false;
    o->decodeur->Cache().FixerBudget(budgetCache_);
    o_ = std::move(o);
    return true;
}

void FrameSource::Fermer()
{
    o_.reset();
    c_.reset();
}

bool FrameSource::Opened() const
{
    return o_ || c_;
}
int FrameSource::FrameCount() const
{
    return c_ ? c_->FrameCount() : o_ ? o_->frameCount : 0;
}
int FrameSource::VideoWidth() const
{
    return c_ ? c_->Largeur() : o_ ? o_->largeur : 0;
}
int FrameSource::VideoHeight() const
{
    return c_ ? c_->Hauteur() : o_ ? o_->hauteur : 0;
}
double FrameSource::AspectRatio() const
{
    return Opened() ? double(VideoWidth()) / double(VideoHeight()) : 0.0;
}
double FrameSource::FrameTime() const
{
    return c_ ? c_->FrameTime() : o_ ? double(o_->video.Echelle) / double(o_->video.Cadence) : 0.0;
}
int FrameSource::StartFrame() const
{
    return o_ ? o_->startFrame : 0;
}
int FrameSource::StopFrame() const
{
    return Opened() ? FrameCount() - 1 : 0;
}
int FrameSource::ImagesAnnoncees() const
{
    return c_ ? c_->ImagesAnnoncees() : o_ ? o_->annoncees : 0;
}

int FrameSource::PeriodeMs() const
{
    if (c_) return EnEntier(std::llround(c_->FrameTime() * 1000));
    return o_ ? EnEntier(MulDivArrondi(o_->video.Echelle, 1000, o_->video.Cadence)) : 0;
}

int FrameSource::Borner(int numero) const
{
    return Opened() ? std::clamp(numero, 0, FrameCount() - 1) : numero;
}

double FrameSource::TempsImage(int numero) const
{
    if (!Opened() || numero < 0 || numero >= FrameCount()) return 0;
    return c_ ? c_->Temps(numero) : numero * FrameTime();
}

const DescriptionVideo& FrameSource::Description() const
{
    static const DescriptionVideo aucune;
    return c_ ? c_->Description() : o_ ? o_->description : aucune;
}

FaitsVideo FrameSource::Faits() const
{
    FaitsVideo f;
    f.FrameTime = FrameTime();
    f.AspectRatio = AspectRatio();
    f.Largeur = VideoWidth();
    f.Hauteur = VideoHeight();
    const DescriptionVideo& d = Description();
    if (d.CaptureFps > 0) f.PasCapture = 1.0 / d.CaptureFps;
    if (d.CadenceVariable) f.TempsImage = [this](int numero) { return TempsImage(numero); };
    return f;
}

QImage FrameSource::Image(int numero)
{
    if (c_) return c_->Image(numero);
    if (!o_ || numero < 0 || numero >= o_->frameCount) return {};
    const std::int32_t rang = o_->Rang(numero);
    if (rang < 0) return {};
    if (rang == o_->rangConverti) return o_->converti;
    const ff::Image image = o_->decodeur->Image(rang);
    if (!image) return {};
    o_->rangConverti = -1;
    QImage rgb = o_->convertisseur.EnRgb(*image, std::move(o_->converti));
    if (rgb.isNull()) return {};
    o_->rangConverti = rang;
    o_->converti = rgb;
    return rgb;
}

int FrameSource::CoutImage(int numero) const
{
    if (c_) return c_->Cout(numero);
    if (!o_ || numero < 0 || numero >= o_->frameCount) return 0;
    const std::int32_t rang = o_->Rang(numero);
    return rang < 0 || rang == o_->rangConverti ? 0 : o_->decodeur->Cout(rang);
}

int FrameSource::ImageEnMainProche(int numero) const
{
    if (c_) return c_->Cache().PlusProche(numero);
    if (!o_) return -1;
    // Every position from a chunk's to the next one's shows its picture.
    const auto& n = o_->indexVideo.Numeros;
    const std::int32_t rang = o_->decodeur->Cache().PlusProche(std::max(0, o_->Rang(Borner(numero))));
    if (rang < 0) return -1;
    const int premier = n[std::size_t(rang)];
    const int dernier = std::size_t(rang) + 1 < n.size() ? n[std::size_t(rang) + 1] - 1 : o_->frameCount - 1;
    return Borner(std::clamp(numero, premier, std::max(premier, dernier)));
}

bool FrameSource::Dessiner(int numero, QImage& cible)
{
    return Dessiner(numero, cible, cible.rect());
}

bool FrameSource::Dessiner(int numero, QImage& cible, const QRect& zone)
{
    const QImage image = Image(numero);
    if (image.isNull()) return false;
    Etirer(image, cible, zone);
    return true;
}

SourceAudio* FrameSource::Audio()
{
    return c_ ? c_->Audio() : o_ ? o_->son.get() : nullptr;
}

PlageEchantillons FrameSource::PlageAudio(int premiere, int derniere) const
{
    if (c_) return c_->PlageAudio(premiere, derniere);
    if (!o_ || !o_->son) return {};
    const SonAvi& son = *o_->son;
    const FluxAvi& v = o_->video;
    const std::int64_t debut = son.Debut(), fin = son.Debut() + son.Longueur();
    // Frame position to milliseconds, milliseconds to audio sample; either
    // outside its stream gives nothing, and the range's end stands in.
    auto echantillon = [&](int numero, std::int64_t defaut) {
        if (numero < std::int64_t(v.Debut) || numero > std::int64_t(v.Debut) + v.Longueur) return defaut;
        const std::int64_t ms = MulDivArrondi(numero, std::int64_t(v.Echelle) * 1000, v.Cadence);
        const std::int64_t e = MulDivArrondi(ms, son.Format().Frequence, 1000);
        return e < debut || e > fin ? defaut : e;
    };
    return {echantillon(premiere, debut), echantillon(derniere, fin)};
}

void FrameSource::FixerBudgetCache(std::size_t octets)
{
    budgetCache_ = octets;
    if (o_) o_->decodeur->Cache().FixerBudget(octets);
    if (c_) c_->Cache().FixerBudget(octets);
}

std::size_t FrameSource::CacheOctets() const
{
    return c_ ? c_->Cache().Octets() : o_ ? o_->decodeur->Cache().Octets() : 0;
}
std::size_t FrameSource::CachePic() const
{
    return c_ ? c_->Cache().Pic() : o_ ? o_->decodeur->Cache().Pic() : 0;
}
