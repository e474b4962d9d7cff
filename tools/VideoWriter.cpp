#include "tools/VideoWriter.h"

#include "media/FrameSourceFFmpeg.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/display.h>
#include <libavutil/opt.h>
}

#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// ---- The test pattern ------------------------------------------------------

constexpr int BitsCode = 16;
constexpr int CotesCode = 4; // 4 x 4 cells

int TailleCellule(const QImage& image)
{
    return std::min(image.width(), image.height()) >= 96 ? 16 : 8;
}

// Digits 0-9 in a 3 x 5 grid, one row of three bits a line.
constexpr std::array<std::array<std::uint8_t, 5>, 10> Chiffres{{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 3, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7},
    {7, 1, 2, 2, 2},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 7},
}};

void Remplir(QImage& image, int x0, int y0, int w, int h, QRgb couleur)
{
    const int x1 = std::min(image.width(), x0 + w), y1 = std::min(image.height(), y0 + h);
    for (int y = std::max(0, y0); y < y1; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(ligne + std::max(0, x0), ligne + std::max(x1, std::max(0, x0)), couleur);
    }
}

void EcrireNombre(QImage& image, int x, int y, int pixel, int nombre)
{
    const std::string texte = std::to_string(nombre);
    for (const char c : texte) {
        const auto& chiffre = Chiffres[std::size_t(c - '0')];
        for (int ligne = 0; ligne < 5; ++ligne)
            for (int col = 0; col < 3; ++col)
                if (chiffre[std::size_t(ligne)] & (4 >> col))
                    Remplir(image, x + col * pixel, y + ligne * pixel, pixel, pixel, qRgb(255, 255, 0));
        x += 4 * pixel;
    }
}

// ---- Encoding --------------------------------------------------------------

struct Flux {
    AVStream* stream = nullptr;
    ff::Codec codec;
    // After a change of format the packets are numbered on from the last
    // one: the stream's time base counts the first format's frames.
    bool renumeroter = false;
    std::int64_t dernierDts = -1;
};

// The encoders of a codec, the first one Debian's FFmpeg has being used.
std::vector<const char*> NomsEncodeur(OptionsVideo::Codec c)
{
    switch (c) {
    case OptionsVideo::Codec::Mjpeg: return {"mjpeg"};
    case OptionsVideo::Codec::Mpeg4: return {"mpeg4"};
    case OptionsVideo::Codec::H264: return {"libx264"};
    case OptionsVideo::Codec::Brut: return {"rawvideo"};
    case OptionsVideo::Codec::H265: return {"libx265"};
    case OptionsVideo::Codec::Vp9: return {"libvpx-vp9"};
    case OptionsVideo::Codec::Av1: return {"libsvtav1", "libaom-av1"};
    case OptionsVideo::Codec::ProRes: return {"prores_ks"};
    case OptionsVideo::Codec::Mpeg2: return {"mpeg2video"};
    }
    return {};
}

AVPixelFormat FormatPixels(const OptionsVideo& o)
{
    switch (o.codec) {
    case OptionsVideo::Codec::Mjpeg: return AV_PIX_FMT_YUVJ420P;
    case OptionsVideo::Codec::Brut: return AV_PIX_FMT_BGR24;
    case OptionsVideo::Codec::ProRes: return AV_PIX_FMT_YUV422P10LE;
    default: return o.dixBits ? AV_PIX_FMT_YUV420P10LE : AV_PIX_FMT_YUV420P;
    }
}

const char* NomEncodeurSon(OptionsVideo::Son s)
{
    switch (s) {
    case OptionsVideo::Son::Pcm: return "pcm_s16le";
    case OptionsVideo::Son::Aac: return "aac";
    case OptionsVideo::Son::Opus: return "libopus";
    case OptionsVideo::Son::Vorbis: return "libvorbis";
    default: return "mp2";
    }
}

