#pragma once
// The position series: marks of a measurement turned into positions in metres
// on a time base, one series per moving point, with their velocities and
// accelerations. Owned by the results window, which reads `Resultats()`.

#include "kinematics/UnitBaseTemps.h"
#include "kinematics/UnitCodeResultat.h"
#include "kinematics/UnitPasDeTemps.h"
#include "kinematics/UnitPlan.h"
#include "core/UnitMath.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class TDiscret;

// How a mark was made and whether its sample can be trusted, as the table of
// values shows it.
struct TEtatMarque {
    bool Suivie = false;  // placed by automatic tracking
    double Score = 1.0;   // the match's score when tracked: 1 perfect, lower worse
    bool Doute = false;   // a doubtful match, placed but to be checked
    bool Repetee = false; // on a picture that repeats the one before, or at the
                          // time of the point's mark before: left out of the derivatives
    friend bool operator==(const TEtatMarque&, const TEtatMarque&) = default;
};

// What the computation reads from the measurement (frame view and video),
// copied at the moment of the call. Positions are normalised picture
// coordinates, y downwards.
struct TEntreesSeries {
    bool ModeTransparent = false; // the overlay marks instead of the video marks
    bool AxeVersLeBas = false;    // the vertical axis points down
    PointD Origine;               // origin of the axes (video marks only)
    int MarquesParImage = 1;      // moving points 1..3 (video marks only)
    int EtatEtalon = 0;           // scale-segment ends placed
    int NombreDePoints = 0;
    VecteurPointD Marques;                 // video marks
    std::vector<TEtatMarque> EtatsMarques; // one a video mark; empty: all clicked, none repeated
    int NombreDePointsTsp = 0;
    VecteurPointD MarquesTsp;             // overlay marks, offsets from the overlay centre
    double LongueurEtalon = 0.0;          // metres
    double FrameTime = 0.0;               // seconds between two frames
    double PasCapture = 0.0;              // seconds between two captured frames when the video
                                          // carries a capture rate (slow motion), else 0
    std::vector<int> ImagesMarques;       // frame each video mark was placed on
    std::vector<int> ImagesMarquesTsp;    // frame each overlay mark was placed on
    TTempsImage TempsImage;               // each frame's own time; empty: frames FrameTime apart
    double AspectRatio = 1.0;             // picture width / height
    std::array<PointD, 2> PointsEtalon{}; // ends of the scale segment
    std::string FichierVideo;             // identifies the video the marks come from
    VecteurPointD CentresTsp;             // overlay centre of each overlay mark, normalised
    double AngleAxes = 0.0;               // degrees the axes are turned, counter-clockwise on screen
    std::optional<TPlan> Plan;            // the plane seen in perspective; replaces the segment
    int VideoWidth = 0, VideoHeight = 0;  // the picture in pixels, 0 when not known
};

// Which smoothing gave the derivatives.
enum class TLissage {
    Aucun,    // differences of the measured positions
    Polynome, // one polynomial over each whole series
    Local,    // local polynomials over a sliding window
    Mixte,    // one polynomial for some series, local polynomials for others
};

// The result series. Point p (0-based) has NbMesures[p] samples; every inner
// array of point p has that many elements, zeros where nothing was computed.
struct TResultatsSeries {
    bool AfficherVitesse = false;      // velocities computed and offered
    bool AfficherAcceleration = false; // accelerations computed and offered
    std::vector<int> NbMesures;
    int NbPointsMobiles = 1;
    int NbMarques = 0;
    double MetresParHauteur = 0.0; // metres spanned by one picture height
    double MetresParLargeur = 0.0; // metres spanned by one picture width
    bool Lisser = true;            // derivatives taken on least-squares fits
    bool AxeVersLeBas = false;
    double AngleAxes = 0.0;                          // degrees the axes are turned, counter-clockwise on screen
    std::vector<double> XMarques, YMarques;          // every mark in metres, in mark order
    using Series = std::vector<std::vector<double>>; // [point][sample]
    Series SerieTemps, SerieX, SerieY, SerieVX, SerieVY, SerieV, SerieAX, SerieAY, SerieA;
    // Standard uncertainties of the velocities and accelerations, same shape;
    // NaN where the scatter of the positions cannot be estimated.
    Series SerieUVX, SerieUVY, SerieUV, SerieUAX, SerieUAY, SerieUA;
    // How each sample's mark was made, same shape. The derivatives of a
    // repeated sample are NaN: it takes no part in them.
    std::vector<std::vector<TEtatMarque>> EtatsMarques;
    std::vector<TEtatMarque> EtatsDesMarques; // in mark order, as given
    TLissage Lissage = TLissage::Aucun;
    int FenetreLocale = 0;       // samples in the widest local fit, when local polynomials were used
    bool TempsDesImages = false; // times from the frames of the marks (else one step a mark)

    friend bool operator==(const TResultatsSeries&, const TResultatsSeries&) = default;
};

// The samples of `point` (0-based) the derivatives are taken on: all but the
// repeated ones, with their times and positions.
struct TEchantillonsGardes {
    std::vector<int> Indices;
    std::vector<double> Temps, X, Y;
};
TEchantillonsGardes EchantillonsGardes(const TResultatsSeries& r, int point);

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
    // frames of the marks and the time step in use (TChoisi) and computes the
    // derivatives.
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
    struct TPasse; // what a derivative pass reads and writes
    CodeResultat CalculerDerivees(const TPasse& passe);
    void NoterLissage(const TDiscret& d, bool seconde);
    // The times of every sample for the time step T.
    void PoserTemps(double T);
    // Runs the wanted derivative passes; on failure restores `avant`.
    CodeResultat RecalculerProvisoirement(const TResultatsSeries& avant);

    TPasDeTemps& pas_;
    TResultatsSeries r_;
    // Frame steps of every sample from the first marked frame; empty when the
    // frames of the marks are not known, and the samples are one step apart.
    std::vector<std::vector<double>> pasImages_;
};
