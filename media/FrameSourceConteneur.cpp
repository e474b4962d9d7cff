#include "media/FrameSourceConteneur.h"

#include "media/FrameSourceImage.h"
#include "media/FrameSourceImagesMontrees.h"

extern "C" {
#include <libavutil/display.h>
#include <libavutil/pixdesc.h>
}

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace {

// Beyond any camera's frame: a stream claiming more is damaged.
constexpr int TailleMax = 8192;
// Packets listed at open; beyond, a file is taken as cut there.
constexpr std::size_t PaquetsMax = std::size_t(1) << 24;

// Only a regular file is read: opening a pipe would wait for a writer.
bool DebutDe(const QString& chemin, QByteArray& debut)
{
    if (!QFileInfo(chemin).isFile()) return false;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return false;
    debut = f.read(12);
    return true;
}

// An MP4 or MOV file starts with an 'ftyp' box; without its 'moov' box, the
// recording was cut before its index was written.
bool EstMp4(const QByteArray& debut)
{
    return debut.size() >= 8 && debut.mid(4, 4) == "ftyp";
}

// FFmpeg names a demuxer by every format it reads ("mov,mp4,m4a,3gp,3g2,mj2"):
// the one of the file's extension, else the first.
QString NomConteneur(const AVInputFormat& format, const QString& chemin)
{
    const QStringList noms = QString::fromLatin1(format.name).split(u',');
    const QString extension = QFileInfo(chemin).suffix().toLower();
    return noms.contains(extension) ? extension : noms.first();
}

// Every demuxer but those that read other files or addresses named inside
// the file (playlists, concatenation lists, numbered pictures): a video
// someone hands over must not make the program open what it names.
const std::string& DemuxeursPermis()
{
    static const std::string liste = [] {
        const QStringList exclus = {"hls", "dash", "concat", "ffmetadata", "image2", "image2pipe",
                                    "tee", "sdp",  "rtsp",   "rtp",        "mpjpeg", "webm_dash_manifest",
                                    "imf"};
        std::string l;
        void* i = nullptr;
        while (const AVInputFormat* f = av_demuxer_iterate(&i)) {
            bool permis = true;
            for (const QString& nom : QString::fromLatin1(f->name).split(u','))
                if (exclus.contains(nom)) permis = false;
            if (permis) l += std::string(l.empty() ? "" : ",") + f->name;
        }
        return l;
    }();
    return liste;
}

double Nombre(const AVDictionary* d, const char* cle)
{
    const AVDictionaryEntry* e = av_dict_get(d, cle, nullptr, 0);
    if (!e) return 0;
    bool ok = false;
    const double v = QString::fromUtf8(e->value).trimmed().toDouble(&ok);
    return ok && std::isfinite(v) && v > 0 ? v : 0;
}

} // namespace

bool EstFichierAvi(const QString& chemin)
{
    QByteArray debut;
    // An unreadable file is the AVI road's to report.
    if (!DebutDe(chemin, debut)) return true;
    return debut.size() == 12 && debut.left(4) == "RIFF" && debut.mid(8, 4) == "AVI ";
}

ff::Format OuvrirConteneur(const QString& chemin)
{
    AVFormatContext* f = avformat_alloc_context();
    if (!f) return {};
    f->format_whitelist = av_strdup(DemuxeursPermis().c_str());
    f->protocol_whitelist = av_strdup("file");
    // On failure FFmpeg frees the context itself.
    if (avformat_open_input(&f, QFile::encodeName(chemin).constData(), nullptr, nullptr) < 0) return {};
    return ff::Format(f);
}

