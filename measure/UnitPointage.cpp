// The pointing rules of TMesure: what a press, a release, a right press, a
// pointer move or a resize key does in each mode, and what the next press
// will do, which the view's cursor tells the user.

#include "measure/UnitMesure.h"

#include <cmath>

namespace {

TEtatTransparent Suivant(TEtatTransparent e)
{
    switch (e) {
    case TEtatTransparent::Saisir: return TEtatTransparent::Deplacer;
    case TEtatTransparent::Deplacer: return TEtatTransparent::Marquer;
    case TEtatTransparent::Marquer: break;
    }
    return TEtatTransparent::Saisir;
}

} // namespace

TFamilleCurseur FamilleCurseur(const EtatMesure& m)
{
    switch (m.Outil) {
    case TOutil::Etalon: return TFamilleCurseur::Etalon;
    case TOutil::Origine: return TFamilleCurseur::Origine;
    case TOutil::Transparent: return TFamilleCurseur::Marque;
    case TOutil::Marque: break;
    }
    if (m.MarquesParImage <= 1) return TFamilleCurseur::Marque;
    // The point the next press marks.
    return TFamilleCurseur(int(TFamilleCurseur::Marque1) + m.NombreDePoints() % m.MarquesParImage);
}

std::optional<TEtatTransparent> GesteTransparent(const EtatMesure& m)
{
    if (m.Outil != TOutil::Transparent || m.EtatTransparent == TEtatTransparent::Marquer) return std::nullopt;
    return m.EtatTransparent;
}

bool TMesure::surDerniereImage() const
{
    return vue_.NumeroImage() + 1 == vue_.FrameCount();
}

void TMesure::SourisBougee(PointPixels p)
{
    if (!vue_.Ouverte()) return;
    pixels_.Souris = p;
    if (bougerCalibration(p)) return;
    // The segment being placed and the dragged overlay follow the pointer.
    if (etat_.EtatEtalon == TEtatEtalon::UnBout || ModeTransparent()) signalerDessin();
}

void TMesure::AppuiGauche(PointPixels p)
{
    AppuiGauche(p, normalise(p));
}

void TMesure::AppuiGauche(PointPixels p, PointD exact)
{
    if (!vue_.Ouverte()) return;
    const Avant avant = debut();
    std::optional<ActionMesure> action;
    bool longueur = false;
    const std::size_t coins = coins_.size();
    if (appuiCalibration(p, exact, avant)) {
        // a corner of the plane, or the axes' handle taken
    } else if (ModeEtalon()) {
        longueur = appuiEtalon(p, exact);
        action = ActionMesure{TAction::BoutEtalon, etat_.BoutsEtalon()};
    } else if (ModeOrigine()) {
        appuiOrigine(p, exact);
        action = ActionMesure{TAction::Origine};
    } else if (ModeMarque()) {
        ajouterMarque(exact);
        action = ActionMesure{TAction::Marque, NombreDePoints()};
    } else {
        action = appuiTransparent(p, avant);
    }
    fin(avant, action);
    // Asked once the end is recorded: the length is a step of its own.
    if (longueur && OnChangeEtalon) OnChangeEtalon();
    // The fourth corner: the rectangle's size is asked for.
    if (coinsEnCours_ && coins == 3 && coins_.size() == 4 && OnCoinsPlan) OnCoinsPlan();
}

void TMesure::PlacerMarque(PointD position)
{
    PlacerMarque(position, OrigineMarque{});
}

void TMesure::PlacerMarque(PointD position, const OrigineMarque& origine)
{
    if (!vue_.Ouverte() || !ModeMarque()) return;
    const Avant avant = debut();
    ajouterMarque(position, origine);
    fin(avant, ActionMesure{TAction::Marque, NombreDePoints()});
}

bool TMesure::appuiEtalon(PointPixels p, PointD exact)
{
    if (etat_.EtatEtalon == TEtatEtalon::Aucun) {
        etat_.PointsEtalon[0] = exact;
        pixels_.Etalon[0] = p;
        etat_.EtatEtalon = TEtatEtalon::UnBout;
        pixels_.Souris = p;
        signaler();
    } else if (etat_.EtatEtalon == TEtatEtalon::UnBout && p != pixels_.Etalon[0]) {
        etat_.PointsEtalon[1] = exact;
        pixels_.Etalon[1] = p;
        etat_.EtatEtalon = TEtatEtalon::DeuxBouts;
        signaler();
        return true;
    }
    return false;
}

