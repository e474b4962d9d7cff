#include "media/FrameSourceSonConteneur.h"

#include "media/FrameSourceConteneur.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Decoding starts this long before the sample asked for: decoders that carry
// state from packet to packet (overlapping transforms, Opus's pre-roll) have
// it by then.
constexpr double Avance = 0.2;

} // namespace

SonConteneur::SonConteneur() : paquet_(ff::NouveauPaquet()) {}

bool SonConteneur::Ouvrir(const QString& chemin, const AVFormatContext& decrit, int flux, double origine)
{
    demuxeur_ = OuvrirConteneur(chemin);
    if (!demuxeur_ || !paquet_) return false;
    auto audio = [&] {
        return unsigned(flux) < demuxeur_->nb_streams &&
            demuxeur_->streams[flux]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
    };
    // Containers without a header (MPEG-TS) list their streams only once read.
    if (!audio() && (avformat_find_stream_info(demuxeur_.get(), nullptr) < 0 || !audio())) return false;
    flux_ = flux;
    origine_ = origine;
    for (unsigned i = 0; i < demuxeur_->nb_streams; ++i)
        if (int(i) != flux_) demuxeur_->streams[i]->discard = AVDISCARD_ALL;
    const AVStream& st = *decrit.streams[flux];
    if (!decodeur_.Ouvrir(*st.codecpar, demuxeur_->streams[flux_]->time_base)) return false;

    // The stream's span, from its own times or else the file's.
    const double base = av_q2d(st.time_base), unite = 1.0 / AV_TIME_BASE;
    const bool debutFichier = decrit.start_time != AV_NOPTS_VALUE;
    const double debut = st.start_time != AV_NOPTS_VALUE ? double(st.start_time) * base
        : debutFichier                                   ? double(decrit.start_time) * unite
                                                         : 0;
    double fin = 0;
    if (st.duration > 0)
        fin = debut + double(st.duration) * base;
    else if (decrit.duration > 0)
        fin = (debutFichier ? double(decrit.start_time) * unite : 0) + double(decrit.duration) * unite;
    const int frequence = Format().Frequence;
    debut_ = std::max<std::int64_t>(0, EchantillonAuTemps(debut - origine_, frequence));
    longueur_ = EchantillonAuTemps(fin - origine_, frequence) - debut_;
    return longueur_ > 0;
}

std::int64_t SonConteneur::Lire(std::int64_t premier, std::int64_t nombre, std::span<std::byte> tampon)
{
    const int taille = TailleEchantillon();
    nombre = std::min({nombre, debut_ + longueur_ - premier, std::int64_t(tampon.size()) / taille});
    if (premier < debut_ || nombre <= 0) return 0;
    if (!cherche_ || premier < decodeur_.Debut() || premier > decodeur_.Fin()) {
        // A demuxer that lands after the place asked for is sent to the start.
        if (!Chercher(premier, false) || decodeur_.Debut() > premier) Chercher(premier, true);
    }
    while (decodeur_.Fin() < premier + nombre && DecoderSuivant()) {}
    const std::int64_t lus = decodeur_.Servir(premier, nombre, tampon);
    // The stream lasts what the container says: a decoder that gives fewer
    // samples at the end (a codec's padding cut off) leaves silence.
    std::memset(tampon.data() + lus * taille, 0, std::size_t((nombre - lus) * taille));
    return nombre;
}

// Seeks the demuxer to a time before the sample and decodes up to the first
// picture, whose time stamp places the samples.
bool SonConteneur::Chercher(std::int64_t premier, bool depuisLeDebut)
{
    cherche_ = true;
    finDecodage_ = false;
    decodeur_.RepartirAuTemps(origine_);
    const std::int64_t debutFichier = demuxeur_->start_time != AV_NOPTS_VALUE ? demuxeur_->start_time : 0;
    const std::int64_t temps = depuisLeDebut
        ? debutFichier
        : std::llround((origine_ + double(premier) / Format().Frequence - Avance) * AV_TIME_BASE);
    if (avformat_seek_file(demuxeur_.get(), -1, INT64_MIN, temps, temps, 0) < 0) return false;
    while (!decodeur_.Place() && DecoderSuivant()) {}
    return decodeur_.Place();
}

bool SonConteneur::DecoderSuivant()
{
    if (finDecodage_) return false;
    do {
        av_packet_unref(paquet_.get());
        if (av_read_frame(demuxeur_.get(), paquet_.get()) < 0) {
            finDecodage_ = true;
            return decodeur_.Envoyer(nullptr);
        }
    } while (paquet_->stream_index != flux_);
    const bool decode = decodeur_.Envoyer(paquet_.get());
    av_packet_unref(paquet_.get());
    if (!decode) finDecodage_ = true;
    return decode;
}
