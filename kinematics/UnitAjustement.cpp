#include "kinematics/UnitAjustement.h"

#include "kinematics/UnitMatrice.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_multifit.h>
#include <gsl/gsl_multifit_nlinear.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr int IterationsMax = 200;

struct TDonnees {
    const TFonctionModele& modele;
    std::span<const double> t, y;
};

bool Finis(std::span<const double> v)
{
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

int Residus(const gsl_vector* x, void* donnees, gsl_vector* f)
{
    const auto& d = *static_cast<const TDonnees*>(donnees);
    const std::span<const double> p(x->data, x->size);
    for (std::size_t i = 0; i < d.t.size(); ++i) {
        const double r = d.modele.Valeur(d.t[i], p) - d.y[i];
        if (!std::isfinite(r)) return GSL_EDOM;
        gsl_vector_set(f, i, r);
    }
    return GSL_SUCCESS;
}

int Jacobienne(const gsl_vector* x, void* donnees, gsl_matrix* J)
{
    const auto& d = *static_cast<const TDonnees*>(donnees);
    const std::span<const double> p(x->data, x->size);
    std::vector<double> g(x->size);
    for (std::size_t i = 0; i < d.t.size(); ++i) {
        d.modele.Gradient(d.t[i], p, g);
        if (!Finis(g)) return GSL_EDOM;
        for (std::size_t k = 0; k < g.size(); ++k) gsl_matrix_set(J, i, k, g[k]);
    }
    return GSL_SUCCESS;
}

struct LibererNLineaire {
    void operator()(gsl_multifit_nlinear_workspace* w) const { gsl_multifit_nlinear_free(w); }
};
struct LibererLineaire {
    void operator()(gsl_multifit_linear_workspace* w) const { gsl_multifit_linear_free(w); }
};
struct LibererMatrice {
    void operator()(gsl_matrix* m) const { gsl_matrix_free(m); }
};
struct LibererVecteur {
    void operator()(gsl_vector* v) const { gsl_vector_free(v); }
};
using Matrice = std::unique_ptr<gsl_matrix, LibererMatrice>;
using Vecteur = std::unique_ptr<gsl_vector, LibererVecteur>;

// The polynomial's coefficients by GSL's weighted linear fit.
bool ResoudreLineaire(const TFonctionModele& modele, std::span<const double> t, std::span<const double> y,
                      std::span<const double> poids, std::vector<double>& p)
{
    const std::size_t n = t.size(), m = std::size_t(modele.NbParametres());
    Matrice X(gsl_matrix_alloc(n, m)), cov(gsl_matrix_alloc(m, m));
    Vecteur w(gsl_vector_alloc(n)), Y(gsl_vector_alloc(n)), c(gsl_vector_alloc(m));
    std::vector<double> g(m);
    for (std::size_t i = 0; i < n; ++i) {
        modele.Gradient(t[i], p, g);
        for (std::size_t k = 0; k < m; ++k) gsl_matrix_set(X.get(), i, k, g[k]);
        gsl_vector_set(w.get(), i, poids[i]);
        gsl_vector_set(Y.get(), i, y[i]);
    }
    std::unique_ptr<gsl_multifit_linear_workspace, LibererLineaire> ws(gsl_multifit_linear_alloc(n, m));
    double chi2 = 0.0;
    if (gsl_multifit_wlinear(X.get(), w.get(), Y.get(), c.get(), cov.get(), &chi2, ws.get()) != GSL_SUCCESS)
        return false;
    p.assign(c->data, c->data + m);
    return Finis(p);
}

TEchecAjustement ResoudreNonLineaire(const TFonctionModele& modele, std::span<const double> t,
                                     std::span<const double> y, std::span<const double> poids, std::vector<double>& p)
{
    const std::size_t n = t.size(), m = p.size();
    TDonnees donnees{modele, t, y};
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = &Residus;
    fdf.df = &Jacobienne;
    fdf.n = n;
    fdf.p = m;
    fdf.params = &donnees;
    gsl_multifit_nlinear_parameters reglages = gsl_multifit_nlinear_default_parameters();
    std::unique_ptr<gsl_multifit_nlinear_workspace, LibererNLineaire> ws(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &reglages, n, m));
    gsl_vector_view x0 = gsl_vector_view_array(p.data(), m);
    gsl_vector_const_view w = gsl_vector_const_view_array(poids.data(), n);
    if (gsl_multifit_nlinear_winit(&x0.vector, &w.vector, &fdf, ws.get()) != GSL_SUCCESS)
        return TEchecAjustement::NonFini;
    int info = 0;
    const int etat = gsl_multifit_nlinear_driver(IterationsMax, 1e-10, 1e-10, 1e-10, nullptr, nullptr, &info, ws.get());
    const gsl_vector* x = gsl_multifit_nlinear_position(ws.get());
    p.assign(x->data, x->data + m);
    if (etat == GSL_EDOM || !Finis(p)) return TEchecAjustement::NonFini;
    if (etat != GSL_SUCCESS) return TEchecAjustement::NonConvergence;
    return TEchecAjustement::Aucun;
}

} // namespace

