#include "app/UnitTravailValeurs.h"

#include "app/UnitTravail.h"
#include "video/UnitLongueurEtalon.h"

#include <algorithm>
#include <cmath>

namespace {

// NaN fails both comparisons, so it is refused too.
bool Possible(const PointD& p) { return std::fabs(p.X) <= CoordonneeMax && std::fabs(p.Y) <= CoordonneeMax; }
bool Possibles(const VecteurPointD& v) { return std::all_of(v.begin(), v.end(), Possible); }

bool LongueurPossible(double metres, int etatEtalon)
{
    if (metres == 0) return etatEtalon < 2;
    return metres >= LongueurMin && metres <= LongueurMax;
}

} // namespace

bool ValeursPossibles(const Travail& t)
{
    for (int i = 0; i < t.EtatEtalon && i < 2; ++i)
        if (!Possible(t.PointsEtalon[std::size_t(i)])) return false;
    return LongueurPossible(t.LongueurEtalon, t.EtatEtalon) && Possibles(t.Marques) && Possibles(t.MarquesTsp)
        && Possibles(t.CentresTsp) && Possible(t.CentreTsp) && Possible(t.DemiTailleTsp) && Possible(t.DecalageTsp)
        && (t.OriginePlacee == 0 || Possible(t.Origine));
}
