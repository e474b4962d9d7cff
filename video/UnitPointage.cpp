// The pointing rules of TMesure: what a press, a release, a right press, a
// pointer move or a resize key does in each mode, and the cursor that tells
// the user what the next press will do.

#include "video/UnitMesure.h"

#include <cmath>

namespace {

constexpr int CurseurPan = 19;
constexpr int CurseurClickGauche = 20;

// Column of the cursor tables for a cursor family; -1 for none.
int Famille(char couleurCurseur)
{
    switch (couleurCurseur) {
    case 'n': return 0;
    case 'b': return 1;
    case 'e': return 2;
    default: return -1;
    }
}

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

void TMesure::MettreAJourCurseur()
{
    const int f = Famille(CouleurCurseur);
    if (ModeTransparent() && EtatTransparent == TEtatTransparent::Saisir) {
        Curseur = CurseurClickGauche;
    } else if (ModeTransparent() && EtatTransparent == TEtatTransparent::Deplacer) {
        Curseur = CurseurPan;
    } else if (f >= 0) {
        if (ModeEtalon()) {
            Curseur = 13 + f;                          // EtalonNoir, EtalonBlanc, EtalonNB
        } else if (ModeOrigine()) {
            static constexpr int origine[] = {17, 16, 18};
            Curseur = origine[f];
        } else if (ModeTransparent() || MarquesParImage <= 1) {
            Curseur = 1 + f;                           // MarqueNoir, MarqueBlanc, MarqueNB
        } else {
            // Marque1.. to Marque3..: the point the next press marks.
            Curseur = 4 + 3 * f + NombreDePoints() % MarquesParImage;
        }
    }
    if (OnChangeCurseur) OnChangeCurseur();
}

bool TMesure::surDerniereImage() const
{
    return vue_.NumeroImage() + 1 == vue_.FrameCount();
}

void TMesure::SourisBougee(PointPixels p)
{
    if (!vue_.Ouverte()) return;
    SourisPixels = p;
    // The segment being placed and the dragged overlay follow the pointer.
    if (EtatEtalon == 1 || ModeTransparent()) vue_.Repeindre();
}

void TMesure::AppuiGauche(PointPixels p)
{
    if (!vue_.Ouverte()) return;
    if (ModeEtalon()) appuiEtalon(p);
    else if (ModeOrigine()) appuiOrigine(p);
    else if (ModeMarque()) appuiMarque(p);
    else appuiTransparent(p);
}

void TMesure::appuiEtalon(PointPixels p)
{
    if (EtatEtalon == 0) {
        PointsEtalon[0] = normalise(p);
        EtalonPixels[0] = p;
        EtatEtalon = 1;
        SourisPixels = p;
        vue_.Repeindre();
    } else if (EtatEtalon == 1 && p != EtalonPixels[0]) {
        PointsEtalon[1] = normalise(p);
        EtalonPixels[1] = p;
        EtatEtalon = 2;
        vue_.Repeindre();
        if (OnChangeEtalon) OnChangeEtalon();
    }
}

void TMesure::appuiOrigine(PointPixels p)
{
    if (OriginePlacee != 0) return; // removed by a right press first
    OriginePlacee = 1;
    Origine = normalise(p);
    OriginePixels = p;
    vue_.Repeindre();
}

void TMesure::appuiMarque(PointPixels p)
{
    if (surDerniereImage()) {
        // The view cannot advance past the last frame: one frame's worth of marks there.
        if (MarquesDerniereImage >= MarquesParImage) return;
        ++MarquesDerniereImage;
    }
    const int n = NombreDePoints() + 1;
    Marques.resize(n);
    Marques.back() = normalise(p);
    SetNombreDePoints(n);
    MettreAJourCurseur();
    if (n % MarquesParImage == 0) vue_.AllerImage(vue_.NumeroImage() + 1);
    else vue_.Repeindre();
    ImagesMarques.resize(n);
    ImagesMarques.back() = vue_.NumeroImage();
}

void TMesure::appuiTransparent(PointPixels p)
{
    if (MarquesTspDerniereImage > 0 && surDerniereImage()) return;
    switch (EtatTransparent) {
    case TEtatTransparent::Saisir:
        DecalageTspPixels = p - CentreTspPixels;
        DecalageTsp = normalise(DecalageTspPixels);
        break;
    case TEtatTransparent::Deplacer:
        // The release that ended the drag was lost (outside the view): drop here.
        RelacheGauche(p);
        break;
    case TEtatTransparent::Marquer:
        marquerTransparent(p);
        break;
    }
    EtatTransparent = Suivant(EtatTransparent);
    MettreAJourCurseur();
}

void TMesure::marquerTransparent(PointPixels p)
{
    if (surDerniereImage()) ++MarquesTspDerniereImage;
    const int n = NombreDePointsTsp() + 1;
    MarquesTsp.resize(n);
    MarquesTsp.back() = normalise(p - CentreTspPixels);
    CentresTsp.resize(n + 1);
    SetNombreDePointsTsp(n);
    ImagesMarquesTsp.resize(n);
    ImagesMarquesTsp.back() = vue_.NumeroImage();
    vue_.AllerImage(vue_.NumeroImage() + 1);
}

void TMesure::RelacheGauche(PointPixels p)
{
    if (!vue_.Ouverte() || !ModeTransparent() || EtatTransparent != TEtatTransparent::Deplacer) return;
    if (MarquesTspDerniereImage > 0 && surDerniereImage()) return;
    EtatTransparent = TEtatTransparent::Marquer;
    MettreAJourCurseur();
    CentreTspPixels = p - DecalageTspPixels;
    CentreTsp = normalise(CentreTspPixels);
    CentresTsp[NombreDePointsTsp()] = CentreTsp; // the centre for the coming mark
    vue_.Repeindre();
}

void TMesure::AppuiDroit(PointPixels p)
{
    if (!vue_.Ouverte()) return;
    if (ModeEtalon()) {
        if (EtatEtalon == 0) return;
        --EtatEtalon; // from 2, the segment follows the pointer again
        SourisPixels = p;
        vue_.Repeindre();
    } else if (ModeOrigine()) {
        if (OriginePlacee != 1) return;
        OriginePlacee = 0;
        vue_.Repeindre();
    } else if (ModeMarque()) {
        if (NombreDePoints() > 0) retirerMarque();
    } else {
        appuiDroitTransparent(p);
    }
}

void TMesure::retirerMarque()
{
    const int n = NombreDePoints() - 1;
    Marques.resize(n);
    ImagesMarques.resize(n); // empty after a work-file load: grows with zeros
    SetNombreDePoints(n);
    MettreAJourCurseur();
    // The removed mark completed its frame: go back to where it was placed.
    const bool completaitImage = n % MarquesParImage == MarquesParImage - 1;
    if (MarquesDerniereImage == 0 && completaitImage)
        vue_.AllerImage(ImagesMarques.empty() ? vue_.NumeroImage() - 1 : ImagesMarques.back());
    if (surDerniereImage() && MarquesDerniereImage > 0) --MarquesDerniereImage;
    vue_.Repeindre();
}

void TMesure::appuiDroitTransparent(PointPixels p)
{
    switch (EtatTransparent) {
    case TEtatTransparent::Saisir: {
        // Remove the last overlay mark; the overlay stays where it is.
        if (NombreDePointsTsp() <= 0) return;
        const int n = NombreDePointsTsp() - 1;
        MarquesTsp.resize(n);
        CentresTsp.resize(n + 1);
        SetNombreDePointsTsp(n);
        EtatTransparent = TEtatTransparent::Marquer;
        MettreAJourCurseur();
        if (MarquesTspDerniereImage == 0)
            vue_.AllerImage(ImagesMarquesTsp.empty() ? vue_.NumeroImage() - 1 : ImagesMarquesTsp.back());
        ImagesMarquesTsp.resize(n);
        if (surDerniereImage() && MarquesTspDerniereImage > 0) --MarquesTspDerniereImage;
        break;
    }
    case TEtatTransparent::Marquer:
        // Cancel the drop: back to the centre of the last mark, or the default place.
        if (NombreDePointsTsp() > 0) {
            CentreTspPixels = enPixels(CentresTsp[NombreDePointsTsp() - 1]);
            CentreTsp = normalise(CentreTspPixels);
            DecalageTspPixels = p - CentreTspPixels;
            DecalageTsp = normalise(DecalageTspPixels);
        } else {
            PlacerTransparent();
        }
        EtatTransparent = TEtatTransparent::Saisir;
        MettreAJourCurseur();
        break;
    case TEtatTransparent::Deplacer:
        break;
    }
    vue_.Repeindre();
}

void TMesure::RedimensionnerTransparent(char touche)
{
    const int largeur = vue_.Largeur();
    PointPixels& d = DemiTailleTspPixels;
    double facteur = 0;
    if (touche == '+' || touche == '=') {
        if (d.X >= largeur) return;        // half-width has reached the view width
        facteur = 1.1;
    } else if (touche == '-') {
        if (d.X <= largeur / 8) return;    // an eighth of the view width at least
        facteur = 0.9;
    } else {
        return;
    }
    // Both halves scale together so the overlay keeps its proportions.
    d = {int(std::nearbyint(d.X * facteur)), int(std::nearbyint(d.Y * facteur))};
    DemiTailleTsp = normalise(d);
    vue_.Repeindre();
}
