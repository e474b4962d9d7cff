#pragma once
// A quantity's formula evaluated at every sample of the series, with its
// standard uncertainty propagated to first order from those of the series it
// uses: the velocities and accelerations carry theirs; times, positions,
// masses and g count as exact, as the table shows them. The inputs count as
// independent.

#include "kinematics/UnitExpression.h"
#include "kinematics/UnitGrandeurs.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct TSerieGrandeur {
    std::vector<double> Temps;
    std::vector<double> Valeurs;      // not finite where the formula is not defined
    std::vector<double> Incertitudes; // NaN where it cannot be estimated
};

// The formula compiled over NomsVariables(); nullopt when it does not compile.
std::optional<Expression> CompilerFormule(std::string_view formule, ErreurExpression* erreur = nullptr);

// sqrt(sum (df/dx_k u_k)^2) at `x`, the partial derivatives taken by central
// differences over a thousandth of each u_k (at least 1e-7 of x_k, which a
// tiny u_k would not move); NaN when a variable the formula
// uses has an uncertainty that is not finite, or a derivative is not.
double Propager(const Expression& e, std::span<const double> x, std::span<const double> u);

// The first variable the formula uses that these results lack (a point
// beyond the moving points, a derivative that was not computed), or "".
std::string VariableAbsente(const Expression& e, const TResultatsSeries& r);

// The formula at every sample that all the points it uses have, on the times
// of the first of them (point 1's when it uses none); nullopt when a
// variable is absent.
std::optional<TSerieGrandeur> EvaluerFormule(const Expression& e, const TResultatsSeries& r, const TGrandeursMesure& g);

// A quantity by name: a series of the table ("x1" … "a3", "t"), a ready
// quantity or one of the user's; nullopt when these results do not have it.
// `unite` receives its unit ("m/s", "J", the user's own).
std::optional<TSerieGrandeur> SerieNommee(std::string_view nom, const TResultatsSeries& r, const TGrandeursMesure& g,
                                          std::string* unite = nullptr);
