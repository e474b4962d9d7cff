#include "measure/UnitTravailCalibration.h"

#include "core/UnitFormatReel.h"
#include "measure/UnitLongueurEtalon.h"
#include "measure/UnitTravail.h"
#include "measure/UnitTravailValeurs.h"

#include <cmath>

namespace {

bool Reel(const QStringList& lignes, qsizetype& pos, double& v)
{
    if (pos >= lignes.size()) return false;
    const auto r = LireReel(lignes[pos++]);
    if (r) v = *r;
    return r.has_value();
}

QString Texte(double v)
{
    return FormaterReel(v, u'.');
}

} // namespace

void EcrireAxesTravail(QStringList& l, const Travail& t)
{
    if (t.Mesure.AngleAxes == 0.0) return;
    l << QStringLiteral("Axes") << Texte(t.Mesure.AngleAxes);
}

bool LireAxesTravail(const QStringList& lignes, qsizetype& pos, Travail& t)
{
    double angle = 0.0;
    if (!Reel(lignes, pos, angle)) return false;
    t.Mesure.AngleAxes = angle;
    return true;
}

void EcrirePlanTravail(QStringList& l, const Travail& t)
{
    if (!t.Mesure.Plan) return;
    const TPlan& p = *t.Mesure.Plan;
    l << QStringLiteral("Plane");
    for (const PointD& c : p.Coins) l << Texte(c.X) << Texte(c.Y);
    l << Texte(p.Largeur) << Texte(p.Hauteur);
}

bool LirePlanTravail(const QStringList& lignes, qsizetype& pos, Travail& t)
{
    TPlan p;
    for (PointD& c : p.Coins)
        if (!Reel(lignes, pos, c.X) || !Reel(lignes, pos, c.Y) || std::fabs(c.X) > CoordonneeMax ||
            std::fabs(c.Y) > CoordonneeMax)
            return false;
    if (!Reel(lignes, pos, p.Largeur) || !Reel(lignes, pos, p.Hauteur)) return false;
    if (p.Largeur > LongueurMax || p.Hauteur > LongueurMax || VerifierPlan(p) != DefautPlan::Aucun) return false;
    t.Mesure.Plan = p;
    return true;
}