TSolutionAjustement Resoudre(const TFonctionModele& modele, std::span<const double> t, std::span<const double> y,
                             std::span<const double> poids, std::span<const double> departs)
{
    // GSL reports through codes here; its default handler would abort.
    static const gsl_error_handler_t* ancien = gsl_set_error_handler_off();
    (void)ancien;

    TSolutionAjustement s;
    const int n = int(t.size()), m = modele.NbParametres();
    if (n < m + 1) {
        s.Echec = TEchecAjustement::TropPeu;
        return s;
    }
    const auto [bas, haut] = std::minmax_element(y.begin(), y.end());
    if (*haut - *bas <= 1e-12 * std::max(1.0, std::max(std::abs(*bas), std::abs(*haut)))) {
        s.Echec = TEchecAjustement::Constante;
        return s;
    }

    std::vector<double> p(departs.begin(), departs.end());
    p.resize(std::size_t(m), 0.0);
    if (modele.Lineaire()) {
        if (!ResoudreLineaire(modele, t, y, poids, p)) s.Echec = TEchecAjustement::Indetermine;
    } else {
        s.Echec = ResoudreNonLineaire(modele, t, y, poids, p);
    }
    if (s.Echec != TEchecAjustement::Aucun) return s;

    // J^T W J and its inverse at the solution; then the sensitivity
    // (J^T W J)^-1 J^T W and the weighted residuals.
    std::vector<double> J(static_cast<std::size_t>(n * m)), g(static_cast<std::size_t>(m));
    for (int i = 0; i < n; ++i) {
        modele.Gradient(t[i], p, g);
        std::copy(g.begin(), g.end(), J.begin() + std::ptrdiff_t(i * m));
        const double r = modele.Valeur(t[i], p) - y[i];
        s.Chi2 += poids[i] * r * r;
    }
    std::vector<double> H(std::size_t(m * m), 0.0);
    for (int i = 0; i < n; ++i)
        for (int a = 0; a < m; ++a)
            for (int b = 0; b < m; ++b)
                H[std::size_t(a * m + b)] += poids[i] * J[std::size_t(i * m + a)] * J[std::size_t(i * m + b)];
    // Parameters the samples cannot tell apart leave a (nearly) singular matrix.
    std::vector<double> diagonale(static_cast<std::size_t>(m));
    for (int a = 0; a < m; ++a) diagonale[a] = std::sqrt(H[std::size_t(a * m + a)]);
    for (int a = 0; a < m; ++a)
        for (int b = 0; b < m; ++b) {
            const double d = diagonale[a] * diagonale[b];
            H[std::size_t(a * m + b)] = d > 0.0 ? H[std::size_t(a * m + b)] / d : 0.0;
        }
    if (!InverserMatrice(H, m) || !Finis(H) || !Finis(std::span<const double>(&s.Chi2, 1))) {
        s.Echec = TEchecAjustement::Indetermine;
        return s;
    }
    double conditionnement = 0.0;
    for (int a = 0; a < m; ++a) conditionnement = std::max(conditionnement, std::abs(H[std::size_t(a * m + a)]));
    if (conditionnement > 1e12) {
        s.Echec = TEchecAjustement::Indetermine;
        return s;
    }
    for (int a = 0; a < m; ++a)
        for (int b = 0; b < m; ++b) H[std::size_t(a * m + b)] /= diagonale[a] * diagonale[b];
    s.Sensibilite.assign(std::size_t(m * n), 0.0);
    for (int a = 0; a < m; ++a)
        for (int i = 0; i < n; ++i) {
            double v = 0.0;
            for (int b = 0; b < m; ++b) v += H[std::size_t(a * m + b)] * J[std::size_t(i * m + b)];
            s.Sensibilite[std::size_t(a * n + i)] = v * poids[i];
        }
    s.Parametres = std::move(p);
    s.Inverse = std::move(H);
    s.Liberte = n - m;
    return s;
}
