#include "kinematics/UnitAjustementSeries.h"

#include "kinematics/UnitAjustement.h"
#include "kinematics/UnitCorrelations.h"
#include "kinematics/UnitDepartsAjustement.h"
#include "kinematics/UnitMatrice.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

using G = TGrandeurAjustee;
using S = TResultatsSeries;

constexpr std::array<std::string_view, 8> NomsGrandeurs{"x", "y", "vx", "vy", "v", "ax", "ay", "a"};
constexpr std::array<S::Series S::*, 8> SeriesGrandeurs{&S::SerieX, &S::SerieY,  &S::SerieVX, &S::SerieVY,
                                                        &S::SerieV, &S::SerieAX, &S::SerieAY, &S::SerieA};

bool Position(G g)
{
    return g == G::X || g == G::Y;
}
bool Vitesse(G g)
{
    return g == G::VX || g == G::VY || g == G::V;
}

bool Calculee(const S& r, G g)
{
    return Position(g) || (Vitesse(g) ? r.AfficherVitesse : r.AfficherAcceleration);
}

TRefusAjustement Refus(TEchecAjustement e)
{
    switch (e) {
    case TEchecAjustement::Aucun: return TRefusAjustement::Aucun;
    case TEchecAjustement::TropPeu: return TRefusAjustement::TropPeu;
    case TEchecAjustement::Constante: return TRefusAjustement::Constante;
    case TEchecAjustement::NonFini: return TRefusAjustement::NonFini;
    case TEchecAjustement::NonConvergence: return TRefusAjustement::NonConvergence;
    case TEchecAjustement::Indetermine: break;
    }
    return TRefusAjustement::Indetermine;
}

std::unique_ptr<TFonctionModele> Modele(const TDemandeAjustement& d, TResultatAjustement& res)
{
    if (d.Modele != TModele::Expression) return FonctionModele(d.Modele);
    ErreurExpression erreur;
    auto m = FonctionExpression(d.Expression, &erreur);
    if (!m) {
        res.Refus = erreur.Position < 0 ? TRefusAjustement::SansParametre : TRefusAjustement::Expression;
        res.PositionErreur = erreur.Position;
        res.ElementErreur = erreur.Element;
        res.NomInconnu = erreur.Genre == ErreurExpression::Type::NomInconnu;
    }
    return m;
}

// The derived value and its gradient with respect to the parameters.
TValeurDerivee Derivee(TModele m, std::optional<G> g, const std::vector<double>& p, double& valeur,
                       std::vector<double>& gradient)
{
    gradient.assign(p.size(), 0.0);
    if (m == TModele::Parabole && g && Position(*g)) {
        valeur = 2.0 * p[2];
        gradient[2] = 2.0;
        return TValeurDerivee::Acceleration;
    }
    if (m == TModele::Droite && g && Vitesse(*g)) {
        valeur = p[1];
        gradient[1] = 1.0;
        return TValeurDerivee::Acceleration;
    }
    if (m == TModele::Sinus || m == TModele::SinusAmorti) {
        const std::size_t k = m == TModele::Sinus ? 1 : 2; // the angular frequency
        valeur = 2.0 * std::numbers::pi / std::abs(p[k]);
        gradient[k] = -valeur / p[k];
        return TValeurDerivee::Periode;
    }
    if (m == TModele::Exp) {
        valeur = p[1];
        gradient[1] = 1.0;
        return TValeurDerivee::Taux;
    }
    return TValeurDerivee::Aucune;
}

// Covariance of the parameters of a fit of a velocity or acceleration series:
// sum over the coordinates of s^2 (A R_k)(A R_k)^T.
std::vector<double> CovarianceCorrelee(const TSolutionAjustement& s, const TReponses& rep, int n)
{
    const int m = int(s.Parametres.size());
    std::vector<double> C(std::size_t(m * m), 0.0), b(static_cast<std::size_t>(m));
    for (const TReponses::Coordonnee& co : rep.Coordonnees)
        for (const std::vector<double>& R : co.R) {
            for (int a = 0; a < m; ++a) {
                double v = 0.0;
                for (int i = 0; i < n; ++i) v += s.Sensibilite[std::size_t(a * n + i)] * R[std::size_t(i)];
                b[a] = v;
            }
            const double s2 = co.Bruit * co.Bruit;
            for (int a = 0; a < m; ++a)
                for (int c = 0; c < m; ++c) C[std::size_t(a * m + c)] += s2 * b[a] * b[c];
        }
    return C;
}

