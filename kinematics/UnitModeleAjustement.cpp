#include "kinematics/UnitModeleAjustement.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array TousModeles{TModele::Droite, TModele::Parabole,    TModele::Poly3,     TModele::Exp,
                                 TModele::Sinus,  TModele::SinusAmorti, TModele::Expression};
constexpr std::array<std::string_view, 7> NomsModeles{"line", "parabola",   "poly3",     "exp",
                                                      "sine", "dampedsine", "expression"};

std::vector<std::string> Lettres(int n)
{
    std::vector<std::string> l;
    for (int k = 0; k < n; ++k) l.emplace_back(1, char('a' + k));
    return l;
}

// a + b t + c t^2 + …
class TPolynome : public TFonctionModele {
public:
    explicit TPolynome(int degre) : noms_(Lettres(degre + 1)) {}
    const std::vector<std::string>& Noms() const override { return noms_; }
    double Valeur(double t, std::span<const double> p) const override
    {
        double s = 0.0;
        for (std::size_t k = p.size(); k-- > 0;) s = s * t + p[k];
        return s;
    }
    void Gradient(double t, std::span<const double>, std::span<double> g) const override
    {
        double puissance = 1.0;
        for (double& x : g) {
            x = puissance;
            puissance *= t;
        }
    }
    bool Lineaire() const override { return true; }

private:
    std::vector<std::string> noms_;
};

// a e^(b t) + c
class TExponentielle : public TFonctionModele {
public:
    const std::vector<std::string>& Noms() const override { return noms_; }
    double Valeur(double t, std::span<const double> p) const override { return p[0] * std::exp(p[1] * t) + p[2]; }
    void Gradient(double t, std::span<const double> p, std::span<double> g) const override
    {
        const double e = std::exp(p[1] * t);
        g[0] = e;
        g[1] = p[0] * t * e;
        g[2] = 1.0;
    }

private:
    std::vector<std::string> noms_ = Lettres(3);
};

// a sin(b t + c) + d
class TSinus : public TFonctionModele {
public:
    const std::vector<std::string>& Noms() const override { return noms_; }
    double Valeur(double t, std::span<const double> p) const override
    {
        return p[0] * std::sin(p[1] * t + p[2]) + p[3];
    }
    void Gradient(double t, std::span<const double> p, std::span<double> g) const override
    {
        const double s = std::sin(p[1] * t + p[2]), c = std::cos(p[1] * t + p[2]);
        g[0] = s;
        g[1] = p[0] * t * c;
        g[2] = p[0] * c;
        g[3] = 1.0;
    }

private:
    std::vector<std::string> noms_ = Lettres(4);
};

// a e^(-b t) sin(c t + d) + e
class TSinusAmorti : public TFonctionModele {
public:
    const std::vector<std::string>& Noms() const override { return noms_; }
    double Valeur(double t, std::span<const double> p) const override
    {
        return p[0] * std::exp(-p[1] * t) * std::sin(p[2] * t + p[3]) + p[4];
    }
    void Gradient(double t, std::span<const double> p, std::span<double> g) const override
    {
        const double e = std::exp(-p[1] * t);
        const double s = std::sin(p[2] * t + p[3]), c = std::cos(p[2] * t + p[3]);
        g[0] = e * s;
        g[1] = -t * p[0] * e * s;
        g[2] = p[0] * e * t * c;
        g[3] = p[0] * e * c;
        g[4] = 1.0;
    }

private:
    std::vector<std::string> noms_ = Lettres(5);
};

// A formula over t and the parameters it uses among a..f.
class TExpressionModele : public TFonctionModele {
public:
    TExpressionModele(Expression e, std::vector<int> indices)
        : expression_(std::move(e)), indices_(std::move(indices)), valeurs_(7, 0.0)
    {
        for (int i : indices_) noms_.emplace_back(1, char('a' + i));
    }
    const std::vector<std::string>& Noms() const override { return noms_; }
    double Valeur(double t, std::span<const double> p) const override
    {
        valeurs_[6] = t;
        for (std::size_t k = 0; k < indices_.size(); ++k) valeurs_[std::size_t(indices_[k])] = p[k];
        return expression_.Evaluer(valeurs_);
    }

private:
    Expression expression_;
    std::vector<int> indices_; // which of a..f each parameter is
    std::vector<std::string> noms_;
    mutable std::vector<double> valeurs_; // a..f, then t
};

} // namespace

std::string_view NomModele(TModele m)
{
    return NomsModeles[std::size_t(m)];
}

std::optional<TModele> ModeleNomme(std::string_view nom)
{
    for (std::size_t i = 0; i < NomsModeles.size(); ++i)
        if (NomsModeles[i] == nom) return TousModeles[i];
    return std::nullopt;
}

std::span<const TModele> Modeles()
{
    return TousModeles;
}

void TFonctionModele::Gradient(double t, std::span<const double> p, std::span<double> g) const
{
    std::vector<double> q(p.begin(), p.end());
    for (std::size_t k = 0; k < q.size(); ++k) {
        // A step relative to the parameter, absolute near 0.
        const double h = 1e-6 * std::max(1.0, std::abs(p[k]));
        q[k] = p[k] + h;
        const double plus = Valeur(t, q);
        q[k] = p[k] - h;
        const double moins = Valeur(t, q);
        q[k] = p[k];
        g[k] = (plus - moins) / (2.0 * h);
    }
}

std::unique_ptr<TFonctionModele> FonctionModele(TModele m)
{
    switch (m) {
    case TModele::Droite: return std::make_unique<TPolynome>(1);
    case TModele::Parabole: return std::make_unique<TPolynome>(2);
    case TModele::Poly3: return std::make_unique<TPolynome>(3);
    case TModele::Exp: return std::make_unique<TExponentielle>();
    case TModele::Sinus: return std::make_unique<TSinus>();
    case TModele::SinusAmorti: return std::make_unique<TSinusAmorti>();
    case TModele::Expression: break;
    }
    return nullptr;
}

std::unique_ptr<TFonctionModele> FonctionExpression(std::string_view texte, ErreurExpression* erreur)
{
    const std::vector<std::string> noms{"a", "b", "c", "d", "e", "f", "t"};
    std::optional<Expression> e = Expression::Compiler(texte, noms, erreur);
    if (!e) return nullptr;
    std::vector<int> indices;
    for (int i = 0; i < 6; ++i)
        if (e->Utilisees()[std::size_t(i)]) indices.push_back(i);
    if (indices.empty()) {
        if (erreur) *erreur = ErreurExpression{ErreurExpression::Type::Syntaxe, -1, {}};
        return nullptr;
    }
    return std::make_unique<TExpressionModele>(std::move(*e), std::move(indices));
}
