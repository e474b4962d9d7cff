#include "tracking/UnitSuivi.h"

#include <algorithm>
#include <cmath>

namespace {

double Distance(PointD a, PointD b)
{
    return std::hypot(a.X - b.X, a.Y - b.Y);
}

double Norme(PointD v)
{
    return std::hypot(v.X, v.Y);
}

// Whether the template around `p` lies wholly in the picture.
bool DansImage(PointD p, int demiCote, int largeur, int hauteur)
{
    const long x = std::lround(p.X), y = std::lround(p.Y);
    return x >= demiCote && y >= demiCote && x + demiCote < largeur && y + demiCote < hauteur;
}

// Whether another peak of `pics`, one that stands for another object (half a
// template away), comes within `ecart` of the chosen one's score.
template <typename Admis>
bool Rivale(const std::vector<Correspondance>& pics, const Correspondance& choisie, double separation, double ecart,
            Admis admis)
{
    return std::any_of(pics.begin(), pics.end(), [&](const Correspondance& c) {
        return admis(c) && Distance(c.Point, choisie.Point) >= separation && c.Qualite >= choisie.Qualite - ecart;
    });
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
        // A fresh template from the mark the run starts on: a mark the user
        // corrected after a stop is followed as it now lies.
        const std::optional<Modele> m = CouperModele(depart, t.back(), p_.DemiCote);
        if (!m) {
            fin_ = DansImage(t.back(), p_.DemiCote, depart.width(), depart.height()) ? FinSuivi::Perdu
                                                                                     : FinSuivi::HorsImage;
            return;
        }
        points_.push_back({*m, Mouvement(t)});
    }
}

TSuivi::Verdict TSuivi::juger(const Point& p, double score, bool proche) const
{
    if (score < p_.QualiteDoute) return Verdict::TropDouteux;
    const bool chute = score < p.Qualite - p_.ChuteSoudaine;
    return score < p_.QualiteSure || !proche || chute ? Verdict::Douteux : Verdict::Sur;
}

std::optional<TSuivi::Choix> TSuivi::selonPrevision(const Point& p, const QImage& image) const
{
    const Mouvement& m = p.Passe;
    const PointD prevu = m.Prevision();
    const double vitesse = Norme(m.Vitesse()), marge = m.Incertitude();
    const int d = p_.DemiCote;
    // Without a velocity the point may have gone anywhere near, and any place there fits.
    const int rayon = m.SansVitesse() ? 2 * d : d + int(std::ceil(0.25 * vitesse + marge));
    const double sur = m.SansVitesse() ? 2.0 * rayon : p_.EcartSur + p_.EcartVitesse * vitesse + marge;
    const double saut =
        m.SansVitesse() ? 2.0 * rayon : std::max(p_.EcartSaut, 0.5 * d) + p_.EcartSautVitesse * vitesse + marge;
    const std::vector<Correspondance> pics = Pics(image, p.Gabarit, prevu, rayon, p_.QualiteMinimale);
    const auto admis = [&](const Correspondance& c) { return Distance(c.Point, prevu) <= saut; };
    const Correspondance* meilleure = nullptr;
    double meilleur = -1e300;
    for (const Correspondance& c : pics) {
        if (!admis(c)) continue;
        const double e = Distance(c.Point, prevu) / rayon;
        const double valeur = c.Qualite - p_.Penalite * e * e;
        if (valeur > meilleur) {
            meilleur = valeur;
            meilleure = &c;
        }
    }
    if (!meilleure) return std::nullopt;
    // Off the prediction but on the point's line: it slowed down or stopped (a landing).
    const bool proche = Distance(meilleure->Point, prevu) <= sur;
    const bool rupture = !proche && !m.SansVitesse() && SurLaLigne(m, meilleure->Point);
    Choix choix{*meilleure, juger(p, meilleure->Qualite, proche || rupture), rupture,
                Distance(meilleure->Point, prevu)};
    if (choix.V == Verdict::Sur && Rivale(pics, *meilleure, 0.5 * d, p_.Ecart, admis)) choix.V = Verdict::Douteux;
    return choix;
}

bool TSuivi::SurLaLigne(const Mouvement& m, PointD point) const
{
    const PointD dernier = m.Derniere(), prevu = m.Prevision();
    const PointD axe{prevu.X - dernier.X, prevu.Y - dernier.Y};
    const double longueur = Norme(axe);
    if (longueur < 1) return false;
    const double marge = p_.EcartSaut + m.Incertitude();
    const PointD v{point.X - dernier.X, point.Y - dernier.Y};
    const double le = (v.X * axe.X + v.Y * axe.Y) / longueur;
    const double travers = std::abs(v.X * axe.Y - v.Y * axe.X) / longueur;
    return travers <= marge && le >= -longueur - marge && le <= longueur + marge;
}