void TMesure::appuiOrigine(PointPixels p, PointD exact)
{
    if (etat_.OrigineEstPlacee()) return; // removed by a right press first
    etat_.OriginePlacee = TOrigine::Placee;
    etat_.Origine = exact;
    pixels_.Origine = p;
    signaler();
}

void TMesure::ajouterMarque(PointD position, const OrigineMarque& origine)
{
    const int parImage = etat_.MarquesParImage;
    if (surDerniereImage()) {
        // The view cannot advance past the last frame: one frame's worth of marks there.
        if (etat_.MarquesDerniereImage >= parImage) return;
        ++etat_.MarquesDerniereImage;
    }
    etat_.Marques.push_back(position);
    const int n = NombreDePoints();
    // Entries missing before it (an older work file) stand for clicks.
    etat_.OriginesMarques.resize(std::size_t(n - 1));
    etat_.OriginesMarques.push_back(origine);
    if (n % parImage == 0) vue_.AllerImage(vue_.NumeroImage() + 1);
    etat_.ImagesMarques.resize(n);
    etat_.ImagesMarques.back() = vue_.NumeroImage();
    signaler();
}

std::optional<ActionMesure> TMesure::appuiTransparent(PointPixels p, const Avant& avant)
{
    if (etat_.MarquesTspDerniereImage > 0 && surDerniereImage()) return std::nullopt;
    std::optional<ActionMesure> action;
    switch (etat_.EtatTransparent) {
    case TEtatTransparent::Saisir:
        pixels_.DecalageTsp = p - pixels_.CentreTsp;
        etat_.DecalageTsp = normalise(pixels_.DecalageTsp);
        saisie_ = avant; // the drag is one step, from here to the drop
        break;
    case TEtatTransparent::Deplacer:
        // The release that ended the drag was lost (outside the view): drop here.
        relacheTransparent(p);
        action = ActionMesure{TAction::DeplacementTransparent};
        break;
    case TEtatTransparent::Marquer:
        marquerTransparent(p);
        action = ActionMesure{TAction::MarqueTransparent, NombreDePointsTsp()};
        break;
    }
    etat_.EtatTransparent = Suivant(etat_.EtatTransparent);
    signaler();
    return action;
}

void TMesure::marquerTransparent(PointPixels p)
{
    if (surDerniereImage()) ++etat_.MarquesTspDerniereImage;
    etat_.MarquesTsp.push_back(normalise(p - pixels_.CentreTsp));
    const int n = NombreDePointsTsp();
    etat_.CentresTsp.resize(n + 1);
    etat_.ImagesMarquesTsp.resize(n);
    etat_.ImagesMarquesTsp.back() = vue_.NumeroImage();
    vue_.AllerImage(vue_.NumeroImage() + 1);
}

void TMesure::RelacheGauche(PointPixels p)
{
    if (vue_.Ouverte() && relacheCalibration()) return;
    if (!vue_.Ouverte() || !ModeTransparent() || etat_.EtatTransparent != TEtatTransparent::Deplacer) return;
    if (etat_.MarquesTspDerniereImage > 0 && surDerniereImage()) return;
    const Avant avant = debut();
    relacheTransparent(p);
    signaler();
    fin(avant, ActionMesure{TAction::DeplacementTransparent});
}

void TMesure::relacheTransparent(PointPixels p)
{
    etat_.EtatTransparent = TEtatTransparent::Marquer;
    pixels_.CentreTsp = p - pixels_.DecalageTsp;
    etat_.CentreTsp = normalise(pixels_.CentreTsp);
    etat_.CentresTsp[NombreDePointsTsp()] = etat_.CentreTsp; // the centre for the coming mark
    signalerDessin();
}

void TMesure::AppuiDroit(PointPixels p)
{
    if (!vue_.Ouverte() || appuiDroitCalibration()) return;
    const Avant avant = debut();
    appuiDroit(p);
    // Named by what was there before the press; a press that changed nothing records nothing.
    const EtatMesure& e = avant.Etat;
    std::optional<ActionMesure> action = ActionMesure{TAction::RetraitMarque, e.NombreDePoints()};
    if (ModeEtalon())
        action = {TAction::RetraitBoutEtalon, e.BoutsEtalon()};
    else if (ModeOrigine())
        action = {TAction::RetraitOrigine};
    else if (ModeTransparent() && e.EtatTransparent == TEtatTransparent::Saisir)
        action = {TAction::RetraitMarqueTransparent, e.NombreDePointsTsp()};
    else if (ModeTransparent() && e.EtatTransparent == TEtatTransparent::Marquer)
        action = {TAction::DeplacementTransparent};
    else if (ModeTransparent())
        action.reset(); // while dragging: nothing happens
    fin(avant, action);
}

