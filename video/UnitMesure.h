#pragma once
// What the user measures on one video: marks on up to three moving points per
// frame, marks on the transparent overlay, the scale segment, the origin and
// the display choices, together with the pointing rules that fill them.
//
// The state itself is one value (EtatMesure); the measurement keeps its
// invariants, changes it only by its operations and raises one notification
// after each. Positions are stored normalised, so they do not change with
// zoom; the pixel caches are rebuilt by RecalculerPixels.
//
// State and whole-state operations are in UnitMesure.cpp; the mouse and key
// rules and the cursor choice in UnitPointage.cpp.

#include "video/UnitEtatMesure.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// A position in view pixels. Signed: a release may fall left of or above the view.
struct PointPixels {
    int X = 0;
    int Y = 0;
    friend bool operator==(const PointPixels&, const PointPixels&) = default;
    friend PointPixels operator+(PointPixels a, PointPixels b) { return {a.X + b.X, a.Y + b.Y}; }
    friend PointPixels operator-(PointPixels a, PointPixels b) { return {a.X - b.X, a.Y - b.Y}; }
};

// Pixel of a normalised position in a view of largeur x hauteur: halves to even.
PointPixels VersPixels(PointD p, int largeur, int hauteur);
// Normalised position of a pixel.
PointD VersNormalise(PointPixels p, int largeur, int hauteur);

// What the measurement needs of the view it is drawn on.
class VueMesure {
public:
    virtual ~VueMesure() = default;
    virtual bool Ouverte() const = 0;      // a video is open
    virtual int NumeroImage() const = 0;
    virtual int FrameCount() const = 0;
    // Does nothing for the current frame; otherwise stops playback, clamps
    // to 0..FrameCount-1 and repaints.
    virtual void AllerImage(int i) = 0;
    virtual void Repeindre() = 0;          // asks for a repaint
    virtual int Largeur() const = 0;       // view size in pixels
    virtual int Hauteur() const = 0;
};

// What the next press does, as the cursor and the Display menu's cursor
// pictures show it: marks (numbered when several points share a frame), the
// scale segment or the origin.
enum class TFamilleCurseur : std::uint8_t { Marque, Marque1, Marque2, Marque3, Etalon, Origine };
TFamilleCurseur FamilleCurseur(const EtatMesure& m);

// The pixel caches of the normalised positions, rebuilt for the view's size.
struct PixelsMesure {
    PointPixels Origine;
    std::array<PointPixels, 2> Etalon{};
    PointPixels CentreTsp;
    PointPixels DemiTailleTsp;
    PointPixels DecalageTsp;
    PointPixels Souris;           // last pointer position
};

class TMesure {
public:
    explicit TMesure(VueMesure& vue);

    // Raised once after every operation that changed the state.
    std::function<void()> OnChange;
    // Raised when the second end of the segment is placed: its length is asked for.
    std::function<void()> OnChangeEtalon;

    const EtatMesure& Etat() const { return etat_; }
    const PixelsMesure& Pixels() const { return pixels_; }
    // Replaces the whole state (a loaded work file, an undone step) and
    // rebuilds the pixel caches.
    void Remplacer(EtatMesure etat);

    int NombreDePoints() const { return etat_.NombreDePoints(); }
    int NombreDePointsTsp() const { return etat_.NombreDePointsTsp(); }

    // --- Pointing modes, exactly one set ---
    bool ModeMarque() const { return etat_.Outil == TOutil::Marque; }
    bool ModeEtalon() const { return etat_.Outil == TOutil::Etalon; }
    bool ModeOrigine() const { return etat_.Outil == TOutil::Origine; }
    bool ModeTransparent() const { return etat_.Outil == TOutil::Transparent; }
    // With true, selects that mode; in any case updates the cursor.
    void ChoisirModeMarque(bool choisir);
    void ChoisirModeEtalon(bool choisir);
    void ChoisirModeOrigine(bool choisir);
    void ChoisirModeTransparent(bool choisir);

    // --- Which marks are drawn ---
    bool DessinerToutesLesMarques() const { return etat_.DessinMarques == TDessinMarques::Toutes; }
    bool DessinerDerniereMarque() const { return etat_.DessinMarques == TDessinMarques::Derniere; }
    void ChoisirToutesLesMarques(bool choisir);
    void ChoisirDerniereMarque(bool choisir);

    // --- The main window's direct choices ---
    void SetMarquesParImage(int n);             // 1..3; updates the cursor
    void SetCouleurCurseur(TCouleurCurseur c);  // updates the cursor
    void SetCouleur(std::uint32_t couleur);
    void SetCacherImage(bool cacher);
    void SetAxeVersLeBas(bool versLeBas);
    void SetLongueurEtalon(double metres);

    // Rebuilds the pixel caches for the view's current size.
    void RecalculerPixels();
    // Gives the overlay the view's size and, before its first mark, its
    // default place; then repaints.
    void PlacerTransparent();

    // The Display menu's erase commands. The frame-index arrays stay as they
    // are: pointing shortens or lengthens them again.
    void EffacerMarques();
    void EffacerTransparent();
    void EffacerTout();

    // --- Pointing (UnitPointage.cpp); positions in view pixels ---
    void SourisBougee(PointPixels p);
    void AppuiGauche(PointPixels p);
    // The same press with its position normalised without rounding to a view
    // pixel (`p` is its nearest pixel): a mark, an origin or a segment end
    // keeps the pointer's own precision, finer than a view pixel when the
    // view is smaller than the video. The overlay works in view pixels.
    void AppuiGauche(PointPixels p, PointD exact);
    void RelacheGauche(PointPixels p);
    void AppuiDroit(PointPixels p);
    // '+' or '=' grows the overlay, '-' shrinks it; other characters do nothing.
    void RedimensionnerTransparent(char touche);
    // Chooses the cursor for what the next press does.
    void MettreAJourCurseur();

private:
    void choisirMode(TOutil outil, bool choisir);
    void signaler();
    void placerTransparent();
    // Empty the marks (or the overlay marks) and their counters.
    void viderMarques();
    void viderTransparent();
    void choisirCurseur();

    bool surDerniereImage() const;
    PointD normalise(PointPixels p) const;
    PointPixels enPixels(PointD p) const;

    void appuiEtalon(PointPixels p, PointD exact);
    void appuiOrigine(PointPixels p, PointD exact);
    void appuiMarque(PointD exact);
    void appuiTransparent(PointPixels p);
    void marquerTransparent(PointPixels p);
    void relacheTransparent(PointPixels p);
    void retirerMarque();
    void appuiDroitTransparent(PointPixels p);

    VueMesure& vue_;
    EtatMesure etat_;
    PixelsMesure pixels_;
};
