// kinotab-cli info, times, frame and bench: the frame source on a video file.

#include "cli/kinotab_cli.h"
#include "media/FrameSource.h"

#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <iostream>
#include <random>
#include <vector>

namespace {

QString Raison(FrameSource::Echec e, const FrameSource::DetailEchec& d)
{
    switch (e) {
    case FrameSource::Echec::Aucun: break;
    case FrameSource::Echec::Introuvable: return QStringLiteral("no such file");
    case FrameSource::Echec::Illisible: return QStringLiteral("cannot read the file");
    case FrameSource::Echec::PasAvi: return QStringLiteral("not an AVI file FFmpeg can read");
    case FrameSource::Echec::SansVideo: return QStringLiteral("no video stream");
    case FrameSource::Echec::EnTeteInvalide:
        return QStringLiteral("invalid video stream header (zero scale, rate, width or height)");
    case FrameSource::Echec::SansImage:
        return d.Annoncees > 0 ? QStringLiteral("cut short before its first frame (0 of %1)").arg(d.Annoncees)
                               : QStringLiteral("no frame in the file");
    case FrameSource::Echec::Indecodable: return QStringLiteral("no decoder for the video codec %1").arg(d.Codec);
    case FrameSource::Echec::PasVideo: return QStringLiteral("not a video file FFmpeg can read");
    case FrameSource::Echec::Incomplet: return QStringLiteral("MP4/MOV file without its index (recording cut short)");
    }
    return {};
}

bool Ouvrir(FrameSource& source, const QString& chemin, int rotation = -1, bool champs = false)
{
    if (source.Ouvrir(chemin)) {
        source.FixerRotation(rotation);
        return AppliquerChamps(source, champs);
    }
    Erreur(chemin + QStringLiteral(": ") + Raison(source.DernierEchec(), source.DetailDernierEchec()));
    return false;
}

int Info(const QStringList& arguments)
{
    QStringList a = arguments;
    const std::optional<int> rotation = PrendreRotation(a);
    if (!rotation) return 1;
    const bool champs = PrendreChamps(a);
    if (a.size() != 1) return Erreur(QStringLiteral("info needs VIDEO"));
    FrameSource source;
    if (!Ouvrir(source, a[0], *rotation, champs)) return 1;
    std::cout << "FrameCount " << source.FrameCount() << "\nVideoWidth " << source.VideoWidth() << "\nVideoHeight "
              << source.VideoHeight() << "\nAspectRatio " << source.AspectRatio() << "\nFrameTime "
              << source.FrameTime() << "\nStartFrame " << source.StartFrame() << "\nPeriodMs " << source.PeriodeMs()
              << "\nAudio " << (source.Audio() ? "yes" : "no");
    const DescriptionVideo& d = source.Description();
    std::cout << "\nContainer " << d.Conteneur.toStdString() << "\nCodec " << d.Codec.toStdString() << "\nRotation "
              << source.Rotation() << "\nMirrored " << (d.Miroir && source.RotationForcee() < 0 ? "yes" : "no")
              << "\nVariableRate " << (d.CadenceVariable ? "yes" : "no") << "\nCaptureFps " << d.CaptureFps
              << "\nRepeatedFrames " << d.ImagesRepetees << std::endl;
    if (source.FrameCount() < source.ImagesAnnoncees())
        return Erreur(QStringLiteral("%1: file cut short: it holds %2 of the %3 frames its header announces")
                          .arg(a[0])
                          .arg(source.FrameCount())
                          .arg(source.ImagesAnnoncees()),
                      2);
    return 0;
}

int Times(const QStringList& arguments)
{
    QStringList a = arguments;
    const std::optional<int> rotation = PrendreRotation(a);
    if (!rotation) return 1;
    const bool champs = PrendreChamps(a);
    if (a.size() != 1) return Erreur(QStringLiteral("times needs VIDEO"));
    FrameSource source;
    if (!Ouvrir(source, a[0], *rotation, champs)) return 1;
    std::cout.precision(9);
    for (int i = 0; i < source.FrameCount(); ++i) std::cout << i << ' ' << source.TempsImage(i) << '\n';
    std::cout << std::flush;
    return 0;
}

int Frame(const QStringList& arguments)
{
    QStringList a = arguments;
    const std::optional<int> rotation = PrendreRotation(a);
    if (!rotation) return 1;
    const bool champs = PrendreChamps(a);
    if (a.size() != 3) return Erreur(QStringLiteral("frame needs VIDEO N OUT.png"));
    bool nombre = false;
    const int n = a[1].toInt(&nombre);
    if (!nombre) return Erreur(QStringLiteral("%1: not a frame index").arg(a[1]));
    FrameSource source;
    if (!Ouvrir(source, a[0], *rotation, champs)) return 1;
    if (n < 0 || n >= source.FrameCount())
        return Erreur(QStringLiteral("frame %1 is not in 0..%2").arg(n).arg(source.FrameCount() - 1));
    const QImage image = source.Image(n);
    if (image.isNull()) return Erreur(QStringLiteral("frame %1: the decoder gives no picture").arg(n));
    if (!image.save(a[2], "PNG")) return Erreur(QStringLiteral("%1: cannot write").arg(a[2]));
    return 0;
}

// ---- bench ------------------------------------------------------------------

using Horloge = std::chrono::steady_clock;

double Ms(Horloge::time_point debut)
{
    return std::chrono::duration<double, std::milli>(Horloge::now() - debut).count();
}

double Chronometrer(const std::function<void()>& f)
{
    const auto debut = Horloge::now();
    f();
    return Ms(debut);
}

double Mediane(std::vector<double> v)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

struct Banc {
    QString chemin;
    std::size_t pic = 0;
    int perdues = 0; // frames without a picture: a bench of a broken file says so