// 16-bit samples where the encoder takes them, else planar floats.
AVSampleFormat FormatEchantillons(const AVCodec& encodeur)
{
    for (const AVSampleFormat* f = encodeur.sample_fmts; f && *f != AV_SAMPLE_FMT_NONE; ++f)
        if (*f == AV_SAMPLE_FMT_S16) return AV_SAMPLE_FMT_S16;
    return AV_SAMPLE_FMT_FLTP;
}

// The settings that make each encoder quick, quiet and true to the keyframe
// spacing and B-frames asked for.
void Regler(AVCodecContext* c, const char* encodeur, const OptionsVideo& o)
{
    const std::string nom = encodeur;
    const std::string gop = std::to_string(o.gop), b = std::to_string(o.imagesB);
    if (nom == "libx265") {
        av_opt_set(c->priv_data, "preset", "ultrafast", 0);
        const std::string p = "log-level=none:keyint=" + gop + ":min-keyint=" + gop + ":scenecut=0:bframes=" + b +
            ":open-gop=" + (o.gopOuvert ? "1" : "0");
        av_opt_set(c->priv_data, "x265-params", p.c_str(), 0);
    } else if (nom == "libvpx-vp9") {
        av_opt_set(c->priv_data, "deadline", "good", 0);
        av_opt_set_int(c->priv_data, "cpu-used", 8, 0);
        c->bit_rate = 400000;
    } else if (nom == "libsvtav1") {
        av_opt_set_int(c->priv_data, "preset", 12, 0);
        av_opt_set(c->priv_data, "svtav1-params", "tune=0", 0);
    } else if (nom == "libaom-av1") {
        av_opt_set_int(c->priv_data, "cpu-used", 8, 0);
    } else if (nom == "prores_ks") {
        av_opt_set_int(c->priv_data, "profile", 0, 0);
    }
}

// Takes every packet the encoder has ready (all of them once flushed) into the file.
bool Vider(AVFormatContext* sortie, Flux& flux, AVPacket* paquet)
{
    for (;;) {
        const int r = avcodec_receive_packet(flux.codec.get(), paquet);
        if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return true;
        if (r < 0) return false;
        av_packet_rescale_ts(paquet, flux.codec->time_base, flux.stream->time_base);
        if (flux.renumeroter) paquet->pts = paquet->dts = flux.dernierDts + 1;
        flux.dernierDts = paquet->dts;
        paquet->stream_index = flux.stream->index;
        if (av_interleaved_write_frame(sortie, paquet) < 0) return false;
    }
}

bool Encoder(AVFormatContext* sortie, Flux& flux, const AVFrame* image, AVPacket* paquet)
{
    return avcodec_send_frame(flux.codec.get(), image) >= 0 && Vider(sortie, flux, paquet);
}

class Ecrivain {
public:
    // `passe` 1 or 2 of two, which share `statistiques`; 0 for one pass.
    Ecrivain(const std::string& chemin, const OptionsVideo& o, int passe = 0, std::string* statistiques = nullptr)
        : chemin_(chemin), o_(o), passe_(passe), statistiques_(statistiques)
    {
    }
    std::string Ecrire();

private:
    std::string OuvrirVideo();
    std::string OuvrirSon();
    std::string OuvrirEncodeurSon(int canaux, int frequence);
    bool ChangerSon(int image);
    bool EcrireImage(int index);
    bool EcrireSonJusqua(std::int64_t fin);

    const std::string& chemin_;
    const OptionsVideo& o_;
    const int passe_;
    std::string* statistiques_;
    ff::Sortie sortie_;
    Flux video_, son_;
    ff::Sws sws_;
    ff::Image image_ = ff::NouvelleImage();
    ff::Image echantillons_ = ff::NouvelleImage();
    ff::Paquet paquet_ = ff::NouveauPaquet();
    QImage toile_;   // the upright picture the painter paints
    QImage stockee_; // as it goes into the file
    int canaux_ = 1;
    int frequence_ = 1;
    double debutSegment_ = 0;   // seconds: where the current encoding of the sound starts
    std::int64_t sonEcrit_ = 0; // samples of the current encoding
};

