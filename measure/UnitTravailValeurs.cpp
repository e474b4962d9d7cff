#include "measure/UnitTravailValeurs.h"

#include "measure/UnitEtatMesure.h"
#include "measure/UnitLongueurEtalon.h"

#include <algorithm>
#include <cmath>

namespace {

// NaN fails both comparisons, so it is refused too.
bool Possible(const PointD& p)
{
    return std::fabs(p.X) <= CoordonneeMax && std::fabs(p.Y) <= CoordonneeMax;
}
bool Possibles(const VecteurPointD& v)
{
    return std::all_of(v.begin(), v.end(), Possible);
}

bool LongueurPossible(double metres, bool etalonPlace)
{
    if (metres == 0) return !etalonPlace;
    return metres >= LongueurMin && metres <= LongueurMax;
}

} // namespace

bool ValeursPossibles(const EtatMesure& m)
{
    for (int i = 0; i < m.BoutsEtalon(); ++i)
        if (!Possible(m.PointsEtalon[std::size_t(i)])) return false;
    return LongueurPossible(m.LongueurEtalon, m.EtalonPlace()) && Possibles(m.Marques) && Possibles(m.MarquesTsp) &&
        Possibles(m.CentresTsp) && Possible(m.CentreTsp) && Possible(m.DemiTailleTsp) && Possible(m.DecalageTsp) &&
        (!m.OrigineEstPlacee() || Possible(m.Origine));
}