    bool Ouvrir(FrameSource& source) { return ::Ouvrir(source, chemin); }
    void Image(FrameSource& source, int i)
    {
        if (source.Image(i).isNull()) ++perdues;
    }
    void Noter(const FrameSource& source) { pic = std::max(pic, source.CachePic()); }

    // Steps of one frame from `depart` towards `fin`, each timed.
    std::vector<double> Pas(int depart, int fin)
    {
        FrameSource source;
        if (!Ouvrir(source)) return {};
        Image(source, depart);
        std::vector<double> durees;
        const int sens = fin > depart ? 1 : -1;
        for (int i = depart + sens; i != fin + sens; i += sens)
            durees.push_back(Chronometrer([&] { Image(source, i); }));
        Noter(source);
        return durees;
    }
};

int Bench(const QStringList& a)
{
    if (a.size() != 1) return Erreur(QStringLiteral("bench needs VIDEO"));
    Banc banc{a[0]};
    FrameSource source;
    bool ouvert = false;
    const double ouverture = Chronometrer([&] { ouvert = banc.Ouvrir(source); });
    if (!ouvert) return 1;
    const int n = source.FrameCount();

    const double sequence = Chronometrer([&] {
        for (int i = 0; i < n; ++i) banc.Image(source, i);
    });
    banc.Noter(source);
    source.Fermer();

    // A cold jump to the last frame: everything from its keyframe decoded.
    double froid = 0;
    if (banc.Ouvrir(source)) {
        froid = Chronometrer([&] { banc.Image(source, n - 1); });
        banc.Noter(source);
        source.Fermer();
    }

    const int pas = std::min(40, std::max(1, n / 3));
    const std::vector<double> avant = banc.Pas(n / 3, n / 3 + pas);
    const std::vector<double> arriere = banc.Pas(2 * n / 3, 2 * n / 3 - pas);

    std::vector<double> sauts;
    if (banc.Ouvrir(source)) {
        std::mt19937 g(42);
        std::uniform_int_distribution<int> d(0, n - 1);
        for (int k = 0; k < 100; ++k) {
            const int i = d(g);
            sauts.push_back(Chronometrer([&] { banc.Image(source, i); }));
        }
        banc.Noter(source);
    }

    // Composing into a 1280 x 720 picture off screen: frames already decoded,
    // converted and stretched at each draw.
    std::vector<double> dessins;
    QImage cible(1280, 720, QImage::Format_RGB32);
    const int nd = std::min(n, 50);
    for (int i = 0; i < nd; ++i) banc.Image(source, i);
    for (int i = 0; i < nd - 1; ++i) dessins.push_back(Chronometrer([&] { source.Dessiner(i, cible); }));
    banc.Noter(source);

    std::cout << "open_ms " << ouverture << "\nsequential_fps " << (sequence > 0 ? n * 1000.0 / sequence : 0)
              << "\nstep_forward_ms_median " << Mediane(avant) << "\nstep_backward_ms_median " << Mediane(arriere)
              << "\ncold_last_frame_ms " << froid << "\nrandom_jump_ms_median " << Mediane(sauts) << "\ndraw_ms_median "
              << Mediane(dessins) << "\ncache_peak_mib " << double(banc.pic) / (1 << 20) << std::endl;
    if (banc.perdues > 0) return Erreur(QStringLiteral("%1 frame requests gave no picture").arg(banc.perdues), 2);
    return 0;
}

const CommandeCli Commandes[] = {
    {"info", "VIDEO [--rotation R] [--fields]", Info},
    {"times", "VIDEO [--rotation R] [--fields]", Times},
    {"frame", "VIDEO N OUT.png [--rotation R] [--fields]", Frame},
    {"bench", "VIDEO", Bench},
};

} // namespace

std::span<const CommandeCli> CommandesVideo()
{
    return Commandes;
}
