#pragma once
// The results without a window: the series of a measurement, their
// recomputations and the table of values filled from them. The results window
// and kinotab-cli both go through this one road.

#include "kinematics/UnitAjustementSeries.h"
#include "kinematics/UnitSeries.h"
#include "results/UnitTableau.h"

class TModeleResultats {
public:
    TModeleResultats();
    TModeleResultats(const TModeleResultats&) = delete;
    TModeleResultats& operator=(const TModeleResultats&) = delete;

    const TResultatsSeries& Series() const { return series_.Resultats(); }
    const TGrandeursMesure& Grandeurs() const { return grandeurs_; }
    // The quantities that have columns in the table, in their order.
    const std::vector<TGrandeurDefinie>& GrandeursTableau() const { return definies_; }
    const TTableau& Tableau() const { return tableau_; }
    TTableau& Tableau() { return tableau_; }
    // The time step: the model owns it; the time-step dialog gets a copy.
    const TPasDeTemps& PasDeTemps() const { return pas_; }
    // The inputs of the last computation that got past the scale check (the
    // fits read the frames of the marks and the scale segment there).
    const TEntreesSeries& Entrees() const { return entrees_; }

    // Replaces every series from the measurement, then refills the table
    // unless the scale segment had no length (the earlier results stay).
    CodeResultat CalculerResultats(const TEntreesSeries& mesure, bool afficherVitesse, bool afficherAcceleration);
    // The masses, g and the user's formulas of the measurement; the
    // quantities' columns follow them at once.
    void PoserGrandeurs(const TGrandeursMesure& g);
    // Any quantity by name, as the table holds it or can compute it from the
    // series: "x1", "vy2", "Ek1", "pxS", the user's; nullopt when absent.
    std::optional<TSerieGrandeur> SerieNommee(std::string_view nom, std::string* unite = nullptr) const;
    // A kept fit: of a point's series with the scale's part, or of the
    // quantity it names (refused as PointAbsent when there is none).
    TResultatAjustement Ajuster(TDemandeAjustement d) const;
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
    // The table refilled from the series, with the quantities they allow.
    void RemplirTableau();

    TPasDeTemps pas_;
    TSeries series_; // computes with pas_

    TEntreesSeries entrees_;
    TTableau tableau_;
    TGrandeursMesure grandeurs_;
    std::vector<TGrandeurDefinie> definies_;
};
