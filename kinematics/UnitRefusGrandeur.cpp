#include "kinematics/UnitRefusGrandeur.h"

#include "kinematics/UnitSerieGrandeur.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <utility>

namespace {

bool lettre(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool motChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

bool identifiant(const std::string& nom)
{
    return !nom.empty() && lettre(nom.front()) && std::all_of(nom.begin(), nom.end(), motChar);
}

const std::set<std::string>& reserves()
{
    static const std::set<std::string> r = [] {
        std::set<std::string> s{"Numero", "Date"};
        for (const std::string& v : NomsVariables()) s.insert(v);
        // Every ready quantity of three moving points that all have a mass.
        TResultatsSeries trois;
        trois.NbPointsMobiles = 3;
        trois.AfficherVitesse = true;
        TGrandeursMesure masses;
        masses.Masses = {1, 1, 1};
        for (const TGrandeurDefinie& d : GrandeursPretes(trois, masses)) s.insert(d.Nom);
        std::set<std::string> avecIncertitudes = s;
        for (const std::string& n : s) avecIncertitudes.insert("u" + n);
        return avecIncertitudes;
    }();
    return r;
}

TRefusGrandeur refus(TRefusGrandeur::Genre genre, int position = 0, std::string element = {})
{
    TRefusGrandeur r;
    r.Type = genre;
    r.Position = position;
    r.Element = std::move(element);
    return r;
}

// Two names whose columns would clash: equal, or one the other's uncertainty.
bool seHeurtent(const std::string& a, const std::string& b)
{
    return a == b || "u" + a == b || a == "u" + b;
}

} // namespace

bool NomReserve(const std::string& nom)
{
    return reserves().count(nom) > 0 || (nom.size() > 1 && nom.front() == 'u' && reserves().count(nom.substr(1)) > 0);
}

int PositionMot(const std::string& formule, const std::string& mot)
{
    for (std::size_t i = 0; i < formule.size();) {
        if (!motChar(formule[i])) {
            ++i;
            continue;
        }
        std::size_t fin = i;
        while (fin < formule.size() && motChar(formule[fin])) ++fin;
        if (formule.compare(i, fin - i, mot) == 0) return int(i);
        i = fin;
    }
    return 0;
}

std::optional<TRefusGrandeur> RefuserGrandeur(const TGrandeurPropre& q, const TGrandeursMesure& g, int indice,
                                              const TResultatsSeries* r)
{
    using G = TRefusGrandeur::Genre;
    if (indice >= TGrandeursMesure::PropresMax) return refus(G::Trop);
    if (!identifiant(q.Nom)) return refus(G::Nom);
    bool pris = NomReserve(q.Nom);
    for (int i = 0; i < int(g.Propres.size()) && !pris; ++i)
        pris = i != indice && seHeurtent(q.Nom, g.Propres[std::size_t(i)].Nom);
    if (pris) return refus(G::NomPris);
    if (q.Unite.find_first_of("\t\r\n") != std::string::npos) return refus(G::Unite);

    ErreurExpression erreur;
    const std::optional<Expression> e = CompilerFormule(q.Formule, &erreur);
    if (!e) {
        const bool inconnu = erreur.Genre == ErreurExpression::Type::NomInconnu;
        // muParser may place a missing bracket past the end: the end it is.
        const int position = std::min(erreur.Position, int(q.Formule.size()));
        return refus(inconnu ? G::NomInconnu : G::Syntaxe, position, erreur.Element);
    }
    if (!r) return std::nullopt;
    if (const std::string absente = VariableAbsente(*e, *r); !absente.empty())
        return refus(G::SerieAbsente, PositionMot(q.Formule, absente), absente);
    const std::optional<TSerieGrandeur> s = EvaluerFormule(*e, *r, g);
    for (std::size_t j = 0; s && j < s->Valeurs.size(); ++j)
        if (!std::isfinite(s->Valeurs[j])) {
            TRefusGrandeur r = refus(G::NonFini);
            r.Echantillon = int(j);
            r.Temps = s->Temps[j];
            return r;
        }
    return std::nullopt;
}
