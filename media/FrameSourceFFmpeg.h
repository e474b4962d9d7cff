#pragma once
// Owning pointers for the FFmpeg objects of the frame source: every object is
// freed by its pointer's deleter, never by hand.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavcodec/bsf.h>
#include <libavformat/avformat.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <memory>

namespace ff {

struct LibererFormat {
    void operator()(AVFormatContext* f) const { avformat_close_input(&f); }
};
// A muxer: its file is closed (when it opened one), then the context freed.
struct LibererSortie {
    void operator()(AVFormatContext* f) const
    {
        if (!(f->oformat->flags & AVFMT_NOFILE)) avio_closep(&f->pb);
        avformat_free_context(f);
    }
};
struct LibererCodec {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct LibererParametres {
    void operator()(AVCodecParameters* p) const { avcodec_parameters_free(&p); }
};
struct LibererPaquet {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct LibererImage {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct LibererSws {
    void operator()(SwsContext* s) const { sws_freeContext(s); }
};
struct LibererSwr {
    void operator()(SwrContext* s) const { swr_free(&s); }
};
struct LibererBsf {
    void operator()(AVBSFContext* b) const { av_bsf_free(&b); }
};

using Format = std::unique_ptr<AVFormatContext, LibererFormat>;
using Sortie = std::unique_ptr<AVFormatContext, LibererSortie>;
using Codec = std::unique_ptr<AVCodecContext, LibererCodec>;
using Parametres = std::unique_ptr<AVCodecParameters, LibererParametres>;
using Paquet = std::unique_ptr<AVPacket, LibererPaquet>;
using Image = std::unique_ptr<AVFrame, LibererImage>;
using Sws = std::unique_ptr<SwsContext, LibererSws>;
using Swr = std::unique_ptr<SwrContext, LibererSwr>;
using Bsf = std::unique_ptr<AVBSFContext, LibererBsf>;

inline Paquet NouveauPaquet()
{
    return Paquet(av_packet_alloc());
}
inline Image NouvelleImage()
{
    return Image(av_frame_alloc());
}

// A new reference to the same decoded picture (no pixel copy).
inline Image Reference(const AVFrame* source)
{
    Image copie(av_frame_alloc());
    if (copie && av_frame_ref(copie.get(), source) < 0) copie.reset();
    return copie;
}

// A copy of a stream's codec parameters that outlives the demuxer.
inline Parametres CopieParametres(const AVCodecParameters* source)
{
    Parametres copie(avcodec_parameters_alloc());
    if (copie && avcodec_parameters_copy(copie.get(), source) < 0) copie.reset();
    return copie;
}

} // namespace ff
