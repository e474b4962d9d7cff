// kinotab-cli table: a work file's table of values without a window, as the
// results window exports it: smoothing on, every column that was computed and
// the video's own time step (its capture step when it is a slow motion)
// unless the options choose otherwise; the times from the frames of the marks
// when the work file keeps them, through the series inputs the main window
// builds, and with --uncertainty the standard uncertainties beside the
// velocities and accelerations. "--columns all" adds the quantities the work
// file's masses and formulas give (energies, momenta, the user's own).

#include "cli/kinotab_cli.h"

#include "measure/UnitEntreesSeries.h"
#include "measure/UnitRotationImage.h"
#include "measure/UnitTravail.h"
#include "measure/UnitTravailImages.h"
#include "core/UnitFormatReel.h"
#include "kinematics/UnitPasDeTemps.h"
#include "results/UnitModeleResultats.h"
#include "media/FrameSource.h"

#include <QFileInfo>
#include <QLocale>
#include <array>
#include <cstdio>
#include <optional>

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
    if (!m.Etalonne())
        return QStringLiteral("no scale: place both ends of the scale segment (or the plane's corners) first");
    if (m.Outil == TOutil::Transparent)
        return m.MarquesTsp.empty() ? QStringLiteral("no marks on the transparent overlay") : QString();
    if (m.Marques.empty()) return QStringLiteral("no marks: mark the moving points first");
    if (!m.OrigineEstPlacee()) return QStringLiteral("no origin: place the origin of the axes first");
    return {};
}

struct OptionsTable {
    QString chemin;
    std::optional<double> pas;
    bool lisser = true;
    bool vitesses = true;
    bool accelerations = true;
    bool grandeurs = false; // energies, momenta, the user's quantities
    bool incertitudes = false;
};

// The choices a user has in the results window, as options.
std::optional<OptionsTable> lireOptions(const QStringList& arguments, QString& erreur)
{
    OptionsTable o;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool valeur = i + 1 < arguments.size();
        if (a == QLatin1String("--no-smoothing")) {
            o.lisser = false;
        } else if (a == QLatin1String("--uncertainty")) {
            o.incertitudes = true;
        } else if (a == QLatin1String("--time-step") && valeur) {
            const auto T = LireReel(arguments[++i]);
            if (!T || !TPasDeTemps::Admis(*T)) {
                erreur = QStringLiteral("the time step must be a number of seconds from 1e-6 to 1e9");
                return std::nullopt;
            }
            o.pas = *T;
        } else if (a == QLatin1String("--columns") && valeur) {
            const QString c = arguments[++i];
            if (c == QLatin1String("positions"))
                o.vitesses = o.accelerations = false;
            else if (c == QLatin1String("velocities"))
                o.accelerations = false;
            else if (c == QLatin1String("accelerations"))
                o.vitesses = false;
            else if (c == QLatin1String("all"))
                o.grandeurs = true;
            else {
                erreur = QStringLiteral("--columns takes positions, velocities, accelerations or all");
                return std::nullopt;
            }
        } else if (!a.startsWith(QLatin1String("--")) && o.chemin.isEmpty()) {
            o.chemin = a;
        } else {
            erreur = QStringLiteral("unexpected argument %1").arg(a);
            return std::nullopt;
        }
    }
    if (o.chemin.isEmpty()) {
        erreur = QStringLiteral("table takes one work file");
        return std::nullopt;
    }
    return o;
}

QString RaisonRefus(const TRefusGrandeur& r)
{
    using G = TRefusGrandeur::Genre;
    switch (r.Type) {
    case G::Syntaxe: return QStringLiteral("a fault in its formula at character %1").arg(r.Position + 1);
    case G::NomInconnu:
        return QStringLiteral("unknown name %1 at character %2")
            .arg(QString::fromStdString(r.Element))
            .arg(r.Position + 1);
    default: return QStringLiteral("its name is taken or not a name");
    }
}

QString messageCode(CodeResultat code)
{
    switch (code) {
    case CodePivotNul: return QStringLiteral("the computation met a division by zero");
    case CodeEtalonNul: return QStringLiteral("the two ends of the scale segment coincide");
    case CodeErreurInconnue: return QStringLiteral("the marks do not fit the number of moving points");
    case CodeTropPeuDeMesures: return QStringLiteral("fewer than three samples a point");
    default: return {};
    }
}

