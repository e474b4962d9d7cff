// kinotab-cli table: a work file's table of values without a window, as the
// results window exports it (smoothing on, velocities and accelerations on,
// the video's own frame time, the times from the frames of the marks when the
// file keeps them); with --uncertainty, the standard uncertainties beside them.

#include "tools/kinotab_cli.h"

#include "app/UnitEntreesSeries.h"
#include "app/UnitTravail.h"
#include "app/UnitTravailImages.h"
#include "kinematics/UnitPasDeTemps.h"
#include "kinematics/UnitSeries.h"
#include "results/UnitTableau.h"
#include "video/FrameSource.h"

#include <QFileInfo>
#include <QLocale>
#include <array>
#include <cstdio>

namespace {

QString raisonLecture(const LectureTravail& lu, const QString& chemin)
{
    if (!QFileInfo::exists(chemin)) return QStringLiteral("no work file %1").arg(chemin);
    if (lu.etat == LectureTravail::Etat::Illisible) return QStringLiteral("cannot read %1").arg(chemin);
    return QStringLiteral("%1 is not a valid work file (a line is missing or is not the number expected)").arg(chemin);
}

// The preconditions of the results, in the order the program checks them.
QString manque(const EtatMesure& m)
{
    if (!m.EtalonPlace()) return QStringLiteral("no scale: place both ends of the scale segment first");
    if (m.Outil == TOutil::Transparent)
        return m.MarquesTsp.empty() ? QStringLiteral("no marks on the transparent overlay") : QString();
    if (m.Marques.empty()) return QStringLiteral("no marks: mark the moving points first");
    if (!m.OrigineEstPlacee()) return QStringLiteral("no origin: place the origin of the axes first");
    return {};
}

int table(const QStringList& arguments)
{
    QStringList fichiers = arguments;
    const bool incertitudes = fichiers.removeAll(QStringLiteral("--uncertainty")) > 0;
    if (fichiers.size() != 1) return Erreur(QStringLiteral("table takes one work file"));
    const QString chemin = fichiers.first();
    const LectureTravail lu = LireTravail(chemin);
    if (lu.etat != LectureTravail::Etat::Ok) return Erreur(raisonLecture(lu, chemin));
    const Travail& t = lu.travail;
    if (!QFileInfo::exists(t.CheminVideo)) return Erreur(QStringLiteral("the video %1 was not found").arg(t.CheminVideo));
    FrameSource video;
    if (!video.Ouvrir(t.CheminVideo)) return Erreur(QStringLiteral("the video %1 cannot be opened").arg(t.CheminVideo));
    if (!ImagesTravailDansLaVideo(t, video.FrameCount()))
        return Erreur(QStringLiteral("%1 names frames beyond the end of the video").arg(chemin));
    if (const QString m = manque(t.Mesure); !m.isEmpty()) return Erreur(m);

    TPasDeTemps pas;
    TSeries series(pas);
    switch (series.CalculerResultats(
        EntreesSeries(t.Mesure, video.FrameTime(), video.AspectRatio(), t.CheminVideo.toStdString()), true, true)) {
    case CodePivotNul: return Erreur(QStringLiteral("the computation met a division by zero"));
    case CodeEtalonNul: return Erreur(QStringLiteral("the two ends of the scale segment coincide"));
    case CodeErreurInconnue: return Erreur(QStringLiteral("the marks do not fit the number of moving points"));
    case CodeTropPeuDeMesures:
        std::fprintf(stderr, "kinotab-cli: fewer than three samples a point: no velocities or accelerations\n");
        break;
    default: break;
    }
    const TResultatsSeries& r = series.Resultats();
    TTableau tableau;
    tableau.RemplirTableau(r);
    tableau.MontrerPositions(r.NbPointsMobiles);
    tableau.MontrerVitesses(r.AfficherVitesse, r.NbPointsMobiles);
    tableau.MontrerAccelerations(r.AfficherAcceleration, r.NbPointsMobiles);
    tableau.MontrerIncertitudes(incertitudes);
    const QByteArray texte = tableau.RemplirTexte(QLocale::system().decimalPoint().front()).toUtf8();
    std::fwrite(texte.constData(), 1, size_t(texte.size()), stdout);
    return 0;
}

const std::array Commandes = {CommandeCli{"table", "[--uncertainty] WORK.ktb", &table}};

} // namespace

std::span<const CommandeCli> CommandesTravail()
{
    return Commandes;
}
