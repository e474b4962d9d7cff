#include "tracking/UnitSuivi.h"

#include <algorithm>
#include <cmath>

namespace {

PointD Plus(PointD a, PointD b)
{
    return {a.X + b.X, a.Y + b.Y};
}
PointD Moins(PointD a, PointD b)
{
    return {a.X - b.X, a.Y - b.Y};
}

// Where the point goes next: on from its last velocity and acceleration.
PointD Prevision(const std::vector<PointD>& passe)
{
    const std::size_t n = passe.size();
    if (n == 1) return passe[0];
    const PointD v = Moins(passe[n - 1], passe[n - 2]);
    if (n == 2) return Plus(passe[1], v);
    const PointD a = Moins(v, Moins(passe[n - 2], passe[n - 3]));
    return Plus(Plus(passe[n - 1], v), a);
}

// Whether the template around `p` lies wholly in the picture.
bool DansImage(PointD p, int demiCote, int largeur, int hauteur)
{
    const long x = std::lround(p.X), y = std::lround(p.Y);
    return x >= demiCote && y >= demiCote && x + demiCote < largeur && y + demiCote < hauteur;
}

} // namespace

int DemiCoteParDefaut(int largeur, int hauteur)
{
    return std::clamp(int(std::lround(std::min(largeur, hauteur) / 32.0)), 6, 40);
}

TSuivi::TSuivi(ImagesSuivi& images, int image, const std::vector<std::vector<PointD>>& trajectoires, ParametresSuivi p)
    : images_(images), p_(p), image_(image)
{
    const QImage depart = images_.Image(image);
    if (depart.isNull()) {
        fin_ = FinSuivi::SansImage;
        return;
    }
    if (p_.DemiCote <= 0) p_.DemiCote = DemiCoteParDefaut(depart.width(), depart.height());
    for (const std::vector<PointD>& t : trajectoires) {
        const std::optional<Modele> m = CouperModele(depart, t.back(), p_.DemiCote);
        if (!m) {
            fin_ = DansImage(t.back(), p_.DemiCote, depart.width(), depart.height()) ? FinSuivi::Perdu
                                                                                     : FinSuivi::HorsImage;
            return;
        }
        const std::size_t garde = std::min<std::size_t>(t.size(), 3);
        points_.push_back({*m, std::vector<PointD>(t.end() - std::ptrdiff_t(garde), t.end())});
    }
}

std::optional<Correspondance> TSuivi::suivre(Point& p, const QImage& image) const
{
    const auto bonne = [&](const std::optional<Correspondance>& c) { return c && c->Qualite >= p_.QualiteMinimale; };
    // Without a velocity yet, the point may have gone farther.
    const int rayon = p.Passe.size() == 1 ? 2 * p_.DemiCote : p_.DemiCote;
    std::optional<Correspondance> c = Chercher(image, p.Gabarit, Prevision(p.Passe), rayon, p_.Penalite);
    if (!bonne(c) && p.Passe.size() >= 2) {
        // Stopped or bounced: around its last place, as far as it went last time.
        const PointD v = Moins(p.Passe.back(), p.Passe[p.Passe.size() - 2]);
        const int large = p_.DemiCote + int(std::ceil(std::hypot(v.X, v.Y)));
        c = Chercher(image, p.Gabarit, p.Passe.back(), large, p_.Penalite);
        // Its velocity no longer tells where it goes: start the motion anew.
        if (bonne(c)) p.Passe.assign(1, p.Passe.back());
    }
    return bonne(c) ? c : std::nullopt;
}

EtapeSuivi TSuivi::Suivante()
{
    EtapeSuivi etape;
    etape.Image = image_ + 1;
    if (fin_ == FinSuivi::Aucune && image_ + 1 >= images_.Nombre()) fin_ = FinSuivi::DerniereImage;
    if (fin_ != FinSuivi::Aucune) {
        etape.Fin = fin_;
        return etape;
    }
    const QImage image = images_.Image(image_ + 1);
    if (image.isNull()) {
        etape.Fin = fin_ = FinSuivi::SansImage;
        return etape;
    }
    etape.Qualite = 1;
    std::vector<Correspondance> trouves;
    for (Point& p : points_) {
        const std::optional<Correspondance> c = suivre(p, image);
        if (!c) {
            const bool dedans = DansImage(Prevision(p.Passe), p_.DemiCote, image.width(), image.height());
            etape.Fin = fin_ = dedans ? FinSuivi::Perdu : FinSuivi::HorsImage;
            return etape;
        }
        trouves.push_back(*c);
    }
    for (std::size_t k = 0; k < points_.size(); ++k) {
        Point& p = points_[k];
        const Correspondance& c = trouves[k];
        p.Passe.push_back(c.Point);
        if (p.Passe.size() > 3) p.Passe.erase(p.Passe.begin());
        const bool change = c.Qualite < p_.QualiteInchangee && c.Qualite > p.Qualite - p_.ChuteSoudaine;
        if (change && c.Qualite >= p_.QualiteRafraichissement)
            if (std::optional<Modele> m = CouperModele(image, c.Point, p_.DemiCote)) p.Gabarit = std::move(*m);
        p.Qualite = c.Qualite;
        etape.Points.push_back(c.Point);
        etape.Qualite = std::min(etape.Qualite, c.Qualite);
    }
    ++image_;
    return etape;
}

namespace {

// The frame set j of the marks was placed on, when the measurement knows it.
int ImageSerie(const EtatMesure& m, int j)
{
    const int n = m.MarquesParImage;
    // The index is the frame shown after the set's last mark: the next one.
    return m.ImagesMarques[std::size_t(j * n + n - 1)] - 1;
}

} // namespace

DepartSuivi Depart(const EtatMesure& m, int numeroImage)
{
    DepartSuivi d;
    const int n = m.MarquesParImage, marques = m.NombreDePoints();
    if (n < 1 || marques < n || marques % n != 0) return d;
    const int series = marques / n;
    const bool connues = int(m.ImagesMarques.size()) == marques;
    // A full last frame: its marks are there, and the view cannot go further.
    if (m.MarquesDerniereImage > 0)
        d.Image = numeroImage;
    else
        d.Image = connues ? ImageSerie(m, series - 1) : numeroImage - 1;
    if (d.Image < 0) {
        d.Image = -1;
        return d;
    }
    // The sets before it, as long as they lie on the frames just before.
    int premiere = series - 1;
    if (connues && m.MarquesDerniereImage == 0)
        while (premiere > 0 && series - premiere < 3 && ImageSerie(m, premiere - 1) == ImageSerie(m, premiere) - 1)
            --premiere;
    d.Trajectoires.resize(std::size_t(n));
    for (int j = premiere; j < series; ++j)
        for (int k = 0; k < n; ++k) d.Trajectoires[std::size_t(k)].push_back(m.Marques[std::size_t(j * n + k)]);
    return d;
}
