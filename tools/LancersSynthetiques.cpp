#include "tools/LancersSynthetiques.h"

#include <cmath>
#include <numbers>
#include <random>

namespace {

// Uniform in [0, 1) and Gaussian draws computed here, so that a seed gives
// the same throws with every standard library.
double Uniforme(std::mt19937& g)
{
    return (g() >> 5) * (1.0 / 134217728.0);
}

double Gaussienne(std::mt19937& g)
{
    const double u = 1.0 - Uniforme(g), v = Uniforme(g);
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2 * std::numbers::pi * v);
}

constexpr double Largeur = 640, Hauteur = 480, T = 0.04;

} // namespace

TEntreesSeries LancerSynthetique(std::uint32_t graine, double bruitPixels)
{
    std::mt19937 g(graine);
    const double pixelsParMetre = 80 + 120 * Uniforme(g);
    const int echantillons = 15 + int(Uniforme(g) * 26); // 15 to 40 frames
    const double duree = (echantillons - 1) * T;
    const double angle = (0.2 + 0.35 * Uniforme(g)) * std::numbers::pi;
    // Fast enough to rise and fall within the picture over the throw.
    const double vitesse = GLancers * duree / (2 * std::sin(angle)) * (0.8 + 0.4 * Uniforme(g));
    const double vx = vitesse * std::cos(angle), vy = vitesse * std::sin(angle);

    TEntreesSeries m;
    m.AspectRatio = Largeur / Hauteur;
    m.FrameTime = T;
    m.FichierVideo = "lancer.avi";
    m.EtatEtalon = 2;
    m.LongueurEtalon = 1.0;
    m.PointsEtalon = {PointD{620 / Largeur, 20 / Hauteur}, PointD{620 / Largeur, (20 + pixelsParMetre) / Hauteur}};
    const double x0 = 40, y0 = 440;
    m.Origine = PointD{x0 / Largeur, y0 / Hauteur};
    for (int j = 0; j < echantillons; ++j) {
        const double t = j * T;
        const double px = x0 + vx * t * pixelsParMetre + bruitPixels * Gaussienne(g);
        const double py = y0 - (vy * t - GLancers * t * t / 2) * pixelsParMetre + bruitPixels * Gaussienne(g);
        m.Marques.push_back(PointD{px / Largeur, py / Hauteur});
    }
    m.NombreDePoints = echantillons;
    return m;
}

TCouverture CouvertureLancers(std::uint32_t premiere, int nombre, double bruitPixels)
{
    TCouverture c;
    const auto dans = [](double ecart, double u, double k) { return std::fabs(ecart) <= k * u ? 1.0 : 0.0; };
    for (int n = 0; n < nombre; ++n) {
        TPasDeTemps pas;
        TSeries series(pas);
        if (series.CalculerResultats(LancerSynthetique(premiere + std::uint32_t(n), bruitPixels), true, true) !=
            CodeSucces)
            continue;
        const TResultatsSeries& r = series.Resultats();
        for (std::size_t i = 0; i < r.SerieAY[0].size(); ++i) {
            const double ay = r.SerieAY[0][i] + GLancers, a = r.SerieA[0][i] - GLancers, ax = r.SerieAX[0][i];
            c.AY1 += dans(ay, r.SerieUAY[0][i], 1);
            c.AY2 += dans(ay, r.SerieUAY[0][i], 2);
            c.A1 += dans(a, r.SerieUA[0][i], 1);
            c.A2 += dans(a, r.SerieUA[0][i], 2);
            c.AX1 += dans(ax, r.SerieUAX[0][i], 1);
            c.AX2 += dans(ax, r.SerieUAX[0][i], 2);
            ++c.Echantillons;
        }
    }
    if (c.Echantillons > 0)
        for (double* v : {&c.AY1, &c.AY2, &c.A1, &c.A2, &c.AX1, &c.AX2}) *v /= c.Echantillons;
    return c;
}