// The variance of each sample of the range under the responses.
std::vector<double> Variances(const TReponses& rep, int n)
{
    std::vector<double> v(std::size_t(n), 0.0);
    for (const TReponses::Coordonnee& co : rep.Coordonnees)
        for (const std::vector<double>& R : co.R)
            for (int i = 0; i < n; ++i)
                v[std::size_t(i)] += co.Bruit * co.Bruit * R[std::size_t(i)] * R[std::size_t(i)];
    return v;
}

// The scatter of samples about a smooth motion from their third differences,
// which take out any parabola over four equally spaced samples: for
// independent noise of deviation s each has variance 20 s^2. NaN with fewer
// than four samples.
double BruitDifferences(std::span<const double> y)
{
    if (y.size() < 4) return std::nan("");
    double somme = 0.0;
    for (std::size_t i = 3; i < y.size(); ++i) {
        const double d = y[i] - 3 * y[i - 1] + 3 * y[i - 2] - y[i - 3];
        somme += d * d;
    }
    return std::sqrt(somme / (20.0 * double(y.size() - 3)));
}

// Where the model at its starting values is not finite; NaN when it is
// finite everywhere (the fault came later, on the way).
double PremierNonFini(const TFonctionModele& modele, std::span<const double> t, const std::vector<double>& p)
{
    std::vector<double> g(p.size());
    for (double x : t) {
        modele.Gradient(x, p, g);
        if (!std::isfinite(modele.Valeur(x, p)) ||
            !std::all_of(g.begin(), g.end(), [](double v) { return std::isfinite(v); }))
            return x;
    }
    return std::nan("");
}

} // namespace

std::string_view NomGrandeur(TGrandeurAjustee g)
{
    return NomsGrandeurs[std::size_t(g)];
}

std::optional<TGrandeurAjustee> GrandeurNommee(std::string_view nom)
{
    for (std::size_t i = 0; i < NomsGrandeurs.size(); ++i)
        if (NomsGrandeurs[i] == nom) return TGrandeurAjustee(i);
    return std::nullopt;
}

int PuissanceSecondes(TGrandeurAjustee g)
{
    return Position(g) ? 0 : Vitesse(g) ? -1 : -2;
}

std::string_view NomDerivee(TValeurDerivee d)
{
    switch (d) {
    case TValeurDerivee::Acceleration: return "acceleration";
    case TValeurDerivee::Periode: return "period";
    case TValeurDerivee::Taux: return "rate";
    case TValeurDerivee::Aucune: break;
    }
    return {};
}

