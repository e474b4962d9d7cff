#include "kinematics/UnitSerieGrandeur.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using S = TResultatsSeries;

constexpr int SeriesParPoint = 8;
constexpr int PremiereMasse = 1 + 3 * SeriesParPoint; // index of m1
constexpr int IndiceG = PremiereMasse + 3;

// A point's series in the order of the variables, with their uncertainties
// (none for positions) and whether they need velocities or accelerations.
struct SerieVariable {
    S::Series S::*valeurs;
    S::Series S::*incertitudes;
    int derivee; // 0 positions, 1 velocities, 2 accelerations
};
constexpr SerieVariable SeriesVariables[SeriesParPoint] = {
    {&S::SerieX, nullptr, 0},       {&S::SerieY, nullptr, 0},     {&S::SerieVX, &S::SerieUVX, 1},
    {&S::SerieVY, &S::SerieUVY, 1}, {&S::SerieV, &S::SerieUV, 1}, {&S::SerieAX, &S::SerieUAX, 2},
    {&S::SerieAY, &S::SerieUAY, 2}, {&S::SerieA, &S::SerieUA, 2},
};

const double NaN = std::numeric_limits<double>::quiet_NaN();

// Point (0-based) and series of variable k, when it is a point's series.
bool seriePoint(int k, int& point, const SerieVariable*& s)
{
    if (k < 1 || k >= PremiereMasse) return false;
    point = (k - 1) / SeriesParPoint;
    s = &SeriesVariables[(k - 1) % SeriesParPoint];
    return true;
}

bool disponible(const TResultatsSeries& r, int point, const SerieVariable& s)
{
    if (point >= r.NbPointsMobiles || std::size_t(point) >= r.NbMesures.size()) return false;
    return s.derivee == 0 || (s.derivee == 1 ? r.AfficherVitesse : r.AfficherAcceleration);
}

double lire(const S::Series& serie, int point, int j)
{
    if (std::size_t(point) >= serie.size() || std::size_t(j) >= serie[std::size_t(point)].size()) return NaN;
    return serie[std::size_t(point)][std::size_t(j)];
}

// The units of the table's own series, by their first letter.
std::string uniteSerie(std::string_view nom)
{
    switch (nom.front()) {
    case 't': return "s";
    case 'x':
    case 'y': return "m";
    case 'v': return "m/s";
    default: return "m/s2";
    }
}

} // namespace

std::optional<Expression> CompilerFormule(std::string_view formule, ErreurExpression* erreur)
{
    return Expression::Compiler(formule, NomsVariables(), erreur);
}

double Propager(const Expression& e, std::span<const double> x, std::span<const double> u)
{
    std::vector<double> v(x.begin(), x.end());
    const std::vector<bool>& utilisees = e.Utilisees();
    double somme = 0.0;
    for (std::size_t k = 0; k < v.size() && k < utilisees.size() && k < u.size(); ++k) {
        if (!utilisees[k] || u[k] == 0.0) continue;
        if (!std::isfinite(u[k])) return NaN;
        // A step the value can feel even when the uncertainty is far below it.
        const double h = std::max(std::abs(u[k]) * 1e-3, std::abs(x[k]) * 1e-7);
        v[k] = x[k] + h;
        const double plus = e.Evaluer(v);
        v[k] = x[k] - h;
        const double moins = e.Evaluer(v);
        v[k] = x[k];
        const double terme = (plus - moins) / (2 * h) * u[k];
        if (!std::isfinite(terme)) return NaN;
        somme += terme * terme;
    }
    return std::sqrt(somme);
}

std::string VariableAbsente(const Expression& e, const TResultatsSeries& r)
{
    const std::vector<bool>& utilisees = e.Utilisees();
    for (int k = 0; k < int(utilisees.size()); ++k) {
        int point = 0;
        const SerieVariable* s = nullptr;
        if (utilisees[std::size_t(k)] && seriePoint(k, point, s) && !disponible(r, point, *s))
            return NomsVariables()[std::size_t(k)];
    }
    return {};
}

std::optional<TSerieGrandeur> EvaluerFormule(const Expression& e, const TResultatsSeries& r, const TGrandeursMesure& g)
{
    if (!VariableAbsente(e, r).empty() || r.NbMesures.empty()) return std::nullopt;
    const std::vector<bool>& utilisees = e.Utilisees();
    // The samples every point it uses has, on the times of the first.
    int premier = -1;
    int n = std::numeric_limits<int>::max();
    for (int k = 0; k < int(utilisees.size()); ++k) {
        int point = 0;
        const SerieVariable* s = nullptr;
        if (!utilisees[std::size_t(k)] || !seriePoint(k, point, s)) continue;
        if (premier < 0) premier = point;
        n = std::min(n, r.NbMesures[std::size_t(point)]);
    }
    if (premier < 0) {
        premier = 0;
        n = r.NbMesures[0];
    }

    const std::size_t variables = NomsVariables().size();
    std::vector<double> x(variables, 0.0), u(variables, 0.0);
    for (int p = 0; p < 3; ++p) x[std::size_t(PremiereMasse + p)] = g.Masses[std::size_t(p)];
    x[IndiceG] = g.g;
    TSerieGrandeur serie;
    for (int j = 0; j < n; ++j) {
        x[0] = lire(r.SerieTemps, premier, j);
        for (int k = 1; k < PremiereMasse; ++k) {
            int point = 0;
            const SerieVariable* s = nullptr;
            seriePoint(k, point, s);
            if (!utilisees[std::size_t(k)]) continue;
            x[std::size_t(k)] = lire(r.*s->valeurs, point, j);
            u[std::size_t(k)] = s->incertitudes ? lire(r.*s->incertitudes, point, j) : 0.0;
        }
        serie.Temps.push_back(x[0]);
        serie.Valeurs.push_back(e.Evaluer(x));
        serie.Incertitudes.push_back(Propager(e, x, u));
    }
    return serie;
}

std::optional<TSerieGrandeur> SerieNommee(std::string_view nom, const TResultatsSeries& r, const TGrandeursMesure& g,
                                          std::string* unite)
{
    if (nom.empty()) return std::nullopt;
    std::string formule, sonUnite;
    for (const TGrandeurDefinie& d : GrandeursDefinies(r, g))
        if (d.Nom == nom) {
            formule = d.Formule;
            sonUnite = d.Unite;
            break;
        }
    const auto& variables = NomsVariables();
    if (formule.empty()) {
        // The table's own series; the masses and g are no series.
        const auto k = std::find(variables.begin(), variables.end(), nom) - variables.begin();
        if (k >= PremiereMasse) return std::nullopt;
        formule = nom;
        sonUnite = uniteSerie(nom);
    }
    const std::optional<Expression> e = CompilerFormule(formule);
    if (!e) return std::nullopt;
    std::optional<TSerieGrandeur> serie = EvaluerFormule(*e, r, g);
    if (serie && unite) *unite = sonUnite;
    return serie;
}
