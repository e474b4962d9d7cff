#include "measure/UnitRotationImage.h"

#include "measure/UnitTravail.h"

namespace {

// A quarter turn clockwise of the picture, in positions normalised to it.
PointD TournerPoint(PointD p)
{
    return {1 - p.Y, p.X};
}
// An offset between two positions, and a size, turn about no centre.
PointD TournerEcart(PointD e)
{
    return {-e.Y, e.X};
}

} // namespace

void TournerMesure(EtatMesure& m, int quarts)
{
    for (int q = 0; q < ((quarts % 4) + 4) % 4; ++q) {
        for (PointD& p : m.Marques) p = TournerPoint(p);
        for (PointD& e : m.MarquesTsp) e = TournerEcart(e);
        for (PointD& c : m.CentresTsp) c = TournerPoint(c);
        for (PointD& p : m.PointsEtalon) p = TournerPoint(p);
        m.CentreTsp = TournerPoint(m.CentreTsp);
        m.DemiTailleTsp = {m.DemiTailleTsp.Y, m.DemiTailleTsp.X};
        m.DecalageTsp = TournerEcart(m.DecalageTsp);
        m.Origine = TournerPoint(m.Origine);
    }
}

void EcrireRotationTravail(QStringList& lignes, const Travail& t)
{
    if (t.Mesure.RotationImage < 0) return;
    lignes << QStringLiteral("Rotation") << QString::number(t.Mesure.RotationImage);
}

bool LireRotationTravail(const QStringList& lignes, qsizetype& pos, Travail& t)
{
    if (pos >= lignes.size()) return false;
    const auto degres = LireEntier(lignes[pos++]);
    if (!degres || *degres < 0 || *degres >= 360 || *degres % 90 != 0) return false;
    t.Mesure.RotationImage = *degres;
    return true;
}