int table(const QStringList& arguments)
{
    QStringList reste = arguments;
    const std::optional<int> rotation = PrendreRotation(reste);
    if (!rotation) return 1;
    const bool champs = PrendreChamps(reste);
    QString erreur;
    const auto o = lireOptions(reste, erreur);
    if (!o) return Erreur(erreur);
    // The window's road: compute, then the Calculs menu's recomputations.
    TModeleResultats modele;
    if (const int code = CalculerTravail(o->chemin, modele, *rotation, champs)) return code;
    CodeResultat code = CodeSucces;
    if (!o->lisser && (code = modele.BasculerLissage()) != CodeSucces)
        return Erreur(QStringLiteral("without smoothing: %1").arg(messageCode(code)));
    if (o->pas && (code = modele.ChangerPasDeTemps(*o->pas)) != CodeSucces)
        return Erreur(QStringLiteral("with that time step: %1").arg(messageCode(code)));

    modele.MontrerPositions();
    modele.Tableau().MontrerIncertitudes(o->incertitudes);
    if (modele.MontrerVitesses(o->vitesses) != o->vitesses ||
        modele.MontrerAccelerations(o->accelerations) != o->accelerations)
        std::fprintf(stderr, "kinotab-cli: the columns that were not computed are left out\n");
    modele.Tableau().MontrerGroupe(GroupeColonne::Grandeur, o->grandeurs);
    modele.Tableau().PourChaqueLigne(QLocale().decimalPoint().front(), [](const QString& ligne) {
        const QByteArray octets = ligne.toUtf8();
        std::fwrite(octets.constData(), 1, size_t(octets.size()), stdout);
    });
    return 0;
}

const std::array Commandes = {
    CommandeCli{"table",
                "WORK.ktb [--time-step SECONDS] [--no-smoothing] [--columns "
                "positions|velocities|accelerations|all] [--uncertainty] [--rotation R] [--fields]",
                &table}};

} // namespace

int CalculerTravail(const QString& chemin, TModeleResultats& modele, int rotation, bool champs)
{
    const LectureTravail lu = LireTravail(chemin);
    if (lu.etat != LectureTravail::Etat::Ok) return Erreur(raisonLecture(lu, chemin));
    const Travail& t = lu.travail;
    if (!QFileInfo::exists(t.CheminVideo))
        return Erreur(QStringLiteral("the video %1 was not found").arg(t.CheminVideo));
    FrameSource video;
    if (!video.Ouvrir(t.CheminVideo)) return Erreur(QStringLiteral("the video %1 cannot be opened").arg(t.CheminVideo));
    // The marks' frame numbers count fields or whole pictures, as they were placed.
    if (champs && !t.Mesure.ChampsImages && (t.Mesure.NombreDePoints() > 0 || t.Mesure.NombreDePointsTsp() > 0))
        return Erreur(QStringLiteral("%1: its marks were placed on whole pictures, not on fields").arg(chemin));
    if (t.Mesure.ChampsImages && video.Entrelace() == Entrelacement::Aucun)
        return Erreur(
            QStringLiteral("%1 counts fields, and the video %2 is not interlaced").arg(chemin, t.CheminVideo));
    if (!AppliquerChamps(video, champs || t.Mesure.ChampsImages)) return 1;
    if (!ImagesTravailDansLaVideo(t, video.FrameCount()))
        return Erreur(QStringLiteral("%1 names frames beyond the end of the video").arg(chemin));
    if (const QString m = manque(t.Mesure); !m.isEmpty()) return Erreur(m);
    // The marks were placed on the picture turned as the work file says;
    // another turn turns them with it.
    EtatMesure mesure = t.Mesure;
    video.FixerRotation(mesure.RotationImage);
    if (rotation >= 0) {
        TournerMesure(mesure, (rotation - video.Rotation()) / 90);
        video.FixerRotation(rotation);
    }
    if (t.QuantiteIllisible)
        std::fprintf(stderr, "kinotab-cli: the quantity %s cannot be read (%s): the quantities are left out\n",
                     t.QuantiteIllisible->Nom.c_str(), RaisonRefus(t.QuantiteIllisible->Refus).toUtf8().constData());
    modele.PoserGrandeurs(t.Mesure.Grandeurs);
    const CodeResultat code =
        modele.CalculerResultats(EntreesSeries(mesure, video.Faits(), t.CheminVideo.toStdString()), true, true);
    if (code == CodeTropPeuDeMesures)
        std::fprintf(stderr, "kinotab-cli: fewer than three samples a point: no velocities or accelerations\n");
    else if (code != CodeSucces)
        return Erreur(messageCode(code));
    return 0;
}

std::span<const CommandeCli> CommandesTravail()
{
    return Commandes;
}
