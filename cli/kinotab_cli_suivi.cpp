// kinotab-cli track: automatic tracking without a window, by the same tracker
// the window runs, from one mark on the upright picture. One line a mark,
// the first mark's included, then why the run ended; --out keeps the marks
// and their frames as a work file. With --rotation the picture is turned
// (the point and the lines are in the picture as turned); with --fields each
// field of an interlaced video is a frame.

#include "cli/kinotab_cli.h"

#include "kinematics/UnitBaseTemps.h"
#include "measure/UnitTravail.h"
#include "media/FrameSource.h"
#include "tracking/UnitTravailleurSuivi.h"

#include <QFileInfo>
#include <array>
#include <cstdio>
#include <optional>

namespace {

const char* const Arguments = "VIDEO FRAME X Y [--out WORK.ktb] [--rotation R] [--fields]";

struct Demande {
    QString Video;
    int Image = 0;
    PointD Point;
    QString Sortie;    // empty: no work file
    int Rotation = -1; // clockwise degrees in place of the video's turn, -1 the video's
    bool Champs = false;
};

std::optional<Demande> Lire(QStringList a)
{
    Demande d;
    const std::optional<int> rotation = PrendreRotation(a);
    if (!rotation) return std::nullopt;
    d.Rotation = *rotation;
    d.Champs = PrendreChamps(a);
    QStringList positions;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] == QLatin1String("--out")) {
            if (i + 1 >= a.size() || !d.Sortie.isEmpty()) return std::nullopt;
            d.Sortie = a[++i];
        } else {
            positions << a[i];
        }
    }
    if (positions.size() != 4) return std::nullopt;
    bool image = false, x = false, y = false;
    d.Video = positions[0];
    d.Image = positions[1].toInt(&image);
    d.Point = {positions[2].toDouble(&x), positions[3].toDouble(&y)};
    if (!image || !x || !y || !std::isfinite(d.Point.X) || !std::isfinite(d.Point.Y)) return std::nullopt;
    return d;
}

const char* Raison(FinSuivi f)
{
    switch (f) {
    case FinSuivi::DerniereImage: return "end";
    case FinSuivi::HorsImage: return "left";
    case FinSuivi::Immobile: return "still";
    case FinSuivi::Doute: return "doubt";
    case FinSuivi::Aucune:
    case FinSuivi::Perdu:
    case FinSuivi::SansImage: break;
    }
    return "lost";
}

void Ligne(int image, PointD p, const OrigineMarque& o)
{
    std::printf("%d\t%.3f\t%.3f\t%.3f\t%s\n", image, p.X, p.Y, o.Score, o.Doute ? "doubt" : "ok");
}

// The marks as the window would have placed them, one moving point, on
// frames premiere, premiere + 1, ...
Travail TravailSuivi(const Demande& d, const FrameSource& source, const std::vector<PointD>& points,
                     const std::vector<OrigineMarque>& origines)
{
    Travail t;
    t.CheminVideo = QFileInfo(d.Video).absoluteFilePath();
    EtatMesure& m = t.Mesure;
    m.Couleur = 255; // red, as a video opened in the window starts
    m.RotationImage = d.Rotation;
    m.ChampsImages = source.Champs();
    m.CouleurCurseur = TCouleurCurseur::NoirEtBlanc;
    std::vector<int> images;
    for (std::size_t k = 0; k < points.size(); ++k) {
        m.Marques.push_back({points[k].X / source.VideoWidth(), points[k].Y / source.VideoHeight()});
        images.push_back(d.Image + int(k));
    }
    m.OriginesMarques = origines;
    m.MarquesDerniereImage = images.back() == source.FrameCount() - 1 ? 1 : 0;
    m.ImagesMarques = ImagesApresMarques(images, 1, m.MarquesDerniereImage);
    t.NumeroImage = m.ImagesMarques.back();
    return t;
}

int Suivre(const QStringList& arguments)
{
    const std::optional<Demande> d = Lire(arguments);
    if (!d) return Erreur(QStringLiteral("usage: kinotab-cli track %1").arg(QLatin1String(Arguments)), 2);
    FrameSource source;
    if (!source.Ouvrir(d->Video)) return Erreur(QStringLiteral("cannot open the video %1").arg(d->Video));
    source.FixerRotation(d->Rotation);
    if (!AppliquerChamps(source, d->Champs)) return 1;
    if (d->Image < 0 || d->Image >= source.FrameCount())
        return Erreur(QStringLiteral("FRAME must lie in 0..%1").arg(source.FrameCount() - 1), 2);
    const PointD p = d->Point;
    if (p.X < 0 || p.Y < 0 || p.X > source.VideoWidth() - 1 || p.Y > source.VideoHeight() - 1)
        return Erreur(QStringLiteral("X Y must lie in the picture, 0..%1 and 0..%2")
                          .arg(source.VideoWidth() - 1)
                          .arg(source.VideoHeight() - 1),
                      2);

    ImagesSource images(source);
    TSuivi suivi(images, d->Image, {{p}});
    std::vector<PointD> points{p};
    std::vector<OrigineMarque> origines{OrigineMarque{}};
    Ligne(d->Image, p, origines[0]);
    EtapeSuivi e = suivi.Suivante();
    for (; e.Fin == FinSuivi::Aucune; e = suivi.Suivante()) {
        Ligne(e.Image, e.Points[0], e.Origines[0]);
        points.push_back(e.Points[0]);
        origines.push_back(e.Origines[0]);
    }
    std::printf("stop\t%s\n", Raison(e.Fin));
    std::fflush(stdout);
    if (e.Fin == FinSuivi::SansImage) Erreur(QStringLiteral("frame %1 cannot be read").arg(e.Image), 1);

    if (!d->Sortie.isEmpty() &&
        EcrireTravail(d->Sortie, TravailSuivi(*d, source, points, origines), '.') != ResultatEcriture::Ok)
        return Erreur(QStringLiteral("cannot write %1").arg(d->Sortie));
    if (points.size() < 2)
        return Erreur(QStringLiteral("no mark placed after the first (stop: %1)").arg(Raison(e.Fin)));
    return 0;
}

const std::array Commandes = {CommandeCli{"track", Arguments, Suivre}};

} // namespace

std::span<const CommandeCli> CommandesSuivi()
{
    return Commandes;
}
