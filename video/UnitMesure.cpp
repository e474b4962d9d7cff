#include "video/UnitMesure.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounds half to even. Work files may hold any finite value, so the result is
// kept far inside int before the conversion.
int ArrondiPair(double v)
{
    return static_cast<int>(std::nearbyint(std::clamp(v, -1e9, 1e9)));
}

void Signaler(const std::function<void()>& evenement)
{
    if (evenement) evenement();
}

} // namespace

PointPixels VersPixels(PointD p, int largeur, int hauteur)
{
    return {ArrondiPair(largeur * p.X), ArrondiPair(hauteur * p.Y)};
}

PointD VersNormalise(PointPixels p, int largeur, int hauteur)
{
    return {double(p.X) / largeur, double(p.Y) / hauteur};
}

TMesure::TMesure(VueMesure& vue)
    : vue_(vue)
{
}

void TMesure::SetNombreDePoints(int n)
{
    nombreDePoints_ = n;
    Signaler(OnChangeNombreDePoints);
}

void TMesure::SetNombreDePointsTsp(int n)
{
    nombreDePointsTsp_ = n;
    Signaler(OnChangeNombreDePointsTsp);
}

void TMesure::choisirMode(Mode m, bool choisir)
{
    if (choisir) mode_ = m;
    MettreAJourCurseur();
}

void TMesure::ChoisirModeMarque(bool choisir) { choisirMode(Mode::Marque, choisir); }
void TMesure::ChoisirModeEtalon(bool choisir) { choisirMode(Mode::Etalon, choisir); }
void TMesure::ChoisirModeOrigine(bool choisir) { choisirMode(Mode::Origine, choisir); }
void TMesure::ChoisirModeTransparent(bool choisir) { choisirMode(Mode::Transparent, choisir); }

void TMesure::ChoisirToutesLesMarques(bool choisir)
{
    if (choisir) toutesLesMarques_ = true;
}

void TMesure::ChoisirDerniereMarque(bool choisir)
{
    if (choisir) toutesLesMarques_ = false;
}

PointD TMesure::normalise(PointPixels p) const
{
    return VersNormalise(p, vue_.Largeur(), vue_.Hauteur());
}

PointPixels TMesure::enPixels(PointD p) const
{
    return VersPixels(p, vue_.Largeur(), vue_.Hauteur());
}

void TMesure::RecalculerPixels()
{
    if (OriginePlacee == 1) OriginePixels = enPixels(Origine);
    for (int i = 0; i < std::min(EtatEtalon, 2); ++i) EtalonPixels[i] = enPixels(PointsEtalon[i]);
    DemiTailleTspPixels = enPixels(DemiTailleTsp);
    DecalageTspPixels = enPixels(DecalageTsp);
    CentreTspPixels = enPixels(CentreTsp);
}

void TMesure::PlacerTransparent()
{
    const int largeur = vue_.Largeur(), hauteur = vue_.Hauteur();
    DemiTailleTspPixels = {largeur / 2, hauteur / 2};
    DemiTailleTsp = {0.5, 0.5};
    if (CentresTsp.size() == 1) {
        // As large as the picture, moved a little left and towards the side
        // the vertical axis comes from, so both arrow heads stay inside.
        const double dy = AxeVersLeBas ? 0.9 : 1.1;
        CentreTspPixels = {int(0.9 * DemiTailleTspPixels.X), int(dy * DemiTailleTspPixels.Y)};
        if (largeur == 0 || hauteur == 0) return;
        CentreTsp = normalise(CentreTspPixels);
    } else {
        CentreTspPixels = enPixels(CentreTsp);
    }
    vue_.Repeindre();
}

void TMesure::viderMarques()
{
    Marques.clear();
    MarquesDerniereImage = 0;
    SetNombreDePoints(0);
}

void TMesure::viderTransparent()
{
    MarquesTsp.clear();
    CentresTsp.resize(1);
    MarquesTspDerniereImage = 0;
    SetNombreDePointsTsp(0);
}

void TMesure::EffacerMarques()
{
    viderMarques();
    MettreAJourCurseur();
    vue_.Repeindre();
}

void TMesure::EffacerTransparent()
{
    viderTransparent();
    MettreAJourCurseur();
    PlacerTransparent();
}

void TMesure::EffacerTout()
{
    // The segment's ends, the origin and LongueurEtalon stay in memory: the
    // length dialog offers the old length when the segment is placed again.
    EtatEtalon = 0;
    OriginePlacee = 0;
    viderMarques();
    viderTransparent();
    MettreAJourCurseur();
    PlacerTransparent();
}
