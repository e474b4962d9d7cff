#pragma once
// The position series: marks of a measurement turned into positions in metres
// on a time base, one series per moving point, with their velocities and
// accelerations. Owned by the results window, which reads `Resultats()`.

#include "kinematics/UnitCodeResultat.h"
#include "kinematics/UnitPasDeTemps.h"
#include "core/UnitMath.h"

#include <array>
#include <string>
#include <vector>

class TDiscret;

// What the computation reads from the measurement (frame view and video),
// copied at the moment of the call. Positions are normalised picture
// coordinates, y downwards.
struct TEntreesSeries {
    bool ModeTransparent = false;   // the overlay marks instead of the video marks
    bool AxeVersLeBas = false;      // the vertical axis points down
    PointD Origine;                 // origin of the axes (video marks only)
    int MarquesParImage = 1;        // moving points 1..3 (video marks only)
    int EtatEtalon = 0;             // scale-segment ends placed
    int NombreDePoints = 0;
    VecteurPointD Marques;          // video marks
    int NombreDePointsTsp = 0;
    VecteurPointD MarquesTsp;       // overlay marks, offsets from the overlay centre
    double LongueurEtalon = 0.0;    // metres
    double FrameTime = 0.0;         // seconds between two frames
    double AspectRatio = 1.0;       // picture width / height
    std::array<PointD, 2> PointsEtalon{}; // ends of the scale segment
    std::string FichierVideo;       // identifies the video the marks come from
};

// The result series. Point p (0-based) has NbMesures[p] samples; every inner
// array of point p has that many elements, zeros where nothing was computed.
struct TResultatsSeries {
    bool AfficherVitesse = false;     // velocities computed and offered
    bool AfficherAcceleration = false; // accelerations computed and offered
    std::vector<int> NbMesures;
    int NbPointsMobiles = 1;
    int NbMarques = 0;
    double MetresParHauteur = 0.0;    // metres spanned by one picture height
    double MetresParLargeur = 0.0;    // metres spanned by one picture width
    bool Lisser = true;               // derivatives taken on least-squares fits
    bool AxeVersLeBas = false;
    std::vector<double> XMarques, YMarques; // every mark in metres, in mark order
    using Series = std::vector<std::vector<double>>; // [point][sample]
    Series SerieTemps, SerieX, SerieY, SerieVX, SerieVY, SerieV, SerieAX, SerieAY, SerieA;

    friend bool operator==(const TResultatsSeries&, const TResultatsSeries&) = default;
};

class TSeries {
public:
    // `pas` is the time step shared with the time-step dialog; it must outlive
    // the series.
    explicit TSeries(TPasDeTemps& pas);

    const TResultatsSeries& Resultats() const { return r_; }

    // Replaces every series from the measurement. The flags say whether
    // velocities and accelerations are wanted; CodeTropPeuDeMesures clears
    // those that cannot be computed. CodeEtalonNul leaves everything as it was
    // (the table is refilled after any other code).
    CodeResultat CalculerResultats(const TEntreesSeries& mesure, bool afficherVitesse, bool afficherAcceleration);

    // Deals the marks in metres to the moving points, sets the times from the
    // time step in use (TChoisi) and computes the derivatives.
    CodeResultat Repartir();

    // Derivatives of every moving point, into SerieVX/VY/V or SerieAX/AY/A.
    CodeResultat CalculerVitesses();
    CodeResultat CalculerAccelerations();

    // Provisional recomputations of the Calculs menu. On success the caller
    // runs Repartir and refreshes its views. On failure the series are left as
    // they were before the call and the change is undone: TChoisi goes back to
    // TDefaut, or smoothing back to its former state.
    CodeResultat ChangerPasDeTemps(double T);
    CodeResultat BasculerLissage(); // inverts Lisser, then recomputes

private:
    using Derivee = double (TDiscret::*)(int) const;
    CodeResultat CalculerDerivees(Derivee derivee, TResultatsSeries::Series& sx, TResultatsSeries::Series& sy,
                                  TResultatsSeries::Series& s);
    // Runs the wanted derivative passes; on failure restores `avant`.
    CodeResultat RecalculerProvisoirement(const TResultatsSeries& avant);

    TPasDeTemps& pas_;
    TResultatsSeries r_;
};
