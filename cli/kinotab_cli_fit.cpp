// kinotab-cli fit: a curve fitted to one results series of a work file, as
// the fit panel of the results window makes it, printed as tab-separated
// lines for a script. Exit 0 on success, 1 when the fit cannot be made, 2 on
// bad arguments.

#include "cli/kinotab_cli.h"

#include "core/UnitFormatReel.h"
#include "kinematics/UnitAjustementSeries.h"
#include "kinematics/UnitPasDeTemps.h"
#include "results/UnitModeleResultats.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace {

constexpr int ErreurArguments = 2;

struct OptionsFit {
    QString chemin;
    std::optional<TGrandeurAjustee> grandeur; // a series of a point
    QString quantite;                         // else a quantity by name: Ek1, pxS, the user's
    std::optional<int> point;                 // 1-based, as the results window numbers them
    std::optional<TModele> modele;
    std::optional<int> de, a; // frames of the marks, 0-based, inclusive
    QString expression;
    std::optional<double> pas;
    bool lisser = true;
    double pourcentLongueur = 0.0;
};

std::optional<int> lireImage(const QString& texte)
{
    const auto v = LireEntier(texte);
    if (!v || *v < 0) return std::nullopt;
    return *v;
}

// Nullopt with the reason in `erreur`.
std::optional<OptionsFit> lireOptions(const QStringList& arguments, QString& erreur)
{
    OptionsFit o;
    const auto faux = [&](const QString& raison) {
        erreur = raison;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool avecValeur = i + 1 < arguments.size();
        const QString v = avecValeur ? arguments[i + 1] : QString();
        if (a == QLatin1String("--no-smoothing")) {
            o.lisser = false;
            continue;
        }
        if (!a.startsWith(QLatin1String("--"))) {
            if (!o.chemin.isEmpty()) return faux(QStringLiteral("unexpected argument %1").arg(a));
            o.chemin = a;
            continue;
        }
        if (!avecValeur) return faux(QStringLiteral("%1 needs a value").arg(a));
        ++i;
        if (a == QLatin1String("--quantity")) {
            o.grandeur = GrandeurNommee(v.toStdString());
            o.quantite = v;
        } else if (a == QLatin1String("--point")) {
            const auto p = LireEntier(v);
            if (!p || *p < 1 || *p > 3) return faux(QStringLiteral("--point takes 1, 2 or 3"));
            o.point = *p;
        } else if (a == QLatin1String("--model")) {
            if (!(o.modele = ModeleNomme(v.toStdString())))
                return faux(
                    QStringLiteral("unknown model %1: line, parabola, poly3, exp, sine, dampedsine or expression")
                        .arg(v));
        } else if (a == QLatin1String("--from") || a == QLatin1String("--to")) {
            const auto f = lireImage(v);
            if (!f) return faux(QStringLiteral("%1 takes a frame number from 0").arg(a));
            (a == QLatin1String("--from") ? o.de : o.a) = *f;
        } else if (a == QLatin1String("--expression")) {
            o.expression = v;
        } else if (a == QLatin1String("--time-step")) {
            const auto T = LireReel(v);
            if (!T || !TPasDeTemps::Admis(*T))
                return faux(QStringLiteral("the time step must be a number of seconds from 1e-6 to 1e9"));
            o.pas = *T;
        } else if (a == QLatin1String("--scale-uncertainty")) {
            const auto p = LireReel(v);
            if (!p || !(*p >= 0.0) || *p > 100.0)
                return faux(QStringLiteral("--scale-uncertainty takes a percentage from 0 to 100"));
            o.pourcentLongueur = *p;
        } else {
            return faux(QStringLiteral("unexpected argument %1").arg(a));
        }
    }
    if (o.chemin.isEmpty()) return faux(QStringLiteral("fit takes one work file"));
    if (o.quantite.isEmpty() || !o.modele) return faux(QStringLiteral("fit needs --quantity and --model"));
    if (o.grandeur && !o.point) return faux(QStringLiteral("--quantity %1 needs --point").arg(o.quantite));
    if (!o.grandeur && o.point)
        return faux(
            QStringLiteral("--point goes with the quantities x, y, vx, vy, v, ax, ay and a, not %1").arg(o.quantite));
    if ((*o.modele == TModele::Expression) == o.expression.isEmpty())
        return faux(o.expression.isEmpty() ? QStringLiteral("the model expression needs --expression")
                                           : QStringLiteral("--expression goes with the model expression"));
    return o;
}

QString raison(const TResultatAjustement& r)
{
    const QString modele = QString::fromLatin1(NomModele(r.Demande.Modele));
    switch (r.Refus) {
    case TRefusAjustement::PointAbsent:
        return QStringLiteral("that point has no such series (velocities and accelerations need three samples)");
    case TRefusAjustement::PlageVide: return QStringLiteral("no samples in the range");
    case TRefusAjustement::TropPeu:
        return QStringLiteral("the model %1 needs at least %2 samples, the range has %3")
            .arg(modele)
            .arg(r.NbParametresRequis)
            .arg(r.Demande.Fin - r.Demande.Debut + 1);
    case TRefusAjustement::Constante: return QStringLiteral("the series is constant over the range: nothing to fit");
    case TRefusAjustement::Expression:
        return r.NomInconnu ? QStringLiteral("unknown name %1 at position %2 of the expression")
                                  .arg(QString::fromStdString(r.ElementErreur))
                                  .arg(r.PositionErreur + 1)
                            : QStringLiteral("the expression does not parse at position %1").arg(r.PositionErreur + 1);
    case TRefusAjustement::SansParametre: return QStringLiteral("the expression uses none of the parameters a to f");
    case TRefusAjustement::NonFini:
        return std::isnan(r.TempsNonFini) ? QStringLiteral("the model gives values that are not finite")
                                          : QStringLiteral("the model is not finite at t = %1 s").arg(r.TempsNonFini);
    case TRefusAjustement::NonConvergence: return QStringLiteral("the fit did not converge");
    case TRefusAjustement::Indetermine:
        return QStringLiteral("the samples do not determine every parameter of the model");
    case TRefusAjustement::Aucun: break;
    }
    return {};
}

