#include "measure/UnitMesure.h"

#include "kinematics/UnitBaseTemps.h"
#include "measure/UnitRotationImage.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

TMesure::TMesure(VueMesure& vue) : vue_(vue) {}

void TMesure::signaler()
{
    if (actions_ > 0) {
        signalEnAttente_ = true;
        return;
    }
    Signaler(OnChange);
}

void TMesure::signalerDessin()
{
    Signaler(OnChangeDessin);
}

void TMesure::Remplacer(EtatMesure etat)
{
    historique_.Vider();
    saisie_.reset();
    suite_.reset();
    rotation_.reset();
    coinsEnCours_ = false;
    coins_.clear();
    etat_ = std::move(etat);
    // The lists that go with the marks follow them, whatever the source held.
    etat_.CentresTsp.resize(etat_.MarquesTsp.size() + 1);
    etat_.MarquesParImage = std::clamp(etat_.MarquesParImage, 1, 3);
    RecalculerPixels();
    signaler();
}

void TMesure::choisirMode(TOutil outil, bool choisir)
{
    if (choisir) etat_.Outil = outil;
    signaler();
}

void TMesure::ChoisirModeMarque(bool choisir)
{
    choisirMode(TOutil::Marque, choisir);
}
void TMesure::ChoisirModeEtalon(bool choisir)
{
    choisirMode(TOutil::Etalon, choisir);
}
void TMesure::ChoisirModeOrigine(bool choisir)
{
    choisirMode(TOutil::Origine, choisir);
}
void TMesure::ChoisirModeTransparent(bool choisir)
{
    choisirMode(TOutil::Transparent, choisir);
}

void TMesure::ChoisirToutesLesMarques(bool choisir)
{
    if (!choisir) return;
    etat_.DessinMarques = TDessinMarques::Toutes;
    signaler();
}

void TMesure::ChoisirDerniereMarque(bool choisir)
{
    if (!choisir) return;
    etat_.DessinMarques = TDessinMarques::Derniere;
    signaler();
}

void TMesure::SetMarquesParImage(int n)
{
    const Avant avant = debut();
    etat_.MarquesParImage = std::clamp(n, 1, 3);
    signaler();
    fin(avant, ActionMesure{TAction::MarquesParImage, etat_.MarquesParImage});
}

void TMesure::SetCouleurCurseur(TCouleurCurseur c)
{
    etat_.CouleurCurseur = c;
    signaler();
}

void TMesure::SetCouleur(std::uint32_t couleur)
{
    etat_.Couleur = couleur;
    signaler();
}

void TMesure::SetAjustements(std::vector<TDemandeAjustement> ajustements)
{
    if (ajustements == etat_.Ajustements) return;
    etat_.Ajustements = std::move(ajustements);
    signaler();
}

void TMesure::SetCacherImage(bool cacher)
{
    etat_.CacherImage = cacher;
    signaler();
}

void TMesure::TournerImage(int degres, int quarts)
{
    etat_.RotationImage = degres;
    TournerMesure(etat_, quarts);
    RecalculerPixels();
    signaler();
}

void TMesure::SetChampsImages(bool champs)
{
    if (champs == etat_.ChampsImages) return;
    if (suite_) TerminerSuite();
    historique_.Vider();
    saisie_.reset();
    rotation_.reset();
    etat_.ChampsImages = champs;
    signaler();
}

void TMesure::SetAxeVersLeBas(bool versLeBas)
{
    etat_.AxeVersLeBas = versLeBas;
    signaler();
}

void TMesure::SetGrandeurs(const TGrandeursMesure& g)
{
    etat_.Grandeurs = g;
    signaler();
}

void TMesure::SetLongueurEtalon(double metres)
{
    const Avant avant = debut();
    etat_.LongueurEtalon = metres;
    signaler();
    fin(avant, ActionMesure{TAction::LongueurEtalon});
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
    if (etat_.OrigineEstPlacee()) pixels_.Origine = enPixels(etat_.Origine);
    for (int i = 0; i < etat_.BoutsEtalon(); ++i) pixels_.Etalon[i] = enPixels(etat_.PointsEtalon[i]);
    pixels_.DemiTailleTsp = enPixels(etat_.DemiTailleTsp);
    pixels_.DecalageTsp = enPixels(etat_.DecalageTsp);
    pixels_.CentreTsp = enPixels(etat_.CentreTsp);
}

