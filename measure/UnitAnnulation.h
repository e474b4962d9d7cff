#pragma once
// The undo history of a measurement: every measuring action as the change it
// made to the state, undone and redone exactly.
//
// A step keeps only what its action changed: the simple fields that differ
// between before and after, and for each list the entries past the part both
// share (marks are appended and removed at the end, so a mark costs one
// entry, not a copy of the list). Undoing puts back the fields the action
// changed and leaves the others as they are now: a colour chosen after a
// mark survives the undoing of that mark.

#include "measure/UnitEtatMesure.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// What an undo step names.
enum class TAction : std::uint8_t {
    Marque,                 // a mark placed (Numero: its number from 1)
    RetraitMarque,          // the last mark removed (Numero: its number)
    BoutEtalon,             // an end of the scale segment placed (Numero: 1 or 2)
    RetraitBoutEtalon,      // an end of the scale segment taken back
    LongueurEtalon,         // the segment's length entered
    Origine,                // the origin placed
    RetraitOrigine,         // the origin removed
    DeplacementTransparent, // the overlay dragged and dropped, or its drop cancelled
    MarqueTransparent,      // an overlay mark placed (Numero: its number)
    RetraitMarqueTransparent,
    EffacerMarques,
    EffacerTransparent,
    EffacerTout,
    MarquesParImage,      // marks per frame chosen (Numero: 1..3)
    Suivi,                // a run of automatic tracking (Numero: marks placed)
    EffacerMarquesDepuis, // the marks from a frame on removed (Numero: that frame from 1)
    AngleAxes,            // the axes turned
    Plan,                 // the plane placed
    RetraitPlan,          // the plane taken away
};

struct ActionMesure {
    TAction Action = TAction::Marque;
    int Numero = 0;
    friend bool operator==(const ActionMesure&, const ActionMesure&) = default;
};

// One action's change of the state.
class ChangementMesure {
public:
    ChangementMesure(const EtatMesure& avant, const EtatMesure& apres);
    // True when the action changed nothing (nothing to undo).
    bool Vide() const { return vide_; }
    // Turns the state after the action back into the state before it, and the reverse.
    void Defaire(EtatMesure& e) const;
    void Refaire(EtatMesure& e) const;
    // Memory the step holds, for measuring the history's cost.
    std::size_t Octets() const;

private:
    template <typename T>
    struct Fin {
        std::size_t Commun = 0;      // leading entries before and after share
        std::vector<T> Avant, Apres; // what follows them
    };
    template <typename T>
    static Fin<T> Difference(const std::vector<T>& avant, const std::vector<T>& apres);
    template <typename T>
    static void Poser(std::vector<T>& liste, const Fin<T>& fin, bool avant);
    void Appliquer(EtatMesure& e, bool versAvant) const;

    EtatMesure avant_, apres_; // the simple fields; their lists are left empty
    Fin<PointD> marques_, marquesTsp_, centresTsp_;
    Fin<int> imagesMarques_, imagesMarquesTsp_;
    Fin<OrigineMarque> originesMarques_;
    bool vide_ = true;
};

class HistoriqueMesure {
public:
    // Records an action that changed the state; an action that changed
    // nothing is not recorded. Forgets what could be redone.
    // imageAvant / imageApres: the frames shown before and after it.
    void Enregistrer(const EtatMesure& avant, const EtatMesure& apres, int imageAvant, int imageApres, ActionMesure a);
    bool PeutAnnuler() const { return courant_ > 0; }
    // Steps that can be undone.
    std::size_t Faites() const { return courant_; }
    bool PeutRefaire() const { return courant_ < etapes_.size(); }
    // The actions the next undo and redo concern; only when possible.
    const ActionMesure& AAnnuler() const { return etapes_[courant_ - 1].Action; }
    const ActionMesure& ARefaire() const { return etapes_[courant_].Action; }
    // Undoes (redoes) the last step on `e`; returns the frame to show: the
    // one the action was taken on (the one it led to).
    int Annuler(EtatMesure& e);
    int Refaire(EtatMesure& e);
    void Vider();
    std::size_t Octets() const;

private:
    struct Etape {
        ChangementMesure Changement;
        int ImageAvant, ImageApres;
        ActionMesure Action;
    };
    std::vector<Etape> etapes_;
    std::size_t courant_ = 0; // steps done; those after it can be redone
};
