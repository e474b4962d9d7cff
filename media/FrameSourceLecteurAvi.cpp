#include "media/FrameSourceLecteurAvi.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

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

FrameSource::Echec LecteurAvi::Ouvrir(const QString& chemin, std::size_t budgetCache, FrameSource::DetailEchec& detail)
{
    const FrameSource::Echec echec = Lire(chemin);
    if (parametresVideo_) detail.Codec = valeurs_.Description.Codec;
    detail.Annoncees = valeurs_.Annoncees;
    if (echec == FrameSource::Echec::Aucun) decodeur_->Cache().FixerBudget(budgetCache);
    return echec;
}

FrameSource::Echec LecteurAvi::Lire(const QString& chemin)
{
    using Echec = FrameSource::Echec;
    ValeursLecteur& v = valeurs_;
    if (!fichier_.Ouvrir(QFile::encodeName(chemin).toStdString()))
        return QFileInfo::exists(chemin) ? Echec::Illisible : Echec::Introuvable;
    const std::optional<EnTeteAvi> entete = LireEnTeteAvi(fichier_);
    if (!entete) return Echec::PasAvi;
    const int fluxVideo = PremierFlux(*entete, CodeQuatre("vids"));
    if (fluxVideo < 0) return Echec::SansVideo;
    video_ = entete->Flux[std::size_t(fluxVideo)];
    const bool rectangle = video_.Gauche || video_.Haut || video_.Droite || video_.Bas;
    v.Largeur = rectangle ? video_.Droite - video_.Gauche : video_.LargeurFormat;
    v.Hauteur = rectangle ? video_.Bas - video_.Haut : video_.HauteurFormat;
    if (video_.Echelle == 0 || video_.Cadence == 0 || v.Largeur <= 0 || v.Hauteur <= 0 || v.Largeur > TailleMaxImage ||
        v.Hauteur > TailleMaxImage)
        return Echec::EnTeteInvalide;
    v.FrameTime = double(video_.Echelle) / double(video_.Cadence);
    v.PeriodeMs = EnEntier(MulDivArrondi(video_.Echelle, 1000, video_.Cadence));

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
    parametresVideo_ = ff::CopieParametres(sv->codecpar);
    if (sa) parametresAudio_ = ff::CopieParametres(sa->codecpar);
    if (!parametresVideo_) return Echec::Indecodable;
    v.Description.Conteneur = QStringLiteral("avi");
    v.Description.Codec = QString::fromLatin1(avcodec_get_name(parametresVideo_->codec_id));

    if (IndexDepuisFFmpeg(*sv, sa, fichier_.Taille(), indexVideo_, indexAudio_)) {
        ConfirmerCles(fichier_, parametresVideo_->codec_id, indexVideo_);
        CompleterIndex(fichier_, *entete, fluxVideo, fluxAudio, parametresVideo_->codec_id, indexVideo_, indexAudio_);
    } else {
        indexVideo_ = {};
        indexAudio_ = {};
        IndexParParcours(fichier_, *entete, fluxVideo, fluxAudio,
                         std::int32_t(std::min<std::uint32_t>(video_.Debut, 1u << 30)), parametresVideo_->codec_id,
                         indexVideo_, indexAudio_);
    }
    // The header's length counts the frames; a file cut short holds fewer,
    // and positions past its last chunk have no picture.
    const std::int64_t annonce =
        std::max<std::int64_t>(video_.Longueur, fluxVideo == 0 ? entete->ImagesTotalesOdml : 0);
    const std::int64_t presentes = indexVideo_.FinPositions - video_.Debut;
    v.Annoncees = EnEntier(annonce > 0 ? annonce : presentes);
    v.FrameCount = EnEntier(std::min<std::int64_t>(v.Annoncees, presentes));
    if (v.FrameCount <= 0 || indexVideo_.Morceaux.empty()) return Echec::SansImage;
    v.StartFrame = EnEntier(std::min<std::int64_t>(video_.Debut, v.FrameCount - 1));
    v.Description.ImagesRepetees = MorceauxVides();
    // Nothing is decoded at open: the stream's header tells, else the first picture decoded.
    entrelace_.store(EntrelacementDe(parametresVideo_->field_order));

    decodeur_ = std::make_unique<DecodeurImages>(fichier_, indexVideo_, fluxVideo);
    if (!decodeur_->Ouvrir(*parametresVideo_, presentes < annonce, v.Largeur, v.Hauteur)) return Echec::Indecodable;
    if (parametresAudio_) {
        son_ = std::make_unique<SonAvi>(fichier_, entete->Flux[std::size_t(fluxAudio)], indexAudio_, fluxAudio);
        if (!son_->Ouvrir(*parametresAudio_)) son_.reset();
    }
    return Echec::Aucun;
}

ff::Image LecteurAvi::Decodee(std::int32_t image)
{
    ff::Image decodee = decodeur_->Image(image);
    if (decodee && entrelace_.load() == Entrelacement::Aucun) entrelace_.store(EntrelacementDe(*decodee));
    return decodee;
}

std::int32_t LecteurAvi::ImageDe(int numero) const
{
    // The last chunk at or before the position: an empty chunk repeats the
    // picture before it, and one before any picture (a camera that dropped
    // its first frames) shows the file's first picture.
    const auto& n = indexVideo_.Numeros;
    const auto rang = std::int32_t(std::upper_bound(n.begin(), n.end(), numero) - n.begin()) - 1;
    return rang < 0 && numero >= std::int64_t(video_.Debut) ? 0 : rang;
}

// A position from the stream's start on that no chunk with a picture holds.
bool LecteurAvi::Repetee(int numero) const
{
    const auto& n = indexVideo_.Numeros;
    return numero >= std::int64_t(video_.Debut) && !std::binary_search(n.begin(), n.end(), numero);
}

int LecteurAvi::MorceauxVides() const
{
    const auto& n = indexVideo_.Numeros;
    const std::int64_t debut = video_.Debut, fin = valeurs_.FrameCount;
    const auto pleins = std::lower_bound(n.begin(), n.end(), fin) - std::lower_bound(n.begin(), n.end(), debut);
    return EnEntier(fin - debut - pleins);
}

int LecteurAvi::EnMainProche(int numero) const
{
    // Every position from a chunk's to the next one's shows its picture.
    const auto& n = indexVideo_.Numeros;
    const std::int32_t rang = decodeur_->Cache().PlusProche(std::max(0, ImageDe(numero)));
    if (rang < 0) return -1;
    const int premier = n[std::size_t(rang)];
    const int dernier = std::size_t(rang) + 1 < n.size() ? n[std::size_t(rang) + 1] - 1 : valeurs_.FrameCount - 1;
    return std::clamp(numero, premier, std::max(premier, dernier));
}

PlageEchantillons LecteurAvi::PlageAudio(int premiere, int derniere) const
{
    if (!son_) return {};
    const SonAvi& son = *son_;
    const FluxAvi& v = video_;
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
