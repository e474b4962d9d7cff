// The measurement's calibration beyond the scale segment: the axes' angle,
// typed or dragged by the x axis' arrow with the origin tool, and the plane
// seen in perspective with the clicking of its four corners.

#include "kinematics/UnitConversion.h"
#include "measure/UnitAxesVus.h"
#include "measure/UnitMesure.h"

#include <cmath>

namespace {

// How near the x axis' tip a press takes its arrow, in view pixels: the
// arrow head is 8 pixels long.
constexpr double RayonPoignee = 10.0;

PointD EnPointD(PointPixels p)
{
    return {double(p.X), double(p.Y)};
}

} // namespace

bool TMesure::SetAngleAxes(double degres)
{
    if (!std::isfinite(degres)) return false;
    const Avant avant = debut();
    etat_.AngleAxes = AngleNormalise(degres);
    signaler();
    fin(avant, ActionMesure{TAction::AngleAxes});
    return true;
}

bool TMesure::AxesSelonEtalon(double aspectRatio)
{
    if (!etat_.EtalonPlace()) return false;
    const auto& e = etat_.PointsEtalon;
    return SetAngleAxes(AngleDuSegment(e[0], e[1], aspectRatio));
}

DefautPlan TMesure::PlacerPlan(const TPlan& plan)
{
    const DefautPlan defaut = VerifierPlan(plan);
    if (defaut != DefautPlan::Aucun) return defaut;
    const Avant avant = debut();
    coinsEnCours_ = false;
    coins_.clear();
    etat_.Plan = plan;
    signaler();
    fin(avant, ActionMesure{TAction::Plan});
    return DefautPlan::Aucun;
}

void TMesure::RetirerPlan()
{
    const Avant avant = debut();
    etat_.Plan.reset();
    signaler();
    fin(avant, ActionMesure{TAction::RetraitPlan});
}

void TMesure::CommencerCoinsPlan()
{
    coinsEnCours_ = true;
    coins_.clear();
    signaler();
}

void TMesure::AbandonnerCoinsPlan()
{
    if (!coinsEnCours_) return;
    coinsEnCours_ = false;
    coins_.clear();
    signaler();
}

bool TMesure::appuiCalibration(PointPixels p, PointD exact, const Avant& avant)
{
    if (coinsEnCours_) {
        if (coins_.size() < 4) coins_.push_back(exact);
        signaler();
        return true;
    }
    if (!ModeOrigine() || !etat_.OrigineEstPlacee()) return false;
    const auto axes = AxesSurLaVue(etat_, vue_.Largeur(), vue_.Hauteur());
    // Not turned, the x axis' tip is where the straight axes put their arrow.
    const PointD bout = axes ? axes->X.Fin : PointD{vue_.Largeur() - 1.0, double(pixels_.Origine.Y)};
    if (std::hypot(p.X - bout.X, p.Y - bout.Y) > RayonPoignee) return false;
    rotation_ = avant;
    return true;
}

bool TMesure::bougerCalibration(PointPixels p)
{
    if (coinsEnCours_) {
        signalerDessin(); // the side being clicked follows the pointer
        return true;
    }
    if (!rotation_) return false;
    if (const auto angle = AngleVers(etat_, EnPointD(p), vue_.Largeur(), vue_.Hauteur())) {
        etat_.AngleAxes = *angle;
        signaler();
    }
    return true;
}

bool TMesure::relacheCalibration()
{
    if (!rotation_) return false;
    const Avant depart = *rotation_;
    rotation_.reset();
    debut(); // the step runs from the press to here
    fin(depart, ActionMesure{TAction::AngleAxes});
    return true;
}

bool TMesure::appuiDroitCalibration()
{
    if (!coinsEnCours_) return false;
    if (coins_.empty())
        coinsEnCours_ = false;
    else
        coins_.pop_back();
    signaler();
    return true;
}
