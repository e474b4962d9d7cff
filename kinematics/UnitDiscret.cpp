#include "kinematics/UnitDiscret.h"

#include "kinematics/UnitDifferences.h"
#include "kinematics/UnitLissageLocal.h"
#include "kinematics/UnitMoinCar.h"
#include "kinematics/UnitPropagation.h"

#include <algorithm>
#include <cmath>

namespace {

enum class TRecherche { Trouve, Echec, PivotNul };

// Fits (t, F) with the lowest degree whose relative residual is below
// SeuilEcart. A fit of degree N - 1 interpolates the samples and is taken as
// it stands; no degree up to DegreMax meeting the threshold is an Echec: one
// polynomial cannot describe the series.
TRecherche RechercherDegre(std::span<const double> t, std::span<const double> F, TMoinCar& moinCar)
{
    const int N = int(F.size());
    for (int q = 1; q <= std::min(TDiscret::DegreMax, N - 1); ++q) {
        if (moinCar.Ajuster(t, F, N, q) != CodeSucces) return TRecherche::PivotNul;
        if (moinCar.EcartRelatif() < TDiscret::SeuilEcart || q == N - 1) return TRecherche::Trouve;
    }
    return TRecherche::Echec;
}

std::vector<double> ValeursAjustees(std::span<const double> t, const TMoinCar& moinCar)
{
    std::vector<double> v(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) v[i] = moinCar.Valeur(t[i]);
    return v;
}

std::vector<double> Echelle(const std::vector<double>& gains, double bruit)
{
    std::vector<double> u(gains.size());
    for (std::size_t i = 0; i < gains.size(); ++i) u[i] = bruit * gains[i];
    return u;
}

} // namespace

CodeResultat TDiscret::Calculer(std::span<const double> Temps, std::span<const double> Valeurs, int N, bool lisser)
{
    for (auto* v : {&derivees1_, &derivees2_, &incertitudes1_, &incertitudes2_})
        v->assign(std::size_t(std::max(N, 0)), 0.0);
    methode1_ = methode2_ = lisser ? TMethodeLissage::Polynome : TMethodeLissage::Aucune;
    fenetre_ = 0;
    bruit_ = 0.0;
    if (N < 3) return CodeTropPeuDeMesures;

    const auto t = Temps.first(std::size_t(N));
    const auto valeurs = Valeurs.first(std::size_t(N));
    if (!lisser) {
        derivees1_ = Differences(t, valeurs);
        derivees2_ = Differences(t, derivees1_);
        // The local fits estimate the scatter where no polynomial does.
        bruit_ = BruitLocal(t, valeurs);
        incertitudes1_ = Echelle(GainsDifferences1(t), bruit_);
        incertitudes2_ = Echelle(GainsDifferences2(t), bruit_);
        return CodeSucces;
    }

    TMoinCar position;
    const TRecherche r1 = RechercherDegre(t, valeurs, position);
    if (r1 == TRecherche::PivotNul) return CodePivotNul;
    if (r1 == TRecherche::Echec) {
        const TLissageLocal l = LisserLocalement(t, valeurs);
        methode1_ = methode2_ = TMethodeLissage::Local;
        fenetre_ = l.Fenetre;
        bruit_ = l.Bruit;
        derivees1_ = l.Derivees1;
        derivees2_ = l.Derivees2;
        incertitudes1_ = Echelle(l.Gains1, bruit_);
        incertitudes2_ = Echelle(l.Gains2, bruit_);
        return CodeSucces;
    }

    // The scatter about the accepted fit, with the freedom it took; an
    // interpolating fit leaves none, the local fits then estimate it.
    const int liberte = N - position.Degre() - 1;
    bruit_ = liberte > 0 ? std::sqrt(position.SommeCarresEcarts() / liberte) : BruitLocal(t, valeurs);
    derivees1_ = Differences(t, ValeursAjustees(t, position));
    incertitudes1_ = Echelle(GainsPolynome1(t, position), bruit_);

    TMoinCar vitesse;
    const TRecherche r2 = RechercherDegre(t, derivees1_, vitesse);
    if (r2 == TRecherche::PivotNul) return CodePivotNul;
    if (r2 == TRecherche::Echec) {
        const TLissageLocal l = LisserLocalement(t, valeurs);
        methode2_ = TMethodeLissage::Local;
        fenetre_ = l.Fenetre;
        derivees2_ = l.Derivees2;
        incertitudes2_ = Echelle(l.Gains2, l.Bruit);
        return CodeSucces;
    }
    derivees2_ = Differences(t, ValeursAjustees(t, vitesse));
    if (position.Degre() >= 2 || N < 4) {
        incertitudes2_ = Echelle(GainsPolynome2(t, position, vitesse), bruit_);
        return CodeSucces;
    }
    // A straight line leaves no acceleration by construction, and no
    // uncertainty either: say instead how well the data bound an acceleration,
    // as a parabola through them would.
    TMoinCar parabole, pente;
    if (parabole.Ajuster(t, valeurs, N, 2) != CodeSucces ||
        pente.Ajuster(t, Differences(t, ValeursAjustees(t, parabole)), N, 1) != CodeSucces)
        return CodePivotNul;
    incertitudes2_ = Echelle(GainsPolynome2(t, parabole, pente), bruit_);
    return CodeSucces;
}

double TDiscret::Lire(const std::vector<double>& v, int i)
{
    return (i < 0 || i >= int(v.size())) ? 0.0 : v[std::size_t(i)];
}

double TDiscret::Derivee1(int i) const
{
    return Lire(derivees1_, i);
}
double TDiscret::Derivee2(int i) const
{
    return Lire(derivees2_, i);
}
double TDiscret::Incertitude1(int i) const
{
    return Lire(incertitudes1_, i);
}
double TDiscret::Incertitude2(int i) const
{
    return Lire(incertitudes2_, i);
}
