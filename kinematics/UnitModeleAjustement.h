#pragma once
// The curves a results series can be fitted with, as functions of time and
// of their parameters a, b, c …: the fixed models and a formula typed by the
// user. Each gives its value and its slope with respect to every parameter.

#include "kinematics/UnitExpression.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class TModele { Droite, Parabole, Poly3, Exp, Sinus, SinusAmorti, Expression };

// "line", "parabola", "poly3", "exp", "sine", "dampedsine", "expression".
std::string_view NomModele(TModele m);
std::optional<TModele> ModeleNomme(std::string_view nom);
// Every model, in the order they are offered.
std::span<const TModele> Modeles();

class TFonctionModele {
public:
    virtual ~TFonctionModele() = default;
    // The names of the parameters, in the order of their values.
    virtual const std::vector<std::string>& Noms() const = 0;
    int NbParametres() const { return int(Noms().size()); }
    // f(t; p); not finite where the model is not defined.
    virtual double Valeur(double t, std::span<const double> p) const = 0;
    // df/dp_k at t for every parameter. By default central differences.
    virtual void Gradient(double t, std::span<const double> p, std::span<double> g) const;
    // A model linear in its parameters (a polynomial) is solved directly.
    virtual bool Lineaire() const { return false; }
};

// The fixed models; nullptr for Expression.
std::unique_ptr<TFonctionModele> FonctionModele(TModele m);

// A formula over t and parameters named a to f. The parameters are the names
// of a..f the formula uses, in alphabetical order. Nullopt when it does not
// compile or uses no parameter (`erreur` says where; Position -1 and an empty
// element for a formula without parameters).
std::unique_ptr<TFonctionModele> FonctionExpression(std::string_view texte, ErreurExpression* erreur);
