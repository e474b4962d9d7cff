#include "results/UnitTexteAjustement.h"

#include "resources/UnitChainesRessources.h"

#include <algorithm>
#include <cmath>

namespace {

// Minus as a teacher writes it, and the user's separator.
QString Nombre(double v, int decimales, QChar separateur)
{
    QString s = QString::number(v, 'f', decimales);
    // A value that rounds to zero keeps no sign.
    if (s.toDouble() == 0.0) s.remove(QLatin1Char('-'));
    s.replace(QLatin1Char('-'), QChar(0x2212));
    return s.replace(QLatin1Char('.'), separateur);
}

// "m", "m/s", "m/s²" … for metres times seconds to the power `s`.
QString UniteLongueur(int s)
{
    switch (s) {
    case 0: return Chaines::Texte("UniteM");
    case -1: return Chaines::Texte("UniteMS");
    case -2: return Chaines::Texte("UniteMS2");
    case -3: return Chaines::Texte("UniteMS3");
    case -4: return Chaines::Texte("UniteMS4");
    default: return Chaines::Texte("UniteMS5");
    }
}

// The unit of the fitted series times seconds to the power `s`: metres for a
// point's series, else the quantity's own ("J", "J/s", "(kg m/s)/s²", "1/s").
QString UniteSerie(const TResultatAjustement& r, const QString& uniteQuantite, int s)
{
    if (r.Demande.Quantite.empty()) return UniteLongueur(PuissanceSecondes(r.Demande.Grandeur) + s);
    if (s == 0) return uniteQuantite;
    static const char16_t* const secondes[] = {u"s", u"s²", u"s³", u"s⁴", u"s⁵"};
    const bool compose = uniteQuantite.contains(QLatin1Char('/')) || uniteQuantite.contains(QLatin1Char(' '));
    const QString base = uniteQuantite.isEmpty() ? QStringLiteral("1")
        : compose                                ? QStringLiteral("(%1)").arg(uniteQuantite)
                                                 : uniteQuantite;
    return base + QLatin1Char('/') + QString::fromUtf16(secondes[std::min(-s, 5) - 1]);
}

QString UniteDerivee(const TResultatAjustement& r)
{
    switch (r.Derivee) {
    case TValeurDerivee::Acceleration: return UniteLongueur(-2);
    case TValeurDerivee::Periode: return Chaines::Texte("UniteS");
    case TValeurDerivee::Taux: return Chaines::Texte("UniteParS");
    case TValeurDerivee::Aucune: break;
    }
    return {};
}

QString NomDeriveeTexte(TValeurDerivee d)
{
    switch (d) {
    case TValeurDerivee::Acceleration: return Chaines::Texte("AjustementNomAcceleration");
    case TValeurDerivee::Periode: return Chaines::Texte("AjustementNomPeriode");
    case TValeurDerivee::Taux: return Chaines::Texte("AjustementNomTaux");
    case TValeurDerivee::Aucune: break;
    }
    return {};
}

} // namespace

QString TexteMesure(double valeur, double u, double partEchelle, const QString& unite, QChar separateur)
{
    const bool connue = u > 0.0 && std::isfinite(u);
    const int decimales = connue ? std::max(0, 1 - int(std::floor(std::log10(u)))) : 6;
    QString texte = connue
        ? QStringLiteral("(%1 ± %2)").arg(Nombre(valeur, decimales, separateur), Nombre(u, decimales, separateur))
        : Nombre(valeur, decimales, separateur);
    if (!unite.isEmpty()) texte += QLatin1Char(' ') + unite;
    if (connue && partEchelle > 0.0 && std::isfinite(partEchelle))
        texte += QLatin1Char(' ') + Chaines::Texte("AjustementEchelle").arg(Nombre(partEchelle, decimales, separateur));
    return texte;
}

QString UniteParametre(const TResultatAjustement& r, int k, const QString& uniteQuantite)
{
    const QString serie = UniteSerie(r, uniteQuantite, 0);
    switch (r.Demande.Modele) {
    case TModele::Droite:
    case TModele::Parabole:
    case TModele::Poly3: return UniteSerie(r, uniteQuantite, -k);
    case TModele::Exp: return k == 1 ? Chaines::Texte("UniteParS") : serie;
    case TModele::Sinus: return k == 1 ? Chaines::Texte("UniteRadParS") : k == 2 ? Chaines::Texte("UniteRad") : serie;
    case TModele::SinusAmorti:
        return k == 1 ? Chaines::Texte("UniteParS")
            : k == 2  ? Chaines::Texte("UniteRadParS")
            : k == 3  ? Chaines::Texte("UniteRad")
                      : serie;
    case TModele::Expression: break;
    }
    return {};
}

QStringList LignesAjustement(const TResultatAjustement& r, QChar separateur, const QString& uniteQuantite)
{
    QStringList l;
    if (!r.Reussi()) return {RaisonRefus(r)};
    if (r.Derivee != TValeurDerivee::Aucune)
        l << NomDeriveeTexte(r.Derivee) + QStringLiteral(" = ") +
                TexteMesure(r.ValeurDerivee.Valeur, r.ValeurDerivee.Incertitude, r.ValeurDerivee.PartEchelle,
                            UniteDerivee(r), separateur);
    QStringList parametres;
    for (int k = 0; k < int(r.Parametres.size()); ++k) {
        const TParametreAjuste& p = r.Parametres[std::size_t(k)];
        parametres << QString::fromStdString(p.Nom) + QStringLiteral(" = ") +
                TexteMesure(p.Valeur, p.Incertitude, 0.0, UniteParametre(r, k, uniteQuantite), separateur);
    }
    l << parametres.join(QStringLiteral(";  "));
    const auto court = [separateur](double v) {
        return QString::number(v, 'g', 3).replace(QLatin1Char('.'), separateur);
    };
    l << Chaines::Texte("AjustementQualite")
             .arg(r.N)
             .arg((court(r.Rms) + QLatin1Char(' ') + UniteSerie(r, uniteQuantite, 0)).trimmed())
             .arg(court(r.Chi2Reduit));
    return l;
}

QString RaisonRefus(const TResultatAjustement& r)
{
    switch (r.Refus) {
    case TRefusAjustement::PointAbsent: return Chaines::Texte("AjustementPointAbsent");
    case TRefusAjustement::PlageVide: return Chaines::Texte("AjustementPlageVide");
    case TRefusAjustement::TropPeu:
        return Chaines::Texte("AjustementTropPeu").arg(r.NbParametresRequis).arg(r.Demande.Fin - r.Demande.Debut + 1);
    case TRefusAjustement::Constante: return Chaines::Texte("AjustementConstante");
    case TRefusAjustement::Expression:
        return r.NomInconnu ? Chaines::Texte("AjustementNomInconnu")
                                  .arg(QString::fromStdString(r.ElementErreur))
                                  .arg(r.PositionErreur + 1)
                            : Chaines::Texte("AjustementSyntaxe").arg(r.PositionErreur + 1);
    case TRefusAjustement::SansParametre: return Chaines::Texte("AjustementSansParametre");
    case TRefusAjustement::NonFini:
        return std::isnan(r.TempsNonFini) ? Chaines::Texte("AjustementNonFini")
                                          : Chaines::Texte("AjustementNonFiniEn").arg(r.TempsNonFini);
    case TRefusAjustement::NonConvergence: return Chaines::Texte("AjustementNonConvergence");
    case TRefusAjustement::Indetermine: return Chaines::Texte("AjustementIndetermine");
    case TRefusAjustement::Aucun: break;
    }
    return {};
}
