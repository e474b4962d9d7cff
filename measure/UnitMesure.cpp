#include "measure/UnitMesure.h"

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

void TMesure::Remplacer(EtatMesure etat)
{
    historique_.Vider();
    saisie_.reset();
    suite_.reset();
    etat_ = std::move(etat);
    // The lists that go with the marks follow them, whatever the source held.
    etat_.CentresTsp.resize(etat_.MarquesTsp.size() + 1);
    etat_.MarquesParImage = std::clamp(etat_.MarquesParImage, 1, 3);
    RecalculerPixels();
    signaler();
    vue_.Repeindre();
}

void TMesure::choisirMode(TOutil outil, bool choisir)
{
    if (choisir) etat_.Outil = outil;
    MettreAJourCurseur();
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
    MettreAJourCurseur();
    fin(avant, ActionMesure{TAction::MarquesParImage, etat_.MarquesParImage});
}

void TMesure::SetCouleurCurseur(TCouleurCurseur c)
{
    etat_.CouleurCurseur = c;
    MettreAJourCurseur();
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

void TMesure::SetAxeVersLeBas(bool versLeBas)
{
    etat_.AxeVersLeBas = versLeBas;
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
    vue_.Repeindre();
}

void TMesure::viderMarques()
{
    etat_.Marques.clear();
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
    choisirCurseur();
    signaler();
    vue_.Repeindre();
    fin(avant, ActionMesure{TAction::EffacerMarques});
}

void TMesure::EffacerTransparent()
{
    const Avant avant = debut();
    viderTransparent();
    choisirCurseur();
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
    viderMarques();
    viderTransparent();
    choisirCurseur();
    placerTransparent();
    signaler();
    fin(avant, ActionMesure{TAction::EffacerTout});
}
