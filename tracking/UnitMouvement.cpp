#include "tracking/UnitMouvement.h"

#include <algorithm>
#include <cmath>

namespace {

// Positions the guess is drawn from: a parabola through the last three. More
// would smooth the matches' small errors but lag behind a motion whose
// acceleration changes (a ball let go): the guess would miss by pixels.
constexpr std::size_t Garde = 3;
// Positions kept for the rest test.
constexpr std::size_t GardeRepos = 8;
// A point has moved once it was this far from its first position.
constexpr double Deplacement = 3.0;
// A user's mark is about a pixel off; a guess drawn through it misses by this much more.
constexpr double IncertitudeMarque = 3.0;

double Distance(PointD a, PointD b)
{
    return std::hypot(a.X - b.X, a.Y - b.Y);
}

// The value at t = n of the parabola through v[0..n-1] at t = 0..n-1 (n <= 3).
double Extrapoler(const std::vector<double>& v)
{
    switch (v.size()) {
    case 1: return v[0];
    case 2: return 2 * v[1] - v[0];
    default: return 3 * v[2] - 3 * v[1] + v[0];
    }
}

} // namespace

Mouvement::Mouvement(const std::vector<PointD>& passe)
{
    const std::size_t garde = std::min(passe.size(), Garde);
    passe_.assign(passe.end() - std::ptrdiff_t(garde), passe.end());
    marquesUtilisateur_ = int(passe_.size());
    premiere_ = passe.front();
    for (const PointD& p : passe) {
        aBouge_ = aBouge_ || Distance(p, premiere_) > Deplacement;
        recentes_.push_back(p);
        if (recentes_.size() > GardeRepos) recentes_.pop_front();
    }
}

PointD Mouvement::Prevision() const
{
    std::vector<double> x, y;
    for (const PointD& p : passe_) {
        x.push_back(p.X);
        y.push_back(p.Y);
    }
    return {Extrapoler(x), Extrapoler(y)};
}

PointD Mouvement::Vitesse() const
{
    const std::size_t n = passe_.size();
    if (n < 2) return {};
    return {passe_[n - 1].X - passe_[n - 2].X, passe_[n - 1].Y - passe_[n - 2].Y};
}

double Mouvement::Incertitude() const
{
    // One mark is where the template was cut: the matches agree with it. Two
    // or more disagree with one another by the user's aim.
    return marquesUtilisateur_ > 1 ? IncertitudeMarque : 0.0;
}

void Mouvement::Ajouter(PointD p)
{
    passe_.push_back(p);
    if (passe_.size() > Garde) {
        passe_.erase(passe_.begin());
        marquesUtilisateur_ = std::max(0, marquesUtilisateur_ - 1);
    }
    aBouge_ = aBouge_ || Distance(p, premiere_) > Deplacement;
    recentes_.push_back(p);
    if (recentes_.size() > GardeRepos) recentes_.pop_front();
}

void Mouvement::Recommencer()
{
    const bool marque = marquesUtilisateur_ == int(passe_.size());
    passe_.assign(1, passe_.back());
    marquesUtilisateur_ = marque ? 1 : 0;
}

bool Mouvement::AuRepos(int images, double tolerance) const
{
    if (!aBouge_ || images < 2 || recentes_.size() < std::size_t(images)) return false;
    for (auto a = recentes_.end() - images; a != recentes_.end(); ++a)
        for (auto b = a + 1; b != recentes_.end(); ++b)
            if (Distance(*a, *b) > tolerance) return false;
    return true;
}