std::string Ecrivain::OuvrirVideo()
{
    const AVCodec* encodeur = nullptr;
    for (const char* nom : NomsEncodeur(o_.codec))
        if (!encodeur) encodeur = avcodec_find_encoder_by_name(nom);
    if (!encodeur) return std::string("no encoder ") + NomsEncodeur(o_.codec).front();
    video_.stream = avformat_new_stream(sortie_.get(), nullptr);
    video_.codec.reset(avcodec_alloc_context3(encodeur));
    if (!video_.stream || !video_.codec) return "out of memory";
    AVCodecContext* c = video_.codec.get();
    const bool couche = o_.rotation == 90 || o_.rotation == 270;
    c->width = (couche ? o_.hauteur : o_.largeur) / std::max(1, o_.pixelLarge);
    c->height = couche ? o_.largeur : o_.hauteur;
    if (o_.pixelLarge > 1) c->sample_aspect_ratio = {o_.pixelLarge, 1};
    c->time_base = o_.temps.empty() ? AVRational{o_.echelle, o_.cadence} : AVRational{1, o_.unitesTemps};
    c->framerate = {o_.cadence, o_.echelle};
    c->pix_fmt = FormatPixels(o_);
    c->gop_size = o_.gop;
    if (sortie_->oformat->flags & AVFMT_GLOBALHEADER) c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Regler(c, encodeur->name, o_);
    const bool mpeg = o_.codec == OptionsVideo::Codec::Mpeg4 || o_.codec == OptionsVideo::Codec::Mpeg2;
    if (mpeg || o_.codec == OptionsVideo::Codec::H264) c->max_b_frames = o_.imagesB;
    c->thread_count = 1; // the same bytes on every run
    if (o_.codec == OptionsVideo::Codec::Mjpeg || mpeg) {
        c->flags |= AV_CODEC_FLAG_QSCALE;
        c->global_quality = FF_QP2LAMBDA * 3;
    }
    if (o_.codec == OptionsVideo::Codec::Mpeg4 && !o_.gopOuvert) {
        c->flags |= AV_CODEC_FLAG_CLOSED_GOP;
        av_opt_set_int(c->priv_data, "sc_threshold", 1000000000, 0);
    }
    if (o_.codec == OptionsVideo::Codec::H264) {
        av_opt_set(c->priv_data, "preset", "veryfast", 0);
        const std::string p = std::string("log=-1:scenecut=0") + (o_.gopOuvert ? ":open-gop=1" : "") +
            (o_.entrelace ? (o_.basDAbord ? ":interlaced=1:bff=1" : ":interlaced=1:tff=1") : "");
        av_opt_set(c->priv_data, "x264-params", p.c_str(), 0);
    }
    if (o_.entrelace) {
        c->flags |= AV_CODEC_FLAG_INTERLACED_DCT | AV_CODEC_FLAG_INTERLACED_ME;
        c->field_order = o_.basDAbord ? AV_FIELD_BB : AV_FIELD_TT;
    }
    if (passe_ == 1) c->flags |= AV_CODEC_FLAG_PASS1;
    if (passe_ == 2) {
        c->flags |= AV_CODEC_FLAG_PASS2;
        c->stats_in = statistiques_->data(); // the caller's, which outlives the encoder
    }
    if (avcodec_open2(c, encodeur, nullptr) < 0) return std::string("cannot open encoder ") + encodeur->name;
    video_.stream->time_base = c->time_base;
    video_.stream->sample_aspect_ratio = c->sample_aspect_ratio;
    if (o_.conteneur != "avi") video_.stream->avg_frame_rate = c->framerate;
    if (avcodec_parameters_from_context(video_.stream->codecpar, c) < 0) return "codec parameters";
    if (o_.rotation != 0 || o_.miroir) {
        auto* matrice = reinterpret_cast<std::int32_t*>(
            av_stream_new_side_data(video_.stream, AV_PKT_DATA_DISPLAYMATRIX, 9 * sizeof(std::int32_t)));
        if (!matrice) return "out of memory";
        av_display_rotation_set(matrice, o_.rotation);
        if (o_.miroir) av_display_matrix_flip(matrice, 1, 0);
    }

    image_->format = c->pix_fmt;
    image_->width = c->width;
    image_->height = c->height;
    if (av_frame_get_buffer(image_.get(), 0) < 0) return "out of memory";
    // JPEG's full-range format is its plain twin to swscale, told the range apart.
    const bool jpeg = c->pix_fmt == AV_PIX_FMT_YUVJ420P;
    sws_.reset(sws_getContext(c->width, c->height, AV_PIX_FMT_RGB32, c->width, c->height,
                              jpeg ? AV_PIX_FMT_YUV420P : c->pix_fmt, SWS_POINT, nullptr, nullptr, nullptr));
    if (sws_ && jpeg)
        sws_setColorspaceDetails(sws_.get(), sws_getCoefficients(SWS_CS_DEFAULT), 1,
                                 sws_getCoefficients(SWS_CS_DEFAULT), 1, 0, 1 << 16, 1 << 16);
    toile_ = QImage(o_.largeur, o_.hauteur, QImage::Format_RGB32);
    return sws_ && !toile_.isNull() ? "" : "out of memory";
}