void TMesure::appuiDroit(PointPixels p)
{
    if (ModeEtalon()) {
        if (etat_.EtatEtalon == TEtatEtalon::Aucun) return;
        // From two ends, the segment follows the pointer again.
        etat_.EtatEtalon = TEtatEtalon(etat_.BoutsEtalon() - 1);
        pixels_.Souris = p;
        signaler();
    } else if (ModeOrigine()) {
        if (!etat_.OrigineEstPlacee()) return;
        etat_.OriginePlacee = TOrigine::NonPlacee;
        signaler();
    } else if (ModeMarque()) {
        if (NombreDePoints() > 0) retirerMarque();
    } else {
        appuiDroitTransparent(p);
    }
}

void TMesure::retirerMarque()
{
    const int parImage = etat_.MarquesParImage;
    etat_.Marques.pop_back();
    const int n = NombreDePoints();
    etat_.ImagesMarques.resize(n); // empty after a work-file load: grows with zeros
    etat_.OriginesMarques.resize(std::min(etat_.OriginesMarques.size(), std::size_t(n)));
    // The removed mark completed its frame: go back to where it was placed.
    const bool completaitImage = n % parImage == parImage - 1;
    if (etat_.MarquesDerniereImage == 0 && completaitImage)
        vue_.AllerImage(etat_.ImagesMarques.empty() ? vue_.NumeroImage() - 1 : etat_.ImagesMarques.back());
    if (surDerniereImage() && etat_.MarquesDerniereImage > 0) --etat_.MarquesDerniereImage;
    signaler();
}

void TMesure::appuiDroitTransparent(PointPixels p)
{
    switch (etat_.EtatTransparent) {
    case TEtatTransparent::Saisir: {
        // Remove the last overlay mark; the overlay stays where it is.
        if (NombreDePointsTsp() <= 0) return;
        etat_.MarquesTsp.pop_back();
        const int n = NombreDePointsTsp();
        etat_.CentresTsp.resize(n + 1);
        etat_.EtatTransparent = TEtatTransparent::Marquer;
        if (etat_.MarquesTspDerniereImage == 0)
            vue_.AllerImage(etat_.ImagesMarquesTsp.empty() ? vue_.NumeroImage() - 1 : etat_.ImagesMarquesTsp.back());
        etat_.ImagesMarquesTsp.resize(n);
        if (surDerniereImage() && etat_.MarquesTspDerniereImage > 0) --etat_.MarquesTspDerniereImage;
        break;
    }
    case TEtatTransparent::Marquer:
        // Cancel the drop: back to the centre of the last mark, or the default place.
        if (NombreDePointsTsp() > 0) {
            pixels_.CentreTsp = enPixels(etat_.CentresTsp[NombreDePointsTsp() - 1]);
            etat_.CentreTsp = normalise(pixels_.CentreTsp);
            pixels_.DecalageTsp = p - pixels_.CentreTsp;
            etat_.DecalageTsp = normalise(pixels_.DecalageTsp);
        } else {
            placerTransparent();
        }
        etat_.EtatTransparent = TEtatTransparent::Saisir;
        break;
    case TEtatTransparent::Deplacer: break;
    }
    signaler();
}

void TMesure::RedimensionnerTransparent(char touche)
{
    const int largeur = vue_.Largeur();
    PointPixels& d = pixels_.DemiTailleTsp;
    double facteur = 0;
    if (touche == '+' || touche == '=') {
        if (d.X >= largeur) return; // half-width has reached the view width
        facteur = 1.1;
    } else if (touche == '-') {
        if (d.X <= largeur / 8) return; // an eighth of the view width at least
        facteur = 0.9;
    } else {
        return;
    }
    // Both halves scale together so the overlay keeps its proportions.
    d = {int(std::nearbyint(d.X * facteur)), int(std::nearbyint(d.Y * facteur))};
    etat_.DemiTailleTsp = normalise(d);
    signaler();
}
