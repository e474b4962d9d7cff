#pragma once
// The results without a window: the series of a measurement, their
// recomputations and the table of values filled from them. The results window
// and kinotab-cli both go through this one road.

#include "kinematics/UnitSeries.h"
#include "results/UnitTableau.h"

class TModeleResultats {
public:
    // `pas` is the time step shared with the time-step dialog; it must outlive
    // the model.
    explicit TModeleResultats(TPasDeTemps& pas);

    const TResultatsSeries& Series() const { return series_.Resultats(); }
    const TTableau& Tableau() const { return tableau_; }
    TTableau& Tableau() { return tableau_; }
    TPasDeTemps& PasDeTemps() { return pas_; }
    // The inputs of the last computation that got past the scale check (the
    // fits read the frames of the marks and the scale segment there).
    const TEntreesSeries& Entrees() const { return entrees_; }

    // Replaces every series from the measurement, then refills the table
    // unless the scale segment had no length (the earlier results stay).
    CodeResultat CalculerResultats(const TEntreesSeries& mesure, bool afficherVitesse, bool afficherAcceleration);
    // A new time step, or smoothing switched: on success the marks are dealt
    // again and the table refilled; on failure nothing changes but the undone
    // choice (TChoisi back to TDefaut, or smoothing back).
    CodeResultat ChangerPasDeTemps(double T);
    CodeResultat BasculerLissage();

    // Column visibility: the positions alone, as at the table's activation;
    // the velocity and acceleration columns can only be shown when offered.
    // Each returns whether its columns are now shown.
    void MontrerPositions() { tableau_.MontrerPositions(); }
    bool MontrerVitesses(bool montrer);
    bool MontrerAccelerations(bool montrer);

private:
    CodeResultat Rafraichir(CodeResultat code);

    TPasDeTemps& pas_;
    TSeries series_;
    TEntreesSeries entrees_;
    TTableau tableau_;
};