std::string Ecrivain::OuvrirSon()
{
    son_.stream = avformat_new_stream(sortie_.get(), nullptr);
    if (!son_.stream) return "out of memory";
    if (std::string e = OuvrirEncodeurSon(o_.canaux, o_.frequence); !e.empty()) return e;
    son_.stream->time_base = son_.codec->time_base;
    return avcodec_parameters_from_context(son_.stream->codecpar, son_.codec.get()) < 0 ? "codec parameters" : "";
}

std::string Ecrivain::OuvrirEncodeurSon(int canaux, int frequence)
{
    const bool pcm = o_.son == OptionsVideo::Son::Pcm;
    const AVCodec* encodeur = avcodec_find_encoder_by_name(NomEncodeurSon(o_.son));
    if (!encodeur) return std::string("no encoder ") + NomEncodeurSon(o_.son);
    son_.codec.reset(avcodec_alloc_context3(encodeur));
    if (!son_.codec) return "out of memory";
    AVCodecContext* c = son_.codec.get();
    c->sample_fmt = FormatEchantillons(*encodeur);
    if (sortie_->oformat->flags & AVFMT_GLOBALHEADER) c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    c->sample_rate = frequence;
    av_channel_layout_default(&c->ch_layout, canaux);
    c->time_base = {1, frequence};
    if (!pcm) c->bit_rate = 64000 * canaux;
    if (avcodec_open2(c, encodeur, nullptr) < 0) return "cannot open the audio encoder";
    canaux_ = canaux;
    frequence_ = frequence;
    echantillons_ = ff::NouvelleImage();
    if (!echantillons_) return "out of memory";
    echantillons_->format = c->sample_fmt;
    echantillons_->nb_samples = c->frame_size > 0 ? c->frame_size : 1024;
    av_channel_layout_copy(&echantillons_->ch_layout, &c->ch_layout);
    echantillons_->sample_rate = c->sample_rate;
    return av_frame_get_buffer(echantillons_.get(), 0) < 0 ? "out of memory" : "";
}

// Ends the current encoding of the sound at the time of frame `image` and
// starts the new one there.
bool Ecrivain::ChangerSon(int image)
{
    if (!Encoder(sortie_.get(), son_, nullptr, paquet_.get())) return false;
    debutSegment_ = double(image) * o_.echelle / o_.cadence;
    son_.renumeroter = true;
    sonEcrit_ = 0;
    return OuvrirEncodeurSon(o_.canauxApres, o_.frequenceApres).empty();
}