namespace {

// The samples of the range and how their fit is weighed.
struct Echantillons {
    std::span<const double> t, y;
    std::vector<double> poids;
    bool correles = false;     // derivatives of the positions: covariance from their responses
    TReponses reponses;        // with correles
    bool poidsAbsolus = false; // weights from the samples' own uncertainties
    std::optional<G> grandeur; // a series of a point; nullopt for a quantity of the user's
};

// Clamps the requested range to n samples; false with PlageVide.
bool Borner(int n, TResultatAjustement& res)
{
    res.Demande.Debut = std::max(0, res.Demande.Debut);
    res.Demande.Fin = res.Demande.Fin < 0 ? n - 1 : std::min(res.Demande.Fin, n - 1);
    if (n == 0 || res.Demande.Debut > res.Demande.Fin) {
        res.Refus = TRefusAjustement::PlageVide;
        return false;
    }
    return true;
}

// The model of the request for n samples; null with the refusal set (bad
// formula, too few samples).
std::unique_ptr<TFonctionModele> ModeleDeLaPlage(int n, TResultatAjustement& res)
{
    auto modele = Modele(res.Demande, res);
    if (!modele) return modele;
    const int m = modele->NbParametres();
    if (n < m + 1) {
        res.Refus = TRefusAjustement::TropPeu;
        res.NbParametresRequis = m + 1;
        modele.reset();
    }
    return modele;
}

void Resoudre(const TFonctionModele& modele, const Echantillons& e, TResultatAjustement& res)
{
    const TDemandeAjustement& demande = res.Demande;
    const std::span<const double> t = e.t, y = e.y;
    const int n = int(t.size()), m = modele.NbParametres();
    std::vector<double> departs = demande.Departs;
    if (demande.Modele == TModele::Expression)
        departs.resize(std::size_t(m), 1.0);
    else if (!modele.Lineaire())
        departs = Departs(demande.Modele, t, y);
    const TSolutionAjustement s = Resoudre(modele, t, y, e.poids, departs);
    res.Refus = Refus(s.Echec);
    if (res.Refus == TRefusAjustement::NonFini) res.TempsNonFini = PremierNonFini(modele, t, departs);
    if (!res.Reussi()) return;

    // Covariance: from the scatter about the fit, or propagated from the
    // positions for their derivatives.
    std::vector<double> C = s.Inverse;
    if (e.correles) {
        C = CovarianceCorrelee(s, e.reponses, n);
    } else {
        for (double& c : C) c *= s.Chi2 / s.Liberte;
    }

    // The scale multiplies every sample: its part of each parameter is the
    // response of the fit to y scaled by 1 + r.
    const double rEchelle = std::max(0.0, demande.EchelleRelative);
    std::vector<double> echelle(std::size_t(m), 0.0);
    res.Temps.assign(t.begin(), t.end());
    res.Residus.resize(std::size_t(n));
    double somme = 0.0;
    for (int i = 0; i < n; ++i) {
        const double f = modele.Valeur(t[std::size_t(i)], s.Parametres);
        res.Residus[std::size_t(i)] = y[std::size_t(i)] - f;
        somme += res.Residus[std::size_t(i)] * res.Residus[std::size_t(i)];
        for (int a = 0; a < m; ++a) echelle[std::size_t(a)] += s.Sensibilite[std::size_t(a * n + i)] * f;
    }
    for (int a = 0; a < m; ++a) {
        TParametreAjuste pa;
        pa.Nom = modele.Noms()[std::size_t(a)];
        pa.Valeur = s.Parametres[std::size_t(a)];
        pa.PartEchelle = rEchelle * std::abs(echelle[std::size_t(a)]);
        pa.Incertitude = std::sqrt(std::max(0.0, C[std::size_t(a * m + a)]) + pa.PartEchelle * pa.PartEchelle);
        res.Parametres.push_back(pa);
    }

    double valeur = 0.0;
    std::vector<double> gradient;
    res.Derivee = Derivee(demande.Modele, e.grandeur, s.Parametres, valeur, gradient);
    if (res.Derivee != TValeurDerivee::Aucune) {
        double partEchelle = 0.0;
        for (int a = 0; a < m; ++a) partEchelle += gradient[std::size_t(a)] * echelle[std::size_t(a)];
        partEchelle = rEchelle * std::abs(partEchelle);
        const double variance = FormeBilineaire(gradient, C, gradient, m);
        res.ValeurDerivee.Valeur = valeur;
        res.ValeurDerivee.PartEchelle = partEchelle;
        res.ValeurDerivee.Incertitude = std::sqrt(std::max(0.0, variance) + partEchelle * partEchelle);
        res.EchelleRelative = valeur != 0.0 ? partEchelle / std::abs(valeur) : 0.0;
    }

    res.N = n;
    res.Rms = std::sqrt(somme / n);
    if (e.correles || e.poidsAbsolus) {
        res.Chi2Reduit = s.Chi2 / s.Liberte;
    } else {
        // Against the scatter the samples show by themselves: above 1 when
        // the model misses part of the motion.
        const double bruit = BruitDifferences(y);
        res.Chi2Reduit = std::isfinite(bruit) && bruit > 0.0 ? s.Chi2 / s.Liberte / (bruit * bruit) : 1.0;
    }
    const auto fini = [](const TParametreAjuste& x) { return std::isfinite(x.Valeur) && std::isfinite(x.Incertitude); };
    if (!std::all_of(res.Parametres.begin(), res.Parametres.end(), fini) || !fini(res.ValeurDerivee) ||
        !std::isfinite(res.Chi2Reduit)) {
        res.Refus = TRefusAjustement::NonFini;
        res.TempsNonFini = std::nan("");
    }
}

} // namespace

