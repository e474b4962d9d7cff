// The measurement's undo history: each action recorded as one step when it
// ends, steps undone and redone with the frame they concern.

#include "measure/UnitMesure.h"

TMesure::Avant TMesure::debut()
{
    ++actions_;
    return {etat_, vue_.NumeroImage()};
}

void TMesure::fin(const Avant& avant, std::optional<ActionMesure> action)
{
    if (--actions_ > 0) return;
    if (action) {
        // A drag is one step from its grab.
        const bool glisse = action->Action == TAction::DeplacementTransparent && saisie_;
        enregistrer(glisse ? *saisie_ : avant, *action);
        if (glisse) saisie_.reset();
    }
    // The notification goes out once the step is recorded, so that whoever
    // listens sees what can be undone.
    if (signalEnAttente_) {
        signalEnAttente_ = false;
        signaler();
    }
}

void TMesure::enregistrer(const Avant& avant, ActionMesure action)
{
    if (suite_) return; // the run is one step, recorded at its end
    historique_.Enregistrer(avant.Etat, etat_, avant.Image, vue_.NumeroImage(), action);
}

void TMesure::Annuler()
{
    if (suite_) TerminerSuite();
    if (!historique_.PeutAnnuler()) return;
    saisie_.reset();
    rotation_.reset();
    const int image = historique_.Annuler(etat_);
    RecalculerPixels();
    vue_.AllerImage(image);
    signaler();
}

void TMesure::Refaire()
{
    if (suite_ || !historique_.PeutRefaire()) return;
    saisie_.reset();
    rotation_.reset();
    const int image = historique_.Refaire(etat_);
    RecalculerPixels();
    vue_.AllerImage(image);
    signaler();
}

void TMesure::CommencerSuite(TAction action)
{
    if (suite_) return;
    suite_ = Suite{{etat_, vue_.NumeroImage()}, action};
}

void TMesure::TerminerSuite()
{
    if (!suite_) return;
    const Suite suite = std::move(*suite_);
    suite_.reset();
    const int marques = NombreDePoints() - suite.Depart.Etat.NombreDePoints();
    enregistrer(suite.Depart, ActionMesure{suite.Action, marques});
    signaler();
}