bool Ecrivain::EcrireImage(int index)
{
    if (o_.peintre)
        o_.peintre(toile_, index);
    else
        PeindreMire(toile_, index);
    // The stored picture: mirrored back, turned back, pixels made wider.
    stockee_ = o_.miroir ? toile_.mirrored(true, false) : toile_;
    if (o_.rotation != 0) stockee_ = stockee_.transformed(QTransform().rotate(-o_.rotation));
    if (stockee_.width() != image_->width)
        stockee_ = stockee_.scaled(image_->width, image_->height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (av_frame_make_writable(image_.get()) < 0) return false;
    const std::uint8_t* source[4] = {stockee_.constBits(), nullptr, nullptr, nullptr};
    const int pas[4] = {int(stockee_.bytesPerLine()), 0, 0, 0};
    sws_scale(sws_.get(), source, pas, 0, stockee_.height(), image_->data, image_->linesize);
    image_->pts = o_.temps.empty() ? index - o_.imagesAvant : o_.temps[std::size_t(index)];
    image_->quality = video_.codec->global_quality;
    // x264 takes the field order from each picture it is given, whatever it was opened with.
    image_->interlaced_frame = o_.entrelace;
    image_->top_field_first = o_.entrelace && !o_.basDAbord;
    return Encoder(sortie_.get(), video_, image_.get(), paquet_.get());
}

// Sound up to sample `fin`, in whole encoder frames.
bool Ecrivain::EcrireSonJusqua(std::int64_t fin)
{
    const int parImage = son_.codec->frame_size; // 0: any number of samples
    while (sonEcrit_ < fin) {
        if (av_frame_make_writable(echantillons_.get()) < 0) return false;
        if (parImage == 0) echantillons_->nb_samples = int(std::min<std::int64_t>(1024, fin - sonEcrit_));
        const bool plan = echantillons_->format == AV_SAMPLE_FMT_FLTP;
        for (int i = 0; i < echantillons_->nb_samples; ++i)
            for (int c = 0; c < canaux_; ++c) {
                const std::int16_t v =
                    o_.echantillon ? o_.echantillon(sonEcrit_ + i, c) : EchantillonRampe(sonEcrit_ + i, c);
                if (plan)
                    reinterpret_cast<float*>(echantillons_->data[c])[i] = float(v) / 32768.0f;
                else
                    reinterpret_cast<std::int16_t*>(echantillons_->data[0])[i * canaux_ + c] = v;
            }
        echantillons_->pts = sonEcrit_;
        sonEcrit_ += echantillons_->nb_samples;
        if (!Encoder(sortie_.get(), son_, echantillons_.get(), paquet_.get())) return false;
    }
    return true;
}

std::string Ecrivain::Ecrire()
{
    if (o_.largeur <= 0 || o_.hauteur <= 0 || o_.echelle <= 0 || o_.cadence <= 0 || o_.images < 0)
        return "invalid size or frame rate";
    AVFormatContext* f = nullptr;
    if (!o_.temps.empty() && (o_.temps.size() != std::size_t(o_.images) || o_.unitesTemps <= 0))
        return "one time for each frame";
    if (avformat_alloc_output_context2(&f, nullptr, o_.conteneur.c_str(), chemin_.c_str()) < 0)
        return "no muxer " + o_.conteneur;
    sortie_.reset(f);
    if (!image_ || !echantillons_ || !paquet_) return "out of memory";
    if (std::string e = OuvrirVideo(); !e.empty()) return e;
    if (o_.son != OptionsVideo::Son::Aucun)
        if (std::string e = OuvrirSon(); !e.empty()) return e;
    if (avio_open(&sortie_->pb, chemin_.c_str(), AVIO_FLAG_WRITE) < 0) return "cannot create " + chemin_;
    for (const auto& [cle, valeur] : o_.etiquettes) av_dict_set(&sortie_->metadata, cle.c_str(), valeur.c_str(), 0);
    AVDictionary* reglages = nullptr;
    if (!o_.etiquettes.empty()) av_dict_set(&reglages, "movflags", "use_metadata_tags", 0);
    const int entete = avformat_write_header(sortie_.get(), &reglages);
    av_dict_free(&reglages);
    if (entete < 0) return "cannot write the header";
    for (int i = 0; i < o_.images; ++i) {
        if (!EcrireImage(i)) return "cannot encode frame " + std::to_string(i);
        if (son_.codec) {
            if (i == o_.changementSon && !ChangerSon(i)) return "cannot change the sound";
            const double secondes = double(i + 1) * o_.echelle / o_.cadence - debutSegment_;
            if (!EcrireSonJusqua(std::llround(secondes * frequence_))) return "cannot encode the sound";
        }
    }
    if (!Encoder(sortie_.get(), video_, nullptr, paquet_.get())) return "cannot flush the video encoder";
    if (passe_ == 1 && video_.codec->stats_out) *statistiques_ = video_.codec->stats_out;
    if (son_.codec && !Encoder(sortie_.get(), son_, nullptr, paquet_.get())) return "cannot flush the audio encoder";
    return av_write_trailer(sortie_.get()) < 0 ? "cannot write the index" : "";
}

} // namespace

