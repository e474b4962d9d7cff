#include "tracking/UnitCorrelation.h"

#include <algorithm>
#include <cmath>

namespace {

// Grey of an RGB32 pixel (luma, 0..255).
inline float Gris(QRgb c)
{
    return float(77 * qRed(c) + 150 * qGreen(c) + 29 * qBlue(c)) * (1.0f / 256);
}

// The grey pixels of `zone` (which lies in the frame), row by row.
std::vector<float> ZoneGrise(const QImage& image, const QRect& zone)
{
    std::vector<float> gris(std::size_t(zone.width()) * std::size_t(zone.height()));
    float* sortie = gris.data();
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = zone.left(); x <= zone.right(); ++x) *sortie++ = Gris(ligne[x]);
    }
    return gris;
}

const QImage& EnRgb32(const QImage& image, QImage& copie)
{
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) return image;
    copie = image.convertToFormat(QImage::Format_RGB32);
    return copie;
}

// Sums over the rectangles of a grid of values: table (i, j) holds the sum of
// the values above and left of (i, j).
class Integrale {
public:
    Integrale(const std::vector<float>& v, int largeur, int hauteur)
        : largeur_(largeur + 1), somme_(std::size_t(largeur_) * (hauteur + 1)), carres_(somme_.size())
    {
        for (int y = 0; y < hauteur; ++y) {
            double ligne = 0, ligneCarres = 0;
            for (int x = 0; x < largeur; ++x) {
                const double p = v[std::size_t(y) * largeur + x];
                ligne += p;
                ligneCarres += p * p;
                somme_[indice(x + 1, y + 1)] = somme_[indice(x + 1, y)] + ligne;
                carres_[indice(x + 1, y + 1)] = carres_[indice(x + 1, y)] + ligneCarres;
            }
        }
    }
    // Sum and sum of squares over the square of side `cote` from (x, y).
    std::pair<double, double> Carre(int x, int y, int cote) const
    {
        const auto rect = [&](const std::vector<double>& t) {
            return t[indice(x + cote, y + cote)] - t[indice(x, y + cote)] - t[indice(x + cote, y)] + t[indice(x, y)];
        };
        return {rect(somme_), rect(carres_)};
    }

private:
    std::size_t indice(int x, int y) const { return std::size_t(y) * largeur_ + x; }
    int largeur_;
    std::vector<double> somme_, carres_;
};

// The peak's offset from the middle sample of three, by a parabola through them.
double Sommet(double avant, double milieu, double apres)
{
    const double courbure = avant - 2 * milieu + apres;
    if (courbure >= 0) return 0;
    return std::clamp(0.5 * (avant - apres) / courbure, -0.5, 0.5);
}

} // namespace

std::optional<Modele> CouperModele(const QImage& source, PointD point, int demiCote)
{
    QImage copie;
    const QImage& image = EnRgb32(source, copie);
    const int cote = 2 * demiCote + 1;
    const int x = int(std::lround(point.X)) - demiCote, y = int(std::lround(point.Y)) - demiCote;
    if (x < 0 || y < 0 || x + cote > image.width() || y + cote > image.height()) return std::nullopt;
    Modele m;
    m.Cote = cote;
    m.Gris = ZoneGrise(image, QRect(x, y, cote, cote));
    m.Ancre = {point.X - x, point.Y - y};
    double moyenne = 0;
    for (float g : m.Gris) moyenne += g;
    moyenne /= double(m.Gris.size());
    double carres = 0;
    for (float& g : m.Gris) {
        g = float(g - moyenne);
        carres += double(g) * g;
    }
    m.Norme = std::sqrt(carres);
    if (m.Norme < 1e-3 * cote) return std::nullopt; // a uniform patch matches anywhere
    return m;
}

std::vector<Correspondance> Pics(const QImage& source, const Modele& modele, PointD centre, int rayon, double seuil)
{
    QImage copie;
    const QImage& image = EnRgb32(source, copie);
    const int cote = modele.Cote;
    // Top-left corners of the template whose anchor lies within the window.
    const double cx = centre.X - modele.Ancre.X, cy = centre.Y - modele.Ancre.Y;
    const int x0 = std::max(0, int(std::ceil(cx - rayon))),
              x1 = std::min(image.width() - cote, int(std::floor(cx + rayon)));
    const int y0 = std::max(0, int(std::ceil(cy - rayon))),
              y1 = std::min(image.height() - cote, int(std::floor(cy + rayon)));
    if (x1 - x0 < 2 || y1 - y0 < 2) return {};

    const int nx = x1 - x0 + 1, ny = y1 - y0 + 1;
    const int largeur = nx + cote - 1, hauteur = ny + cote - 1;
    const std::vector<float> zone = ZoneGrise(image, QRect(x0, y0, largeur, hauteur));
    const Integrale integrale(zone, largeur, hauteur);
    const double n = double(cote) * cote;
    std::vector<double> carte(std::size_t(nx) * ny);
    // The products of a row of positions are summed side by side (the
    // compiler vectorises over the positions), in the template's order.
    std::vector<float> produits(static_cast<std::size_t>(nx));
    for (int j = 0; j < ny; ++j) {
        std::fill(produits.begin(), produits.end(), 0.0f);
        for (int v = 0; v < cote; ++v) {
            const float* t = modele.Gris.data() + std::size_t(v) * cote;
            for (int u = 0; u < cote; ++u) {
                const float* ligne = zone.data() + std::size_t(j + v) * largeur + u;
                const float w = t[u];
                for (int i = 0; i < nx; ++i) produits[std::size_t(i)] += w * ligne[i];
            }
        }
        for (int i = 0; i < nx; ++i) {
            const float produit = produits[std::size_t(i)];
            const auto [somme, carres] = integrale.Carre(i, j, cote);
            const double variance = carres - somme * somme / n;
            carte[std::size_t(j) * nx + i] = variance > 1e-6 * n ? produit / (modele.Norme * std::sqrt(variance)) : 0;
        }
    }

    const auto c = [&](int i, int j) { return carte[std::size_t(j) * nx + i]; };
    std::vector<Correspondance> pics;
    for (int j = 1; j + 1 < ny; ++j)
        for (int i = 1; i + 1 < nx; ++i) {
            const double v = c(i, j);
            if (v < seuil) continue;
            bool pic = true;
            for (int dj = -1; dj <= 1 && pic; ++dj)
                for (int di = -1; di <= 1 && pic; ++di) pic = (di == 0 && dj == 0) || c(i + di, j + dj) <= v;
            if (!pic) continue;
            const double fx = Sommet(c(i - 1, j), v, c(i + 1, j));
            const double fy = Sommet(c(i, j - 1), v, c(i, j + 1));
            pics.push_back({{x0 + i + fx + modele.Ancre.X, y0 + j + fy + modele.Ancre.Y}, v});
        }
    std::sort(pics.begin(), pics.end(), [](const auto& a, const auto& b) { return a.Qualite > b.Qualite; });
    return pics;
}
