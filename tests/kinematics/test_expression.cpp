// Formulas the user types: values, the variables they use, and where a
// faulty one goes wrong.

#include "kinematics/UnitExpression.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

TEST(Expression, EvaluatesOverItsVariablesInTheirOrder)
{
    const auto e = Expression::Compiler("a*exp(-b*t)*sin(c*t + d) + e", {"t", "a", "b", "c", "d", "e"});
    ASSERT_TRUE(e);
    const double v[] = {0.5, 2.0, 0.1, 3.0, 0.25, -1.0};
    EXPECT_DOUBLE_EQ(e->Evaluer(v), 2.0 * std::exp(-0.05) * std::sin(1.75) - 1.0);
    // The same formula again, for other values: nothing is kept from the last call.
    const double w[] = {1.0, 1.0, 0.0, std::numbers::pi / 2, 0.0, 0.0};
    EXPECT_DOUBLE_EQ(e->Evaluer(w), 1.0);
}

TEST(Expression, KnowsPiPowersAndWhichVariablesItUses)
{
    const auto e = Expression::Compiler("0.5*m1*(vx1^2+vy1^2) + pi*0", {"m1", "vx1", "vy1", "g"});
    ASSERT_TRUE(e);
    const double v[] = {2.0, 3.0, 4.0, 9.81};
    EXPECT_DOUBLE_EQ(e->Evaluer(v), 25.0);
    EXPECT_EQ(e->Utilisees(), (std::vector<bool>{true, true, true, false}));
}

TEST(Expression, MovedExpressionStillReadsItsOwnVariables)
{
    auto e = Expression::Compiler("2*x", {"x"});
    ASSERT_TRUE(e);
    Expression deplacee = std::move(*e);
    const double v[] = {21.0};
    EXPECT_DOUBLE_EQ(deplacee.Evaluer(v), 42.0);
}

TEST(Expression, UndefinedValuesAreNotFinite)
{
    const auto e = Expression::Compiler("sqrt(x)/y", {"x", "y"});
    ASSERT_TRUE(e);
    const double negatif[] = {-1.0, 1.0};
    const double zero[] = {1.0, 0.0};
    EXPECT_FALSE(std::isfinite(e->Evaluer(negatif)));
    EXPECT_FALSE(std::isfinite(e->Evaluer(zero)));
}

TEST(Expression, RefusalsSayWhereAndWhy)
{
    ErreurExpression erreur;
    EXPECT_FALSE(Expression::Compiler("a*t + q", {"t", "a"}, &erreur));
    EXPECT_EQ(erreur.Genre, ErreurExpression::Type::NomInconnu);
    EXPECT_EQ(erreur.Position, 6);
    EXPECT_EQ(erreur.Element, "q");

    erreur = {};
    EXPECT_FALSE(Expression::Compiler("a*(t + 1", {"t", "a"}, &erreur));
    EXPECT_EQ(erreur.Genre, ErreurExpression::Type::Syntaxe);

    erreur = {};
    EXPECT_FALSE(Expression::Compiler("a**t", {"t", "a"}, &erreur));
    EXPECT_EQ(erreur.Genre, ErreurExpression::Type::Syntaxe);
    EXPECT_EQ(erreur.Position, 2);

    EXPECT_FALSE(Expression::Compiler("", {"t"}));
}
