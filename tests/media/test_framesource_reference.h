#pragma once
// What FFmpeg itself shows of a video: every picture its decoder gives,
// decoding the packets in file order from the first, with the time stamp
// the picture carries and the frame number drawn into it. The frame source
// must show the same count, pictures and times.

#include "media/FrameSourceFFmpeg.h"
#include "media/FrameSourceImage.h"
#include "tools/VideoWriter.h"

#include <QFile>
#include <QString>
#include <vector>

struct ImageFFmpeg {
    double Temps = 0; // seconds from the first picture
    int Code = -1;    // the frame number drawn into it, -1 unreadable
    QImage Rgb;       // the picture itself, when asked for
};

struct DecodageFFmpeg {
    std::vector<ImageFFmpeg> Images;
    int Paquets = 0; // video packets in the file that hold data
};

inline DecodageFFmpeg DecoderAvecFFmpeg(const QString& chemin, bool garderImages = false)
{
    DecodageFFmpeg d;
    AVFormatContext* f = nullptr;
    if (avformat_open_input(&f, QFile::encodeName(chemin).constData(), nullptr, nullptr) < 0) return d;
    const ff::Format format(f);
    if (avformat_find_stream_info(f, nullptr) < 0) return d;
    const int flux = av_find_best_stream(f, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (flux < 0) return d;
    const AVStream* st = f->streams[flux];
    const AVCodec* decodeur = avcodec_find_decoder(st->codecpar->codec_id);
    ff::Codec codec(avcodec_alloc_context3(decodeur));
    if (!codec || avcodec_parameters_to_context(codec.get(), st->codecpar) < 0) return d;
    codec->pkt_timebase = st->time_base;
    if (avcodec_open2(codec.get(), decodeur, nullptr) < 0) return d;
    const ff::Paquet paquet = ff::NouveauPaquet();
    const ff::Image image = ff::NouvelleImage();
    ConvertisseurImage rgb;
    std::int64_t premier = AV_NOPTS_VALUE;
    auto recevoir = [&] {
        while (avcodec_receive_frame(codec.get(), image.get()) == 0) {
            const std::int64_t pts = image->pts != AV_NOPTS_VALUE ? image->pts : image->best_effort_timestamp;
            if (premier == AV_NOPTS_VALUE) premier = pts;
            const QImage converti = rgb.EnRgb(*image);
            d.Images.push_back({double(pts - premier) * av_q2d(st->time_base), LireCodeMire(converti),
                                garderImages ? converti.copy() : QImage()});
            av_frame_unref(image.get());
        }
    };
    while (av_read_frame(f, paquet.get()) >= 0) {
        // An empty packet (an AVI's dropped frame) would end the decoding.
        if (paquet->stream_index == flux && paquet->size > 0) {
            ++d.Paquets;
            avcodec_send_packet(codec.get(), paquet.get());
            recevoir();
        }
        av_packet_unref(paquet.get());
    }
    avcodec_send_packet(codec.get(), nullptr);
    recevoir();
    return d;
}
