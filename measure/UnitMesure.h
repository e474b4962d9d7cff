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
// Every measuring action is recorded in the undo history, as one step, and
// raises its one notification once recorded.
//
// State and whole-state operations are in UnitMesure.cpp; the mouse and key
// rules and the cursor choice in UnitPointage.cpp; the undo history in
// UnitMesureAnnulation.cpp; the axes' angle and the plane in
// UnitMesureCalibration.cpp.

#include "measure/UnitAnnulation.h"
#include "measure/UnitEtatMesure.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
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
    virtual bool Ouverte() const = 0; // a video is open
    virtual int NumeroImage() const = 0;
    virtual int FrameCount() const = 0;
    // Does nothing for the current frame; otherwise stops playback, clamps
    // to 0..FrameCount-1 and repaints.
    virtual void AllerImage(int i) = 0;
    virtual int Largeur() const = 0; // view size in pixels
    virtual int Hauteur() const = 0;
};

// What the next press does, as the view's cursor and the Display menu's
// cursor pictures show it in the chosen colour (TCouleurCurseur): marks
// (numbered when several points share a frame), the scale segment or the origin.
enum class TFamilleCurseur : std::uint8_t { Marque, Marque1, Marque2, Marque3, Etalon, Origine };
TFamilleCurseur FamilleCurseur(const EtatMesure& m);
// The overlay tool's step when the next press grabs it (Saisir) or drags it
// (Deplacer): a cursor of its own, whatever the colour; none otherwise.
std::optional<TEtatTransparent> GesteTransparent(const EtatMesure& m);

// The pixel caches of the normalised positions, rebuilt for the view's size.
struct PixelsMesure {
    PointPixels Origine;
    std::array<PointPixels, 2> Etalon{};
    PointPixels CentreTsp;
    PointPixels DemiTailleTsp;
    PointPixels DecalageTsp;
    PointPixels Souris; // last pointer position
};

class TMesure {
public:
    explicit TMesure(VueMesure& vue);

    // Raised once after every operation that changed the state; the view
    // repaints on it.
    std::function<void()> OnChange;
    // Raised when only the drawing changed: what follows the pointer (the
    // segment being placed, the dragged overlay) or the overlay laid out anew.
    std::function<void()> OnChangeDessin;
    // Raised when the second end of the segment is placed: its length is asked for.
    std::function<void()> OnChangeEtalon;

    const EtatMesure& Etat() const { return etat_; }
    const PixelsMesure& Pixels() const { return pixels_; }
    // Replaces the whole state (a loaded work file) and rebuilds the pixel
    // caches. The history starts anew.
    void Remplacer(EtatMesure etat);

    int NombreDePoints() const { return etat_.NombreDePoints(); }
    int NombreDePointsTsp() const { return etat_.NombreDePointsTsp(); }

    // --- Pointing modes, exactly one set ---
    bool ModeMarque() const { return etat_.Outil == TOutil::Marque; }
    bool ModeEtalon() const { return etat_.Outil == TOutil::Etalon; }
    bool ModeOrigine() const { return etat_.Outil == TOutil::Origine; }
    bool ModeTransparent() const { return etat_.Outil == TOutil::Transparent; }
    // With true, selects that mode; in any case notifies (the view sets its cursor anew).
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
    void SetMarquesParImage(int n); // 1..3
    void SetCouleurCurseur(TCouleurCurseur c);
    void SetCouleur(std::uint32_t couleur);
    void SetCacherImage(bool cacher);
    // The picture turned `degres` clockwise in place of the file's turn (-1:
    // the file's), which turns it `quarts` quarter turns from how it was
    // shown: every position turns with it and stays on the object.
    void TournerImage(int degres, int quarts);
    // Whether the marks' frames count the fields of an interlaced video
    // (the frame source was switched to match). Not a measuring action: the
    // undo history is forgotten, as its steps hold frames of the other count.
    void SetChampsImages(bool champs);
    void SetAxeVersLeBas(bool versLeBas);
    void SetLongueurEtalon(double metres);
    // The masses, g and the user's formulas (not an undo step).
    void SetGrandeurs(const TGrandeursMesure& g);
    // The fits the results window keeps with the work.
    void SetAjustements(std::vector<TDemandeAjustement> ajustements);

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
    // Removes the marks placed on frame `image` and after it (whole frames of
    // marks), as one step; the view stays. Only when the frames of the marks
    // are known (a work file without them does not tell) and some lie there.
    bool PeutEffacerMarquesDepuis(int image) const;
    void EffacerMarquesDepuis(int image);

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
    // Marks tool only: a mark at a normalised position, by the rule a press
    // follows (the view advances once the frame has all its marks).
    void PlacerMarque(PointD position);
    // The same for a mark made otherwise than by a click (automatic tracking).
    void PlacerMarque(PointD position, const OrigineMarque& origine);