void ecrire(const QString& ligne)
{
    const QByteArray octets = (ligne + QLatin1Char('\n')).toUtf8();
    std::fwrite(octets.constData(), 1, size_t(octets.size()), stdout);
}

QString nombre(double v)
{
    return QString::number(v, 'g', 10);
}

// The request's range of samples from --from and --to, over the frames of
// the marks of `point` (0-based); false when no sample lies in them.
bool borner(const OptionsFit& o, const TModeleResultats& modele, int point, int echantillons, TDemandeAjustement& d)
{
    if (!o.de && !o.a) return true;
    const TEntreesSeries& e = modele.Entrees();
    const auto plage =
        PlageDesImages(e.ModeTransparent ? e.ImagesMarquesTsp : e.ImagesMarques, modele.Series().NbPointsMobiles, point,
                       echantillons, o.de.value_or(0), o.a.value_or(std::numeric_limits<int>::max()));
    if (!plage) return false;
    d.Debut = plage->Debut;
    d.Fin = plage->Fin;
    return true;
}

int ajusterSerieDuPoint(const OptionsFit& o, const TModeleResultats& modele, TDemandeAjustement& d,
                        TResultatAjustement& a)
{
    const TResultatsSeries& r = modele.Series();
    d.Grandeur = *o.grandeur;
    d.Point = *o.point - 1;
    if (d.Point >= r.NbPointsMobiles)
        return Erreur(QStringLiteral("the measurement has %1 moving point(s)").arg(r.NbPointsMobiles));
    if (!borner(o, modele, d.Point, r.NbMesures[std::size_t(d.Point)], d))
        return Erreur(QStringLiteral("no samples of that point in the frames asked"));
    a = modele.Ajuster(d);
    return 0;
}

// A quantity's samples follow those of the points it uses, which are marked
// on the same frames: the range is taken on point 1's.
int ajusterQuantite(const OptionsFit& o, const TModeleResultats& modele, TDemandeAjustement& d, TResultatAjustement& a)
{
    const auto serie = modele.SerieNommee(o.quantite.toStdString());
    if (!serie)
        return Erreur(QStringLiteral("unknown quantity %1: x, y, vx, vy, v, ax, ay, a or a quantity of the work file "
                                     "(x1, Ek1, pxS, your own)")
                          .arg(o.quantite),
                      ErreurArguments);
    if (!borner(o, modele, 0, int(serie->Valeurs.size()), d))
        return Erreur(QStringLiteral("no samples of that quantity in the frames asked"));
    d.Quantite = o.quantite.toStdString();
    a = modele.Ajuster(d);
    return 0;
}

int fit(const QStringList& arguments)
{
    QString erreur;
    const auto o = lireOptions(arguments, erreur);
    if (!o) return Erreur(erreur, ErreurArguments);
    TModeleResultats modele;
    if (const int code = CalculerTravail(o->chemin, modele)) return code;
    if (!o->lisser && modele.BasculerLissage() != CodeSucces)
        return Erreur(QStringLiteral("the derivatives cannot be computed without smoothing"));
    if (o->pas && modele.ChangerPasDeTemps(*o->pas) != CodeSucces)
        return Erreur(QStringLiteral("the derivatives cannot be computed with that time step"));

    TDemandeAjustement d;
    d.Modele = *o->modele;
    d.Expression = o->expression.toStdString();
    d.IncertitudeLongueur = o->pourcentLongueur / 100.0;
    TResultatAjustement a;
    if (const int code = o->grandeur ? ajusterSerieDuPoint(*o, modele, d, a) : ajusterQuantite(*o, modele, d, a))
        return code;
    if (!a.Reussi()) return Erreur(raison(a));
    const QChar tab(QLatin1Char('\t'));
    ecrire(QStringLiteral("model") + tab + QString::fromLatin1(NomModele(d.Modele)));
    ecrire(QStringLiteral("n") + tab + QString::number(a.N));
    for (const TParametreAjuste& p : a.Parametres)
        ecrire(QStringLiteral("param") + tab + QString::fromStdString(p.Nom) + tab + nombre(p.Valeur) + tab +
               nombre(p.Incertitude));
    if (a.Derivee != TValeurDerivee::Aucune)
        ecrire(QString::fromLatin1(NomDerivee(a.Derivee)) + tab + nombre(a.ValeurDerivee.Valeur) + tab +
               nombre(a.ValeurDerivee.Incertitude));
    ecrire(QStringLiteral("scale_part") + tab +
           nombre(a.Derivee != TValeurDerivee::Aucune ? a.EchelleRelative : a.Demande.EchelleRelative));
    ecrire(QStringLiteral("rms") + tab + nombre(a.Rms));
    ecrire(QStringLiteral("chi2_reduced") + tab + nombre(a.Chi2Reduit));
    return 0;
}

const std::array Commandes = {
    CommandeCli{"fit",
                "WORK.ktb --quantity x|y|vx|vy|v|ax|ay|a --point 1|2|3 | --quantity NAME --model "
                "line|parabola|poly3|exp|sine|dampedsine|expression [--from FRAME] [--to FRAME] [--expression EXPR] "
                "[--time-step SECONDS] [--no-smoothing] [--scale-uncertainty PERCENT]",
                &fit}};

} // namespace

std::span<const CommandeCli> CommandesAjustement()
{
    return Commandes;
}