std::string EcrireVideo(const std::string& chemin, const OptionsVideo& options)
{
    if (!options.deuxPasses) return Ecrivain(chemin, options).Ecrire();
    std::string statistiques;
    if (std::string e = Ecrivain(chemin, options, 1, &statistiques).Ecrire(); !e.empty()) return e;
    if (statistiques.empty()) return "no statistics from the first pass";
    return Ecrivain(chemin, options, 2, &statistiques).Ecrire();
}

void PeindreMire(QImage& image, int index)
{
    const int w = image.width(), h = image.height();
    // A gradient that slides and a bright bar that crosses: motion to predict.
    for (int y = 0; y < h; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int v = 64 + ((x + 3 * index) * 128 / std::max(1, w) + y * 32 / std::max(1, h)) % 128;
            ligne[x] = qRgb(v, v / 2 + 40, 160 - v / 2);
        }
    }
    const int barre = std::max(2, w / 20);
    Remplir(image, (index * 5) % std::max(1, w), 0, barre, h, qRgb(230, 90, 40));
    const int cellule = TailleCellule(image);
    for (int b = 0; b < BitsCode; ++b) {
        const bool un = (index >> b) & 1;
        Remplir(image, (b % CotesCode) * cellule, (b / CotesCode) * cellule, cellule, cellule,
                un ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    EcrireNombre(image, CotesCode * cellule + cellule / 4, cellule / 4, std::max(1, cellule / 4), index);
}

int LireCodeMire(const QImage& image)
{
    const int cellule = TailleCellule(image);
    if (image.isNull() || image.width() < CotesCode * cellule || image.height() < CotesCode * cellule) return -1;
    int index = 0;
    for (int b = 0; b < BitsCode; ++b) {
        // The middle half of the cell, away from blurred edges.
        const int x0 = (b % CotesCode) * cellule + cellule / 4, y0 = (b / CotesCode) * cellule + cellule / 4;
        int somme = 0, n = 0;
        for (int y = y0; y < y0 + cellule / 2; ++y)
            for (int x = x0; x < x0 + cellule / 2; ++x, ++n) somme += qGray(image.pixel(x, y));
        const int moyenne = somme / n;
        if (moyenne > 96 && moyenne < 160) return -1; // neither black nor white: no code here
        if (moyenne >= 160) index |= 1 << b;
    }
    return index;
}

std::int16_t EchantillonRampe(std::int64_t echantillon, int canal)
{
    const auto n = std::int16_t(std::uint16_t(echantillon & 0xFFFF));
    return canal == 0 ? n : std::int16_t(-n);
}