void TMesure::PlacerTransparent()
{
    placerTransparent();
    signaler();
}

void TMesure::placerTransparent()
{
    const int largeur = vue_.Largeur(), hauteur = vue_.Hauteur();
    pixels_.DemiTailleTsp = {largeur / 2, hauteur / 2};
    etat_.DemiTailleTsp = {0.5, 0.5};
    if (etat_.CentresTsp.size() == 1) {
        // As large as the picture, moved a little left and towards the side
        // the vertical axis comes from, so both arrow heads stay inside.
        const double dy = etat_.AxeVersLeBas ? 0.9 : 1.1;
        pixels_.CentreTsp = {int(0.9 * pixels_.DemiTailleTsp.X), int(dy * pixels_.DemiTailleTsp.Y)};
        if (largeur == 0 || hauteur == 0) return;
        etat_.CentreTsp = normalise(pixels_.CentreTsp);
    } else {
        pixels_.CentreTsp = enPixels(etat_.CentreTsp);
    }
}

void TMesure::viderMarques()
{
    etat_.Marques.clear();
    etat_.OriginesMarques.clear();
    etat_.MarquesDerniereImage = 0;
}

void TMesure::viderTransparent()
{
    etat_.MarquesTsp.clear();
    etat_.CentresTsp.resize(1);
    etat_.MarquesTspDerniereImage = 0;
}

void TMesure::EffacerMarques()
{
    const Avant avant = debut();
    viderMarques();
    signaler();
    fin(avant, ActionMesure{TAction::EffacerMarques});
}

void TMesure::EffacerTransparent()
{
    const Avant avant = debut();
    viderTransparent();
    placerTransparent();
    signaler();
    fin(avant, ActionMesure{TAction::EffacerTransparent});
}

void TMesure::EffacerTout()
{
    const Avant avant = debut();
    // The segment's ends, the origin and LongueurEtalon stay in memory: the
    // length dialog offers the old length when the segment is placed again.
    etat_.EtatEtalon = TEtatEtalon::Aucun;
    etat_.OriginePlacee = TOrigine::NonPlacee;
    etat_.Plan.reset(); // a calibration, like the segment; the axes' angle is a choice and stays
    viderMarques();
    viderTransparent();
    placerTransparent();
    signaler();
    fin(avant, ActionMesure{TAction::EffacerTout});
}

int TMesure::marquesAvant(int image) const
{
    const int n = NombreDePoints(), parImage = etat_.MarquesParImage;
    if (int(etat_.ImagesMarques.size()) != n) return -1;
    const std::vector<int> images = ImagesDesMarques(etat_.ImagesMarques, parImage, etat_.MarquesDerniereImage);
    // Frames never decrease from one frame of marks to the next: the first
    // frame of marks on `image` or after it ends what stays.
    int k = 0;
    while (k < n && images[std::size_t(k)] < image) k += parImage;
    return std::min(k, n);
}

bool TMesure::PeutEffacerMarquesDepuis(int image) const
{
    const int garde = marquesAvant(image);
    return garde >= 0 && garde < NombreDePoints();
}

void TMesure::EffacerMarquesDepuis(int image)
{
    if (!PeutEffacerMarquesDepuis(image)) return;
    const Avant avant = debut();
    const std::size_t garde = std::size_t(marquesAvant(image));
    etat_.Marques.resize(garde);
    etat_.ImagesMarques.resize(garde);
    etat_.OriginesMarques.resize(std::min(etat_.OriginesMarques.size(), garde));
    // What stays lies before the frame shown, so never on the last frame.
    etat_.MarquesDerniereImage = 0;
    signaler();
    fin(avant, ActionMesure{TAction::EffacerMarquesDepuis, image + 1});
}
