#pragma once
// Why a quantity of the user's cannot be taken as it stands: its name, its
// unit, its formula, or the values the formula gives on the results at hand.

#include "kinematics/UnitGrandeurs.h"

#include <optional>
#include <string>

struct TRefusGrandeur {
    enum class Genre {
        Trop,         // already PropresMax quantities
        Nom,          // not a letter followed by letters, digits or "_"
        NomPris,      // a name the table, the formulas or another quantity uses
        Unite,        // a tab or a line break in the unit
        Syntaxe,      // the formula does not parse (Position)
        NomInconnu,   // it names no variable nor function (Position, Element)
        SerieAbsente, // it names a series these results lack (Position, Element)
        NonFini,      // no finite value at a sample (Echantillon, Temps)
    };
    Genre Type = Genre::Syntaxe;
    int Position = 0; // 0-based character of the formula
    std::string Element{};
    int Echantillon = 0; // 0-based
    double Temps = 0.0;
};

// Whether `q` may replace the quantity `indice` of the user's quantities in
// `g` (indice == their count: a new one). With results, the formula must
// name only series they have and give finite values at every sample.
std::optional<TRefusGrandeur> RefuserGrandeur(const TGrandeurPropre& q, const TGrandeursMesure& g, int indice,
                                              const TResultatsSeries* r);

// The names a quantity of the user's may not take: the table's columns with
// their uncertainties ("uvx1"), the variables of the formulas, the ready
// quantities of every point.
bool NomReserve(const std::string& nom);

// 0-based position of the first whole word `mot` in `formule`, 0 when none.
int PositionMot(const std::string& formule, const std::string& mot);