std::optional<TSuivi::Choix> TSuivi::selonRupture(const Point& p, const QImage& image) const
{
    // The point stopped, slowed down or turned back on its line: somewhere
    // between its last place and as far back as it would have gone on.
    const Mouvement& m = p.Passe;
    const PointD dernier = m.Derniere(), prevu = m.Prevision();
    const double longueur = Distance(prevu, dernier);
    if (longueur < 1) return std::nullopt; // no motion to change: the search around it saw everything
    const double marge = p_.EcartSaut + m.Incertitude();
    const std::vector<Correspondance> pics =
        Pics(image, p.Gabarit, dernier, int(std::ceil(longueur + marge)), p_.QualiteMinimale);
    const auto admis = [&](const Correspondance& c) { return SurLaLigne(m, c.Point); };
    const auto c = std::find_if(pics.begin(), pics.end(), admis); // best first
    if (c == pics.end()) return std::nullopt;
    // Placed only when sure: a point half hidden also seems to stop. A match
    // worse than before is no sign of doubt here: what lies around a point
    // changes as it lands.
    const bool sure = c->Qualite >= p_.QualiteRupture && !Rivale(pics, *c, 0.5 * p_.DemiCote, p_.Ecart, admis);
    return Choix{*c, sure ? Verdict::Sur : Verdict::TropDouteux, true, Distance(c->Point, prevu)};
}

std::optional<TSuivi::Choix> TSuivi::choisir(const Point& p, const QImage& image, FinSuivi& fin) const
{
    std::optional<Choix> c = selonPrevision(p, image);
    if (!c && !p.Passe.SansVitesse()) c = selonRupture(p, image);
    if (!c) {
        const bool dedans = DansImage(p.Passe.Prevision(), p_.DemiCote, image.width(), image.height());
        fin = dedans ? FinSuivi::Perdu : FinSuivi::HorsImage;
        return std::nullopt;
    }
    if (c->V == Verdict::TropDouteux || (c->V == Verdict::Douteux && p.Doutes >= p_.DoutesDeSuite)) {
        fin = FinSuivi::Doute;
        return std::nullopt;
    }
    return c;
}

void TSuivi::avancer(Point& p, const Choix& c, const QImage& image)
{
    const bool auRepos = Norme(p.Passe.Vitesse()) < 1;
    p.Passe.Ajouter(c.C.Point);
    if (c.Rupture) p.Passe.Recommencer();
    bool renouveler = false;
    if (c.V == Verdict::Sur) {
        const bool change = c.C.Qualite < p_.QualiteInchangee && c.C.Qualite > p.Qualite - p_.ChuteSoudaine;
        renouveler = change && c.C.Qualite >= p_.QualiteRafraichissement;
        p.Doutes = 0;
    } else {
        renouveler = auRepos && !c.Rupture && c.Ecart <= p_.EcartRafraichissement;
        ++p.Doutes;
    }
    if (renouveler)
        if (std::optional<Modele> m = CouperModele(image, c.C.Point, p_.DemiCote)) p.Gabarit = std::move(*m);
    p.Qualite = c.C.Qualite;
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
    std::vector<Choix> choix;
    for (const Point& p : points_) {
        FinSuivi fin = FinSuivi::Aucune;
        const std::optional<Choix> c = choisir(p, image, fin);
        if (!c) {
            etape.Fin = fin_ = fin;
            return etape;
        }
        choix.push_back(*c);
    }
    etape.Qualite = 1;
    for (std::size_t k = 0; k < points_.size(); ++k) {
        const Choix& c = choix[k];
        avancer(points_[k], c, image);
        etape.Points.push_back(c.C.Point);
        etape.Origines.push_back({true, c.C.Qualite, c.V == Verdict::Douteux});
        etape.Qualite = std::min(etape.Qualite, c.C.Qualite);
    }
    ++image_;
    const auto repos = [&](const Point& p) { return p.Passe.AuRepos(p_.ImagesRepos, p_.ToleranceRepos); };
    if (!p_.SuivreAuRepos && std::all_of(points_.begin(), points_.end(), repos)) fin_ = FinSuivi::Immobile;
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
