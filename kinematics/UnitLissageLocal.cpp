#include "kinematics/UnitLissageLocal.h"

#include "kinematics/UnitMatrice.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Degree of the local polynomials. A sixth degree follows most of a swing, so
// its windows are wide and its second derivatives quiet: on damped swings
// with a pixel of noise it gives half the error of a quartic and a third of
// that of a parabola, each with its own best window.
constexpr int DegreLocal = 6;
// The widest window tried. Beyond it the local fits of a long series are as
// good as one polynomial, which is what a wider window would approach.
constexpr int FenetreMax = 401;
// The window search scores a long series on about this many of its samples,
// evenly spread; the chosen window is then fitted at every sample.
constexpr int EchantillonsScore = 100;

// Local fits at the samples 0, pas, 2 pas, ... and the last one.
TLissageLocal Ajuster(std::span<const double> t, std::span<const double> y, int fenetre, int degre, int pas)
{
    const int N = int(y.size());
    const int w = std::min(fenetre, N);
    const int m = degre + 1;
    TLissageLocal r;
    r.Fenetre = w;
    r.Degre = degre;
    for (auto* v : {&r.Valeurs, &r.Derivees1, &r.Derivees2, &r.Gains0, &r.Gains1, &r.Gains2}) v->assign(y.size(), 0.0);

    double residus = 0.0; // sum of the squared residuals
    double liberte = 0.0; // its expected value for a unit noise
    double traceH = 0.0;  // freedom taken by the fits
    int lignes = 0;
    std::vector<double> normale(m * m), sommes(2 * m - 1), u(w), phi(m), poids(m * w);
    for (int i = 0; i < N; i = (i + pas < N || i == N - 1) ? i + pas : N - 1) {
        const int debut = std::clamp(i - w / 2, 0, N - w);
        const double ti = t[i];
        double h = std::max(t[debut + w - 1] - ti, ti - t[debut]);
        if (!(h > 0.0)) h = 1.0;
        // Normal equations of the powers of u = (t - ti) / h over the window:
        // element (a, b) is the power sum of degree a + b.
        std::fill(sommes.begin(), sommes.end(), 0.0);
        for (int j = 0; j < w; ++j) {
            u[j] = (t[debut + j] - ti) / h;
            double p = 1.0;
            for (double& somme : sommes) {
                somme += p;
                p *= u[j];
            }
        }
        for (int a = 0; a < m; ++a)
            for (int b = 0; b < m; ++b) normale[a * m + b] = sommes[a + b];
        if (!InverserMatrice(normale, m)) continue; // fewer distinct times than coefficients
        // Weight of sample j in coefficient k (k = 0..2 are read): row k of G Phi^T.
        const int lus = std::min(m, 3);
        for (int j = 0; j < w; ++j) {
            double p = 1.0;
            for (int l = 0; l < m; ++l, p *= u[j]) phi[l] = p;
            for (int k = 0; k < lus; ++k) {
                double s = 0.0;
                for (int l = 0; l < m; ++l) s += normale[k * m + l] * phi[l];
                poids[k * w + j] = s;
            }
        }
        double c[3] = {0, 0, 0}, g[3] = {0, 0, 0};
        for (int k = 0; k < lus; ++k)
            for (int j = 0; j < w; ++j) {
                const double p = poids[k * w + j];
                c[k] += p * y[debut + j];
                g[k] += p * p;
            }
        r.Valeurs[i] = c[0];
        r.Derivees1[i] = c[1] / h;
        r.Derivees2[i] = 2 * c[2] / (h * h);
        r.Gains0[i] = std::sqrt(g[0]);
        r.Gains1[i] = std::sqrt(g[1]) / h;
        r.Gains2[i] = 2 * std::sqrt(g[2]) / (h * h);
        const double propre = poids[i - debut]; // weight of sample i in its own value
        const double e = y[i] - c[0];
        residus += e * e;
        liberte += 1.0 - 2 * propre + g[0];
        traceH += propre;
        ++lignes;
    }
    r.Bruit = liberte > 1e-9 ? std::sqrt(residus / liberte) : std::numeric_limits<double>::quiet_NaN();
    // Generalised cross-validation, N RSS / (N - trace H)^2, per sample scored.
    const double reste = lignes - traceH;
    r.Score = reste > 1e-9 ? lignes * residus / (reste * reste) : std::numeric_limits<double>::infinity();
    return r;
}

} // namespace

TLissageLocal LisserLocalement(std::span<const double> t, std::span<const double> y, int fenetre, int degre)
{
    return Ajuster(t, y, fenetre, degre, 1);
}

namespace {

// The window search, each window scored on spread samples: the best window's
// fits at those samples.
TLissageLocal ChoisirFenetre(std::span<const double> t, std::span<const double> y)
{
    const int N = int(y.size());
    const int degre = std::min(DegreLocal, N - 2);
    // Odd windows from the smallest that leaves the fits some freedom, growing
    // by about a seventh, up to the whole series or the widest window.
    const int derniere = std::min(N, std::max(degre + 2, FenetreMax));
    std::vector<int> fenetres;
    for (int w = (degre + 2) | 1; w < derniere; w = std::max(w + 2, int(w * 1.15) | 1)) fenetres.push_back(w);
    fenetres.push_back(derniere);
    const int pas = std::max(1, N / EchantillonsScore);
    TLissageLocal meilleur;
    for (int w : fenetres) {
        TLissageLocal essai = Ajuster(t, y, w, degre, pas);
        if (meilleur.Fenetre == 0 || essai.Score < meilleur.Score) meilleur = std::move(essai);
    }
    return meilleur;
}

} // namespace

TLissageLocal LisserLocalement(std::span<const double> t, std::span<const double> y)
{
    const TLissageLocal choix = ChoisirFenetre(t, y);
    return Ajuster(t, y, choix.Fenetre, choix.Degre, 1);
}

double BruitLocal(std::span<const double> t, std::span<const double> y)
{
    return ChoisirFenetre(t, y).Bruit;
}
