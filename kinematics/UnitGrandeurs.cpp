#include "kinematics/UnitGrandeurs.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <utility>

namespace {

// The letters of a point's series, in the order of the variables.
constexpr const char* Lettres[] = {"x", "y", "vx", "vy", "v", "ax", "ay", "a"};

std::string n(const char* lettre, int p)
{
    return lettre + std::to_string(p);
}

bool aMasse(const TResultatsSeries& r, const TGrandeursMesure& g, int p)
{
    return p <= r.NbPointsMobiles && g.Masses[std::size_t(p - 1)] > 0.0;
}

// The height of point p along the picture's vertical: y when the vertical axis
// points up, -y when down; with turned axes, the part of (x, y) that points up
// the picture (the axes turn back by their angle).
std::string hauteur(const TResultatsSeries& r, int p)
{
    const double sens = r.AxeVersLeBas ? -1.0 : 1.0;
    if (r.AngleAxes == 0.0) return (r.AxeVersLeBas ? "-" : "") + n("y", p);
    const double a = r.AngleAxes * std::numbers::pi / 180.0;
    std::ostringstream f;
    f.precision(17);
    f << '(' << std::sin(a) << '*' << n("x", p) << '+' << sens * std::cos(a) << '*' << n("y", p) << ')';
    return f.str();
}

TGrandeurDefinie grandeur(std::string nom, std::string unite, std::string formule, int point)
{
    TGrandeurDefinie d;
    d.Nom = std::move(nom);
    d.Unite = std::move(unite);
    d.Formule = std::move(formule);
    d.Point = point;
    return d;
}

void pretesDuPoint(std::vector<TGrandeurDefinie>& l, const TResultatsSeries& r, int p)
{
    const std::string m = n("m", p);
    const std::string ek = "0.5*" + m + "*(" + n("vx", p) + "^2+" + n("vy", p) + "^2)";
    const std::string ep = m + "*g*" + hauteur(r, p);
    const bool v = r.AfficherVitesse;
    if (v) l.push_back(grandeur(n("Ek", p), "J", ek, p));
    l.push_back(grandeur(n("Ep", p), "J", ep, p));
    if (!v) return;
    l.push_back(grandeur(n("E", p), "J", ek + "+" + ep, p));
    l.push_back(grandeur(n("px", p), "kg m/s", m + "*" + n("vx", p), p));
    l.push_back(grandeur(n("py", p), "kg m/s", m + "*" + n("vy", p), p));
    l.push_back(grandeur(n("p", p), "kg m/s", m + "*" + n("v", p), p));
}

// sum of m_p * <lettre>_p over the points.
std::string somme(const char* lettre, int points)
{
    std::string s;
    for (int p = 1; p <= points; ++p) s += (p > 1 ? "+" : "") + n("m", p) + (lettre[0] ? "*" + n(lettre, p) : "");
    return s;
}

void pretesDuSysteme(std::vector<TGrandeurDefinie>& l, const TResultatsSeries& r)
{
    const int points = r.NbPointsMobiles;
    const std::string masse = "(" + somme("", points) + ")";
    const auto centre = [&](const char* lettre) { return "(" + somme(lettre, points) + ")/" + masse; };
    l.push_back(grandeur("xT", "m", centre("x"), 0));
    l.push_back(grandeur("yT", "m", centre("y"), 0));
    if (!r.AfficherVitesse) return;
    l.push_back(grandeur("vxT", "m/s", centre("vx"), 0));
    l.push_back(grandeur("vyT", "m/s", centre("vy"), 0));
    l.push_back(grandeur("pxS", "kg m/s", somme("vx", points), 0));
    l.push_back(grandeur("pyS", "kg m/s", somme("vy", points), 0));
}

} // namespace

const std::vector<std::string>& NomsVariables()
{
    static const std::vector<std::string> noms = [] {
        std::vector<std::string> v{"t"};
        for (int p = 1; p <= 3; ++p)
            for (const char* l : Lettres) v.push_back(n(l, p));
        for (int p = 1; p <= 3; ++p) v.push_back(n("m", p));
        v.push_back("g");
        return v;
    }();
    return noms;
}

std::vector<TGrandeurDefinie> GrandeursPretes(const TResultatsSeries& r, const TGrandeursMesure& g)
{
    std::vector<TGrandeurDefinie> l;
    for (int p = 1; p <= std::min(r.NbPointsMobiles, 3); ++p)
        if (aMasse(r, g, p)) pretesDuPoint(l, r, p);
    bool systeme = r.NbPointsMobiles >= 2 && r.NbPointsMobiles <= 3;
    for (int p = 1; p <= r.NbPointsMobiles && systeme; ++p) systeme = aMasse(r, g, p);
    if (systeme) pretesDuSysteme(l, r);
    return l;
}

std::vector<TGrandeurDefinie> GrandeursDefinies(const TResultatsSeries& r, const TGrandeursMesure& g)
{
    std::vector<TGrandeurDefinie> l = GrandeursPretes(r, g);
    for (const TGrandeurPropre& q : g.Propres) {
        l.push_back(grandeur(q.Nom, q.Unite, q.Formule, 0));
        l.back().Propre = true;
    }
    return l;
}
