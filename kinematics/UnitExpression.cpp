#include "kinematics/UnitExpression.h"

#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

struct Expression::Etat {
    mu::Parser Analyseur;
    // The variables' storage: muParser reads them through pointers, so the
    // vector is sized once and never grows.
    std::vector<double> Valeurs;
    std::vector<bool> Utilisees;
};

Expression::Expression(std::unique_ptr<Etat> etat) : etat_(std::move(etat)) {}
Expression::Expression(Expression&&) noexcept = default;
Expression& Expression::operator=(Expression&&) noexcept = default;
Expression::~Expression() = default;

std::optional<Expression> Expression::Compiler(std::string_view texte, const std::vector<std::string>& noms,
                                               ErreurExpression* erreur)
{
    auto etat = std::make_unique<Etat>();
    etat->Valeurs.assign(noms.size(), 0.0);
    try {
        mu::Parser& p = etat->Analyseur;
        if (std::find(noms.begin(), noms.end(), "pi") == noms.end()) p.DefineConst("pi", std::numbers::pi);
        for (std::size_t i = 0; i < noms.size(); ++i) p.DefineVar(noms[i], &etat->Valeurs[i]);
        p.SetExpr(std::string(texte));
        // muParser compiles on the first evaluation: the faults show here.
        p.Eval();
        const mu::varmap_type& utilisees = p.GetUsedVar();
        for (const std::string& n : noms) etat->Utilisees.push_back(utilisees.count(n) > 0);
    } catch (const mu::Parser::exception_type& e) {
        if (erreur) {
            const bool nom = e.GetCode() == mu::ecUNASSIGNABLE_TOKEN || e.GetCode() == mu::ecUNEXPECTED_VAR;
            erreur->Genre = nom ? ErreurExpression::Type::NomInconnu : ErreurExpression::Type::Syntaxe;
            erreur->Position = std::max(0, e.GetPos());
            erreur->Element = e.GetToken();
        }
        return std::nullopt;
    }
    return Expression(std::move(etat));
}

double Expression::Evaluer(std::span<const double> valeurs) const
{
    const std::size_t n = std::min(valeurs.size(), etat_->Valeurs.size());
    std::copy_n(valeurs.begin(), n, etat_->Valeurs.begin());
    try {
        return etat_->Analyseur.Eval();
    } catch (const mu::Parser::exception_type&) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

const std::vector<bool>& Expression::Utilisees() const
{
    return etat_->Utilisees;
}
