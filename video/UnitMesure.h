#pragma once
// What the user measures on one video: marks on up to three moving points per
// frame, marks on the transparent overlay, the scale segment, the origin and
// the display choices, together with the pointing rules that fill them.
//
// Positions are stored normalised: pixel / view size, origin at the picture's
// top-left corner, y downwards. The picture always fills the view, so they do
// not change with zoom. Fields ending in Pixels are caches in view pixels,
// rebuilt by RecalculerPixels.
//
// State and whole-state operations are in UnitMesure.cpp; the mouse and key
// rules and the cursor choice in UnitPointage.cpp.

#include "video/UnitMath.h"

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

// The overlay's interaction cycle: Saisir -> Deplacer -> Marquer -> Saisir.
enum class TEtatTransparent : std::uint8_t {
    Saisir,   // a press grabs the overlay
    Deplacer, // the overlay follows the pointer
    Marquer   // the overlay is dropped; the next press marks on it
};

class TMesure {
public:
    explicit TMesure(VueMesure& vue);

    // Events, raised with no argument (the view forwards them as its own).
    std::function<void()> OnChangeNombreDePoints;
    std::function<void()> OnChangeNombreDePointsTsp;
    std::function<void()> OnChangeCurseur;
    std::function<void()> OnChangeEtalon;

    // --- Marks on the video ---
    int MarquesParImage = 1;        // 1..3 moving points marked per frame
    int NombreDePoints() const { return nombreDePoints_; }
    // Stores and raises OnChangeNombreDePoints; does not resize Marques.
    void SetNombreDePoints(int n);
    // Mark k belongs to point (k mod N) + 1 of the (k div N)-th marked frame.
    VecteurPointD Marques;
    // Frame shown just after mark k was placed (the next one when k completed its frame).
    std::vector<int> ImagesMarques;
    int MarquesDerniereImage = 0;   // marks placed on the last frame, 0..N

    // --- Transparent overlay ---
    TEtatTransparent EtatTransparent = TEtatTransparent::Saisir;
    int NombreDePointsTsp() const { return nombreDePointsTsp_; }
    // Stores and raises OnChangeNombreDePointsTsp; does not resize MarquesTsp.
    void SetNombreDePointsTsp(int n);
    VecteurPointD MarquesTsp;           // (pointer - overlay centre) / view size
    VecteurPointD CentresTsp{PointD{}}; // centre of each mark, then the last drop
    std::vector<int> ImagesMarquesTsp;  // frame of each overlay mark
    int MarquesTspDerniereImage = 0;    // 0..1
    PointD CentreTsp;
    PointD DemiTailleTsp;
    PointD DecalageTsp;                 // pointer - centre at the grab
    PointPixels CentreTspPixels;
    PointPixels DemiTailleTspPixels;
    PointPixels DecalageTspPixels;

    // --- Scale segment ---
    int EtatEtalon = 0;                     // ends placed, 0..2
    std::array<PointD, 2> PointsEtalon{};   // in the order placed
    double LongueurEtalon = 0;              // metres
    std::array<PointPixels, 2> EtalonPixels{};

    // --- Origin and axes ---
    int OriginePlacee = 0;
    PointD Origine;
    PointPixels OriginePixels;
    bool AxeVersLeBas = false;              // the vertical axis points down

    // --- Display ---
    bool CacherImage = false;               // white instead of the picture
    std::uint32_t Couleur = 0;              // red in the low byte, then green, blue
    char CouleurCurseur = 0;                // 'n' black, 'b' white, 'e' both; 0 none yet
    PointPixels SourisPixels;               // last pointer position
    int Curseur = 0;                        // the view's cursor number (1..22), 0 the arrow

    // --- Pointing modes, exactly one set ---
    bool ModeMarque() const { return mode_ == Mode::Marque; }
    bool ModeEtalon() const { return mode_ == Mode::Etalon; }
    bool ModeOrigine() const { return mode_ == Mode::Origine; }
    bool ModeTransparent() const { return mode_ == Mode::Transparent; }
    // With true, selects that mode; in any case updates the cursor.
    void ChoisirModeMarque(bool choisir);
    void ChoisirModeEtalon(bool choisir);
    void ChoisirModeOrigine(bool choisir);
    void ChoisirModeTransparent(bool choisir);

    // --- Which marks are drawn ---
    bool DessinerToutesLesMarques() const { return toutesLesMarques_; }
    bool DessinerDerniereMarque() const { return !toutesLesMarques_; }
    void ChoisirToutesLesMarques(bool choisir);
    void ChoisirDerniereMarque(bool choisir);

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
    void RelacheGauche(PointPixels p);
    void AppuiDroit(PointPixels p);
    // '+' or '=' grows the overlay, '-' shrinks it; other characters do nothing.
    void RedimensionnerTransparent(char touche);
    // Chooses Curseur for what the next press does, then raises OnChangeCurseur.
    void MettreAJourCurseur();

private:
    enum class Mode { Marque, Etalon, Origine, Transparent };
    void choisirMode(Mode m, bool choisir);
    // Empty the marks (or the overlay marks) and their counters.
    void viderMarques();
    void viderTransparent();

    bool surDerniereImage() const;
    PointD normalise(PointPixels p) const;
    PointPixels enPixels(PointD p) const;

    void appuiEtalon(PointPixels p);
    void appuiOrigine(PointPixels p);
    void appuiMarque(PointPixels p);
    void appuiTransparent(PointPixels p);
    void marquerTransparent(PointPixels p);
    void retirerMarque();
    void appuiDroitTransparent(PointPixels p);

    VueMesure& vue_;
    Mode mode_ = Mode::Marque;
    bool toutesLesMarques_ = true;
    int nombreDePoints_ = 0;
    int nombreDePointsTsp_ = 0;
};
