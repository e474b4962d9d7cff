#pragma once
// A formula the user types, over named variables (the syntax of muParser:
// + - * / ^, sin, cos, exp, sqrt, abs, pi …), compiled once and evaluated for
// many samples. Never raises: a formula that does not compile says where.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct ErreurExpression {
    enum class Type {
        Syntaxe,   // a misplaced or missing operator, bracket or argument
        NomInconnu // a name that is neither a variable nor a function
    };
    Type Genre = Type::Syntaxe;
    int Position = 0;    // 0-based character of the fault
    std::string Element; // the token at fault, when known
};

class Expression {
public:
    // `noms` are the variables, in the order Evaluer takes their values.
    static std::optional<Expression> Compiler(std::string_view texte, const std::vector<std::string>& noms,
                                              ErreurExpression* erreur = nullptr);

    Expression(Expression&&) noexcept;
    Expression& operator=(Expression&&) noexcept;
    ~Expression();

    // The value for `valeurs` (one per variable, in the order of `noms`);
    // not finite when the formula is not defined there (a division by zero,
    // the square root of a negative number).
    double Evaluer(std::span<const double> valeurs) const;

    // Whether the formula uses each variable, in the order of `noms`.
    const std::vector<bool>& Utilisees() const;

private:
    struct Etat;
    explicit Expression(std::unique_ptr<Etat> etat);
    std::unique_ptr<Etat> etat_;
};
