#pragma once
// A fit of one results series of one moving point against time, over a range
// of its samples, with the uncertainties a teacher can trust: positions take
// their weights from the scatter about the fit; velocities and accelerations,
// whose neighbouring samples share marks, are weighted by their own
// uncertainties and their parameters' covariance is propagated from the
// scatter of the positions through the derivatives, correlations included.
// The scale's relative uncertainty adds a systematic part to every quantity
// proportional to lengths.

#include "kinematics/UnitModeleAjustement.h"
#include "kinematics/UnitSerieGrandeur.h"
#include "kinematics/UnitSeries.h"

#include <optional>
#include <string>
#include <vector>

enum class TGrandeurAjustee { X, Y, VX, VY, V, AX, AY, A };

// "x", "y", "vx", "vy", "v", "ax", "ay", "a".
std::string_view NomGrandeur(TGrandeurAjustee g);
std::optional<TGrandeurAjustee> GrandeurNommee(std::string_view nom);
// Powers of metres and seconds of the quantity's unit: m = 1, s = 0, -1 or -2.
int PuissanceSecondes(TGrandeurAjustee g);

struct TDemandeAjustement {
    TModele Modele = TModele::Droite;
    TGrandeurAjustee Grandeur = TGrandeurAjustee::Y;
    int Point = 0;                    // 0-based moving point
    std::string Quantite;             // else a quantity of the table by name ("Ek1", the user's)
    int Debut = 0;                    // first sample of the range (0-based)
    int Fin = -1;                     // last sample of the range, inclusive; -1: the last one
    std::string Expression;           // the formula of the Expression model
    std::vector<double> Departs;      // starting values of the formula's parameters; empty: 1 each
    double IncertitudeLongueur = 0.0; // relative uncertainty of the scale's known length, as the user typed it
    double EchelleRelative = 0.0;     // relative standard uncertainty of the scale, that one included

    friend bool operator==(const TDemandeAjustement&, const TDemandeAjustement&) = default;
};

// What a pupil reads off the fit.
enum class TValeurDerivee {
    Aucune,
    Acceleration, // 2c of a parabola through a position, b of a line through a velocity
    Periode,      // 2 pi / angular frequency of a sine or a damped sine
    Taux,         // b of an exponential
};
std::string_view NomDerivee(TValeurDerivee d); // "acceleration", "period", "rate"

enum class TRefusAjustement {
    Aucun,
    PointAbsent,    // no such moving point, or the quantity was not computed
    PlageVide,      // no sample in the range
    TropPeu,        // fewer samples than the model needs
    Constante,      // the series does not vary in the range
    Expression,     // the formula does not compile (Position, Element)
    SansParametre,  // the formula uses none of a..f
    NonFini,        // the model is not finite at a sample
    NonConvergence, // the solver did not converge or diverged
    Indetermine,    // the samples do not determine every parameter
};

struct TParametreAjuste {
    std::string Nom;
    double Valeur = 0.0;
    double Incertitude = 0.0; // combined standard uncertainty, scale included
    double PartEchelle = 0.0; // the scale's part of it, in the parameter's unit
};

struct TResultatAjustement {
    TRefusAjustement Refus = TRefusAjustement::Aucun;
    int NbParametresRequis = 0; // with TropPeu
    int PositionErreur = -1;    // with Expression: 0-based character of the fault
    std::string ElementErreur;  // with Expression: the token at fault
    bool NomInconnu = false;    // with Expression: the fault is an unknown name
    double TempsNonFini = 0.0;  // with NonFini: the first time where the start is not finite, else NaN

    TDemandeAjustement Demande; // the range with its actual ends
    std::vector<TParametreAjuste> Parametres;
    TValeurDerivee Derivee = TValeurDerivee::Aucune;
    TParametreAjuste ValeurDerivee; // Nom empty
    double EchelleRelative = 0.0;   // the relative scale part included in the derived value's uncertainty
    double Rms = 0.0;               // root mean square of the residuals
    double Chi2Reduit = 0.0;
    int N = 0;                          // samples fitted
    std::vector<double> Temps, Residus; // the range's times and residuals (sample - fit)

    bool Reussi() const { return Refus == TRefusAjustement::Aucun; }
};

TResultatAjustement Ajuster(const TResultatsSeries& r, const TDemandeAjustement& demande);
// A fit of any quantity's series (energy, momentum, a formula of the user's):
// the request's Grandeur and Point are not used, nor the scale, whose power in
// the quantity's unit is not known. Samples are weighted by their own
// uncertainties when all are known; the scatter about the fit sets the
// parameters' uncertainties. Only a sine's period or an exponential's rate is
// derived.
TResultatAjustement AjusterSerie(const TSerieGrandeur& serie, const TDemandeAjustement& demande);

// The fitted curve at t (the model of `resultat` with its parameters);
// NaN when the fit did not succeed.
class TCourbeAjustee {
public:
    explicit TCourbeAjustee(const TResultatAjustement& resultat);
    double operator()(double t) const;

private:
    std::unique_ptr<TFonctionModele> modele_;
    std::vector<double> p_;
};

// The frame of sample j of `point` (j itself without the frames of the marks).
int ImageDeLEchantillon(const std::vector<int>& imagesMarques, int nbPointsMobiles, int point, int j);

// The samples of `point` whose frames lie in [debut, fin] (frames of the marks,
// inclusive), as a range of sample indices; nullopt when none.
struct TPlageEchantillons {
    int Debut = 0, Fin = 0;
};
std::optional<TPlageEchantillons> PlageDesImages(const std::vector<int>& imagesMarques, int nbPointsMobiles, int point,
                                                 int nbMesures, int debut, int fin);
