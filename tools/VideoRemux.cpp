#include "tools/VideoRemux.h"

#include "media/FrameSourceFFmpeg.h"

extern "C" {
#include <libavutil/display.h>
}

namespace {

class Remux {
public:
    Remux(const OptionsRemux& o) : o_(o) {}
    std::string Copier(const std::string& source, const std::string& cible);

private:
    std::string OuvrirSortie(const std::string& cible);
    bool Ecrire(AVPacket& p);
    bool Filtrer(AVPacket* p);

    const OptionsRemux& o_;
    ff::Format entree_;
    ff::Sortie sortie_;
    ff::Bsf bsf_;
    int video_ = -1;
    int index_ = 0;
};

std::string Remux::OuvrirSortie(const std::string& cible)
{
    AVFormatContext* f = nullptr;
    if (avformat_alloc_output_context2(&f, nullptr, nullptr, cible.c_str()) < 0) return "no muxer for " + cible;
    sortie_.reset(f);
    // The muxer would join split superframes again.
    sortie_->flags &= ~AVFMT_FLAG_AUTO_BSF;
    for (unsigned i = 0; i < entree_->nb_streams; ++i) {
        const AVStream* s = entree_->streams[i];
        AVStream* d = avformat_new_stream(sortie_.get(), nullptr);
        if (!d || avcodec_parameters_copy(d->codecpar, s->codecpar) < 0) return "out of memory";
        d->codecpar->codec_tag = 0;
        d->time_base = s->time_base;
        d->avg_frame_rate = s->avg_frame_rate;
        if (int(i) != video_) continue;
        const auto* matrice =
            reinterpret_cast<const std::int32_t*>(av_stream_get_side_data(s, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
        if (o_.rotation < 0 && !matrice) continue;
        auto* nouvelle = reinterpret_cast<std::int32_t*>(
            av_stream_new_side_data(d, AV_PKT_DATA_DISPLAYMATRIX, 9 * sizeof(std::int32_t)));
        if (!nouvelle) return "out of memory";
        if (o_.rotation >= 0)
            av_display_rotation_set(nouvelle, o_.rotation); // as the writer says a turn
        else
            std::copy(matrice, matrice + 9, nouvelle);
    }
    if (avio_open(&sortie_->pb, cible.c_str(), AVIO_FLAG_WRITE) < 0) return "cannot create " + cible;
    return avformat_write_header(sortie_.get(), nullptr) < 0 ? "cannot write the header" : "";
}

bool Remux::Ecrire(AVPacket& p)
{
    const AVStream* s = entree_->streams[p.stream_index];
    if (p.stream_index == video_ && o_.temps) {
        p.pts = o_.temps(index_, p.pts);
        p.dts = p.pts;
    }
    if (p.stream_index == video_) ++index_;
    av_packet_rescale_ts(&p, s->time_base, sortie_->streams[p.stream_index]->time_base);
    return av_interleaved_write_frame(sortie_.get(), &p) >= 0;
}

// Hands the video packet (null: the end) through the splitter, and what comes out to the file.
bool Remux::Filtrer(AVPacket* p)
{
    if (av_bsf_send_packet(bsf_.get(), p) < 0) return false;
    const ff::Paquet sorti = ff::NouveauPaquet();
    while (av_bsf_receive_packet(bsf_.get(), sorti.get()) == 0) {
        sorti->stream_index = video_;
        if (!Ecrire(*sorti)) return false;
    }
    return true;
}

std::string Remux::Copier(const std::string& source, const std::string& cible)
{
    AVFormatContext* f = nullptr;
    if (avformat_open_input(&f, source.c_str(), nullptr, nullptr) < 0) return "cannot open " + source;
    entree_.reset(f);
    if (avformat_find_stream_info(entree_.get(), nullptr) < 0) return "no stream info";
    video_ = av_find_best_stream(entree_.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (video_ < 0) return "no video";
    if (o_.separerSuperImages) {
        AVBSFContext* b = nullptr;
        const AVBitStreamFilter* filtre = av_bsf_get_by_name("vp9_superframe_split");
        if (!filtre || av_bsf_alloc(filtre, &b) < 0) return "no superframe splitter";
        bsf_.reset(b);
        if (avcodec_parameters_copy(bsf_->par_in, entree_->streams[video_]->codecpar) < 0) return "out of memory";
        bsf_->time_base_in = entree_->streams[video_]->time_base;
        if (av_bsf_init(bsf_.get()) < 0) return "cannot split superframes";
    }
    if (std::string e = OuvrirSortie(cible); !e.empty()) return e;
    const ff::Paquet p = ff::NouveauPaquet();
    while (av_read_frame(entree_.get(), p.get()) >= 0) {
        const bool ecrit = bsf_ && p->stream_index == video_ ? Filtrer(p.get()) : Ecrire(*p);
        av_packet_unref(p.get());
        if (!ecrit) return "cannot write a packet";
    }
    if (bsf_ && !Filtrer(nullptr)) return "cannot write a packet";
    return av_write_trailer(sortie_.get()) < 0 ? "cannot write the index" : "";
}

} // namespace

std::string Remuxer(const std::string& source, const std::string& cible, const OptionsRemux& options)
{
    return Remux(options).Copier(source, cible);
}