FrameSource::Echec SourceConteneur::Ouvrir(const QString& chemin, std::size_t budgetCache,
                                           FrameSource::DetailEchec& detail)
{
    using Echec = FrameSource::Echec;
    QByteArray debut;
    if (!DebutDe(chemin, debut)) return QFileInfo::exists(chemin) ? Echec::Illisible : Echec::Introuvable;
    demuxeur_ = OuvrirConteneur(chemin);
    if (!demuxeur_) return EstMp4(debut) ? Echec::Incomplet : Echec::PasVideo;
    demuxeur_->flags |= AVFMT_FLAG_GENPTS;
    if (avformat_find_stream_info(demuxeur_.get(), nullptr) < 0) return Echec::PasVideo;
    flux_ = av_find_best_stream(demuxeur_.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (flux_ < 0) return Echec::SansVideo;
    AVStream* st = demuxeur_->streams[flux_];
    for (unsigned i = 0; i < demuxeur_->nb_streams; ++i)
        if (int(i) != flux_) demuxeur_->streams[i]->discard = AVDISCARD_ALL;
    const AVCodecParameters& p = *st->codecpar;
    detail.Codec = QString::fromLatin1(avcodec_get_name(p.codec_id));
    if (p.width <= 0 || p.height <= 0 || p.width > TailleMax || p.height > TailleMax) return Echec::EnTeteInvalide;

    std::vector<PaquetTemps> paquets;
    if (const Echec e = Indexer(paquets); e != Echec::Aucun) return e;
    const std::int64_t annonces = std::max<std::int64_t>(st->nb_frames, 0);
    const std::int32_t lus = std::int32_t(paquets.size());
    decodeur_ = std::make_unique<DecodeurTemps>(*demuxeur_, flux_, std::move(paquets));
    if (decodeur_->FrameCount() == 0) {
        detail.Annoncees = int(std::min<std::int64_t>(annonces, std::numeric_limits<int>::max()));
        return Echec::SansImage;
    }
    if (!decodeur_->Ouvrir(p)) return Echec::Indecodable;
    decodeur_->Cache().FixerBudget(budgetCache);
    ValeursLecteur& v = valeurs_;
    v.FrameCount = decodeur_->FrameCount();
    // A cut file lists fewer packets than its header counts.
    v.Annoncees = int(std::min<std::int64_t>(decodeur_->FrameCount() + std::max<std::int64_t>(0, annonces - lus),
                                             std::numeric_limits<int>::max()));

    v.Tour = OrientationDeMatrice(
        reinterpret_cast<const std::int32_t*>(av_stream_get_side_data(st, AV_PKT_DATA_DISPLAYMATRIX, nullptr)));
    const AVRational sar = av_guess_sample_aspect_ratio(demuxeur_.get(), st, nullptr);
    v.Largeur = p.width;
    if (sar.num > 0 && sar.den > 0 && sar.num != sar.den)
        v.Largeur = int(std::clamp<std::int64_t>(std::llround(double(p.width) * sar.num / sar.den), 1, TailleMax));
    v.Hauteur = p.height;
    Decrire(chemin);
    // A decoder that exists but gives nothing for the first frame cannot read the stream.
    const ff::Image premiere = decodeur_->Image(0);
    if (!premiere || ConvertisseurImage().EnRgb(*premiere).isNull()) return Echec::Indecodable;
    v.Entrelace = EntrelacementDe(*premiere);
    // Sound the program cannot read leaves the video silent.
    const int fluxSon = av_find_best_stream(demuxeur_.get(), AVMEDIA_TYPE_AUDIO, -1, flux_, nullptr, 0);
    if (fluxSon >= 0) {
        son_ = std::make_unique<SonConteneur>();
        if (!son_->Ouvrir(chemin, *demuxeur_, fluxSon, double(decodeur_->Pts(0)) * av_q2d(st->time_base))) son_.reset();
    }
    return Echec::Aucun;
}

// Frame times in whole milliseconds, then samples, as on the AVI road; the
// position after the last frame ends one nominal step after it.
PlageEchantillons SourceConteneur::PlageAudio(int premiere, int derniere) const
{
    if (!son_) return {};
    const std::int64_t debut = son_->Debut(), fin = son_->Debut() + son_->Longueur();
    auto echantillon = [&](int numero, std::int64_t defaut) {
        if (numero < 0 || numero > FrameCount()) return defaut;
        const double t = numero < FrameCount() ? Temps(numero) : Temps(FrameCount() - 1) + valeurs_.FrameTime;
        const std::int64_t e = MulDivArrondi(std::llround(t * 1000), son_->Format().Frequence, 1000);
        return e < debut || e > fin ? defaut : e;
    };
    return {echantillon(premiere, debut), echantillon(derniere, fin)};
}

FrameSource::Echec SourceConteneur::Indexer(std::vector<PaquetTemps>& paquets)
{
    const ff::Paquet p = ff::NouveauPaquet();
    if (!p) return FrameSource::Echec::Illisible;
    const AVCodecID codec = demuxeur_->streams[flux_]->codecpar->codec_id;
    std::int64_t ptsPrecedent = AV_NOPTS_VALUE;
    while (paquets.size() < PaquetsMax && av_read_frame(demuxeur_.get(), p.get()) >= 0) {
        if (p->stream_index == flux_) {
            PaquetTemps q;
            q.Position = p->pos;
            q.Dts = p->dts;
            q.PtsLu = p->pts;
            // A packet without a presentation time is shown when it is decoded.
            q.Pts = p->pts != AV_NOPTS_VALUE ? p->pts : p->dts;
            if (q.Pts == AV_NOPTS_VALUE && ptsPrecedent != AV_NOPTS_VALUE)
                q.Pts = ptsPrecedent + std::max<std::int64_t>(1, p->duration);
            if (q.Dts == AV_NOPTS_VALUE) q.Dts = q.Pts;
            q.Cle = (p->flags & AV_PKT_FLAG_KEY) != 0;
            q.Ecarte = (p->flags & AV_PKT_FLAG_DISCARD) != 0 ||
                !MontreUneImage(codec, {p->data, std::size_t(std::max(0, p->size))});
            ptsPrecedent = q.Pts;
            paquets.push_back(q);
        }
        av_packet_unref(p.get());
    }
    return FrameSource::Echec::Aucun;
}

void SourceConteneur::Decrire(const QString& chemin)
{
    const AVStream& st = *demuxeur_->streams[flux_];
    const int n = decodeur_->FrameCount();
    double& pas = valeurs_.FrameTime;
    const double base = av_q2d(st.time_base);
    temps_.resize(std::size_t(n));
    for (int i = 0; i < n; ++i) temps_[std::size_t(i)] = double(decodeur_->Pts(i) - decodeur_->Pts(0)) * base;

    // The nominal step: the stream's average rate, else its base rate, else the mean step.
    AVRational cadence = st.avg_frame_rate;
    if (cadence.num <= 0 || cadence.den <= 0) cadence = st.r_frame_rate;
    if (cadence.num > 0 && cadence.den > 0)
        pas = av_q2d(av_inv_q(cadence));
    else if (n > 1 && temps_.back() > 0)
        pas = temps_.back() / (n - 1);
    else
        pas = 0.04;
    valeurs_.PeriodeMs = int(std::clamp<std::int64_t>(std::llround(pas * 1000), 0, std::numeric_limits<int>::max()));

    DescriptionVideo& d = valeurs_.Description;
    d.Conteneur = NomConteneur(*demuxeur_->iformat, chemin);
    d.Codec = QString::fromLatin1(avcodec_get_name(st.codecpar->codec_id));
    d.Rotation = valeurs_.Tour.Degres();
    d.Miroir = valeurs_.Tour.Miroir;
    // A step off the nominal one by more than 1 % (and more than the time
    // base's rounding) makes the rate variable. A step of k usual steps (the
    // median of those above zero, which gaps do not pull as they pull the
    // average) leaves k - 1 frames a constant-rate display fills with the
    // picture before; a frame sharing the time stamp of the one before
    // repeats a moment.
    const double tolerance = std::max(0.01 * pas, base);
    std::vector<double> ecarts, positifs;
    for (int i = 1; i < n; ++i) ecarts.push_back(temps_[std::size_t(i)] - temps_[std::size_t(i - 1)]);
    for (const double e : ecarts) {
        if (std::fabs(e - pas) > tolerance) d.CadenceVariable = true;
        if (e > 0) positifs.push_back(e);
    }
    std::nth_element(positifs.begin(), positifs.begin() + std::ptrdiff_t(positifs.size() / 2), positifs.end());
    const double usuel = positifs.empty() ? 0 : positifs[positifs.size() / 2];
    for (const double e : ecarts)
        d.ImagesRepetees += e <= 0 ? 1
            : usuel > 0            ? int(std::clamp<std::int64_t>(std::llround(e / usuel) - 1, 0, n))
                                   : 0;
    // The slow-motion tag phones write, on the file or on the stream.
    double capture = Nombre(demuxeur_->metadata, "com.android.capture.fps");
    if (capture == 0) capture = Nombre(st.metadata, "com.android.capture.fps");
    if (capture > 0 && std::fabs(capture * pas - 1) > 0.01) d.CaptureFps = capture;
}