    // --- Turned axes and the plane (UnitMesureCalibration.cpp) ---
    // Turns the axes by `degres`, brought into (-180, 180]; false, and
    // nothing changes, when it is not a finite number.
    bool SetAngleAxes(double degres);
    // The x axis along the scale segment (pointing right); false without a
    // segment. `aspectRatio`: the picture's width / height.
    bool AxesSelonEtalon(double aspectRatio);
    // Places the plane, which then replaces the segment; refused with its
    // fault, and nothing changes. Ends a clicking of corners.
    DefautPlan PlacerPlan(const TPlan& plan);
    void RetirerPlan();
    // The plane's corners clicked one by one, whatever the tool: each left
    // press takes the next corner, a right press takes the last one back
    // (or gives up before the first). After the fourth, OnCoinsPlan asks
    // for the rectangle's size; PlacerPlan or AbandonnerCoinsPlan ends it.
    void CommencerCoinsPlan();
    void AbandonnerCoinsPlan();
    bool CoinsPlanEnCours() const { return coinsEnCours_; }
    const VecteurPointD& CoinsPlan() const { return coins_; }
    std::function<void()> OnCoinsPlan;
    // The x axis' arrow dragged with the origin tool.
    bool RotationEnCours() const { return rotation_.has_value(); }

    // --- Undo (UnitMesureAnnulation.cpp) ---
    const HistoriqueMesure& Historique() const { return historique_; }
    // Undoes the last action and shows the frame it was taken on; redoing
    // shows the frame it led to. Nothing when there is nothing to undo (redo).
    void Annuler();
    void Refaire();
    // Everything done from Commencer to Terminer undoes as one step named
    // `action`, numbered by the marks it added.
    void CommencerSuite(TAction action);
    void TerminerSuite();
    bool SuiteEnCours() const { return suite_.has_value(); }

private:
    // The state an action starts from.
    struct Avant {
        EtatMesure Etat;
        int Image = 0;
    };
    // An action's start: notifications wait for its end.
    Avant debut();
    // Its end: records the step (when `action` is given and the state
    // changed), then raises the notification that waited.
    void fin(const Avant& avant, std::optional<ActionMesure> action);
    void enregistrer(const Avant& avant, ActionMesure action);

    void choisirMode(TOutil outil, bool choisir);
    void signaler();
    void signalerDessin();
    void placerTransparent();
    // Empty the marks (or the overlay marks) and their counters.
    void viderMarques();
    void viderTransparent();

    bool surDerniereImage() const;
    PointD normalise(PointPixels p) const;
    PointPixels enPixels(PointD p) const;

    void ajouterMarque(PointD position, const OrigineMarque& origine = {});
    // The number of marks that lie before frame `image`, or -1 when the frames are unknown.
    int marquesAvant(int image) const;
    // True when the second end was placed (its length is then asked for).
    bool appuiEtalon(PointPixels p, PointD exact);
    void appuiOrigine(PointPixels p, PointD exact);
    // The action the press ends, if any (a grab starts a drag).
    std::optional<ActionMesure> appuiTransparent(PointPixels p, const Avant& avant);
    void marquerTransparent(PointPixels p);
    void relacheTransparent(PointPixels p);
    void appuiDroit(PointPixels p);
    void retirerMarque();
    void appuiDroitTransparent(PointPixels p);
    // The calibration's share of the mouse: true when it took the event.
    bool appuiCalibration(PointPixels p, PointD exact, const Avant& avant);
    bool bougerCalibration(PointPixels p);
    bool relacheCalibration();
    bool appuiDroitCalibration();

    VueMesure& vue_;
    EtatMesure etat_;
    PixelsMesure pixels_;
    HistoriqueMesure historique_;
    int actions_ = 0;              // actions under way (one, or nested)
    bool signalEnAttente_ = false; // a notification waits for their end
    // The overlay grabbed and not yet dropped: the drag is one step from the grab.
    std::optional<Avant> saisie_;
    // A run that undoes as one step.
    struct Suite {
        Avant Depart;
        TAction Action;
    };
    std::optional<Suite> suite_;
    // The plane's corners being clicked.
    bool coinsEnCours_ = false;
    VecteurPointD coins_;
    // The axes being turned by their handle: one step from the press.
    std::optional<Avant> rotation_;
};