TResultatAjustement Ajuster(const TResultatsSeries& r, const TDemandeAjustement& demande)
{
    TResultatAjustement res;
    res.Demande = demande;
    const G g = demande.Grandeur;
    if (demande.Point < 0 || demande.Point >= r.NbPointsMobiles || std::size_t(demande.Point) >= r.NbMesures.size() ||
        !Calculee(r, g)) {
        res.Refus = TRefusAjustement::PointAbsent;
        return res;
    }
    const std::size_t p = std::size_t(demande.Point);
    if (!Borner(r.NbMesures[p], res)) return res;

    // Derivatives are fitted on the samples they were taken on: the
    // repeated ones have none.
    TEchantillonsGardes gardes;
    std::vector<double> gardesV;
    int debut = res.Demande.Debut, fin = res.Demande.Fin;
    const auto& serie = (r.*SeriesGrandeurs[std::size_t(g)])[p];
    std::span<const double> temps = r.SerieTemps[p], valeurs = serie;
    if (!Position(g)) {
        const int premier = debut, dernier = fin;
        debut = 0;
        fin = -1;
        gardes = EchantillonsGardes(r, demande.Point);
        for (int i : gardes.Indices) {
            if (i < premier) ++debut;
            if (i <= dernier) ++fin;
            gardesV.push_back(serie[std::size_t(i)]);
        }
        temps = gardes.Temps;
        valeurs = gardesV;
        if (debut > fin) {
            res.Refus = TRefusAjustement::PlageVide;
            return res;
        }
    }
    const int n = fin - debut + 1;
    const auto modele = ModeleDeLaPlage(n, res);
    if (!modele) return res;

    Echantillons e;
    e.grandeur = g;
    e.t = temps.subspan(std::size_t(debut), std::size_t(n));
    e.y = valeurs.subspan(std::size_t(debut), std::size_t(n));
    e.poids.assign(std::size_t(n), 1.0);
    // Correlated samples are weighted by their own variances.
    if (!Position(g)) {
        e.correles = true;
        if (!Reponses(g, temps, gardes.X, gardes.Y, r.Lisser, debut, fin, e.reponses)) {
            res.Refus = TRefusAjustement::Indetermine;
            return res;
        }
        const std::vector<double> v = Variances(e.reponses, n);
        if (std::all_of(v.begin(), v.end(), [](double u) { return std::isfinite(u) && u > 0.0; }))
            for (int i = 0; i < n; ++i) e.poids[std::size_t(i)] = 1.0 / v[std::size_t(i)];
    }
    Resoudre(*modele, e, res);
    return res;
}

TResultatAjustement AjusterSerie(const TSerieGrandeur& serie, const TDemandeAjustement& demande)
{
    TResultatAjustement res;
    res.Demande = demande;
    res.Demande.EchelleRelative = 0.0;
    if (!Borner(int(std::min(serie.Valeurs.size(), serie.Temps.size())), res)) return res;

    // Samples where the quantity is not defined (a repeated mark has no
    // velocity) are left out.
    std::vector<double> t, y, u;
    for (int i = res.Demande.Debut; i <= res.Demande.Fin; ++i) {
        const std::size_t k = std::size_t(i);
        if (!std::isfinite(serie.Valeurs[k]) || !std::isfinite(serie.Temps[k])) continue;
        t.push_back(serie.Temps[k]);
        y.push_back(serie.Valeurs[k]);
        u.push_back(k < serie.Incertitudes.size() ? serie.Incertitudes[k] : std::nan(""));
    }
    if (t.empty()) {
        res.Refus = TRefusAjustement::PlageVide;
        return res;
    }
    const auto modele = ModeleDeLaPlage(int(t.size()), res);
    if (!modele) return res;

    Echantillons e;
    e.t = t;
    e.y = y;
    // The samples' own uncertainties weigh them relative to one another; the
    // scatter about the fit sets the scale, as their neighbours share marks.
    e.poidsAbsolus = std::all_of(u.begin(), u.end(), [](double x) { return std::isfinite(x) && x > 0.0; });
    e.poids.assign(t.size(), 1.0);
    if (e.poidsAbsolus)
        for (std::size_t i = 0; i < u.size(); ++i) e.poids[i] = 1.0 / (u[i] * u[i]);
    Resoudre(*modele, e, res);
    return res;
}

TCourbeAjustee::TCourbeAjustee(const TResultatAjustement& resultat)
{
    if (!resultat.Reussi()) return;
    TResultatAjustement ignore;
    modele_ = Modele(resultat.Demande, ignore);
    for (const TParametreAjuste& pa : resultat.Parametres) p_.push_back(pa.Valeur);
}

double TCourbeAjustee::operator()(double t) const
{
    return modele_ ? modele_->Valeur(t, p_) : std::nan("");
}

int ImageDeLEchantillon(const std::vector<int>& imagesMarques, int nbPointsMobiles, int point, int j)
{
    // Sample j of the point is mark j n + point.
    const std::size_t k = std::size_t(j * nbPointsMobiles + point);
    return k < imagesMarques.size() ? imagesMarques[k] : j;
}

std::optional<TPlageEchantillons> PlageDesImages(const std::vector<int>& imagesMarques, int nbPointsMobiles, int point,
                                                 int nbMesures, int debut, int fin)
{
    std::optional<TPlageEchantillons> plage;
    for (int j = 0; j < nbMesures; ++j) {
        const int image = ImageDeLEchantillon(imagesMarques, nbPointsMobiles, point, j);
        if (image < debut || image > fin) continue;
        if (!plage) plage = TPlageEchantillons{j, j};
        plage->Fin = j;
    }
    return plage;
}
