#include "results/UnitVueAjustement.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace VueAjustement {
namespace {

constexpr int PointsCourbe = 400;

} // namespace

bool Concerne(const TDemandeAjustement& d, const VueTemps::Choix& c)
{
    if (d.Quantite != c.quantite) return false;
    return !d.Quantite.empty() || (d.Point == c.point && int(d.Grandeur) == int(c.grandeur));
}

bool Concerne(const TResultatAjustement& a, const VueTemps::Choix& c)
{
    return a.Reussi() && Concerne(a.Demande, c);
}

TColor Eclaircir(TColor c, double part)
{
    const auto canal = [&](int decalage) {
        const int v = int((c >> decalage) & 0xFF);
        return int(std::lround(v + (255 - v) * part));
    };
    return Couleur::RGB(canal(0), canal(8), canal(16));
}

void Dessiner(TDessinGraphe& g, const VueTemps::Choix& c, const TResultatAjustement& a)
{
    if (!Concerne(a, c) || a.Temps.empty()) return;
    const std::size_t p = std::size_t(c.point);
    const TCourbe& echantillons = g.Courbe(0);
    VecteurPointD dehors;
    for (int i = 0; i < echantillons.NbPoints(); ++i)
        if (i < a.Demande.Debut || i > a.Demande.Fin) dehors.push_back(echantillons.Points()[std::size_t(i)]);
    const int courbeDehors = g.AddCourbe(int(dehors.size()), dehors, {}, {});

    const TCourbeAjustee f(a);
    const double t0 = a.Temps.front(), t1 = a.Temps.back();
    VecteurPointD courbe;
    for (int k = 0; k < PointsCourbe; ++k) {
        const double t = t0 + (t1 - t0) * k / (PointsCourbe - 1);
        if (const double y = f(t); std::isfinite(y)) courbe.push_back(PointD{t, y});
    }
    const int indiceCourbe = g.AddCourbe(int(courbe.size()), courbe, {}, {});
    g.SetCourbePointillee(indiceCourbe, VuesGraphe::CouleursPoints[p]);
    const TColor couleur = VuesGraphe::CouleursPoints[p];
    const int marque = VuesGraphe::MarquesPoints[p];
    g.SelectCourbes({0, courbeDehors, indiceCourbe}, {marque, marque, marque},
                    {couleur, Eclaircir(couleur, 0.7), couleur}, 0);
}

QImage Residus(const TDessinGraphe& g, const TResultatAjustement& a, TColor couleur, int hauteur)
{
    QImage image(std::max(1, g.Width()), std::max(1, hauteur), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!a.Reussi() || a.Residus.empty()) return image;
    QPainter p(&image);
    const int gauche = g.AxeYFromLeft(), droite = g.Width() - g.AxeYFromRight();
    const int haut = 4, bas = hauteur - 4;
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(gauche, haut, droite - gauche, bas - haut);
    const TLimites& l = g.Limites();
    // The samples' zone follows the pan and zoom of the graph.
    const TZone z = g.NbCourbes() > 0 ? g.Courbe(0).Zone() : TZone{gauche, 0, droite - gauche, 0};
    const double amplitude = std::max(1e-300,
                                      *std::max_element(a.Residus.begin(), a.Residus.end(),
                                                        [](double x, double y) { return std::abs(x) < std::abs(y); }));
    const double echelle = std::abs(amplitude) * 1.1;
    const int milieu = (haut + bas) / 2;
    p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    p.drawLine(gauche, milieu, droite, milieu);
    p.setPen(QPen(Couleur::VersQColor(couleur), 1));
    p.setBrush(Couleur::VersQColor(couleur));
    for (std::size_t i = 0; i < a.Residus.size(); ++i) {
        const double fx = (a.Temps[i] - l.Xmin) / (l.Xmax - l.Xmin);
        const int x = z.Left + int(std::lround(fx * z.Width));
        const int y = milieu - int(std::lround(a.Residus[i] / echelle * (bas - haut) / 2.0));
        if (x < gauche || x > droite) continue;
        p.drawLine(x, milieu, x, y);
        p.drawRect(x - 1, y - 1, 2, 2);
    }
    return image;
}

QImage AvecTexte(const QImage& graphe, const QImage& residus, const QStringList& lignes)
{
    QFont police(QStringLiteral("Times New Roman"));
    police.setPixelSize(13);
    const QFontMetrics mesures(police);
    const int interligne = mesures.height() + 2;
    const int hauteurTexte = 8 + interligne * int(lignes.size());
    QImage image(graphe.width(), graphe.height() + residus.height() + hauteurTexte, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.drawImage(0, 0, graphe);
    if (!residus.isNull()) p.drawImage(0, graphe.height(), residus);
    p.setFont(police);
    p.setPen(Qt::black);
    int y = graphe.height() + residus.height() + 4 + mesures.ascent();
    for (const QString& l : lignes) {
        p.drawText(10, y, l);
        y += interligne;
    }
    return image;
}

} // namespace VueAjustement
