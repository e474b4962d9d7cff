#include "graph/UnitGraphPlusFleche.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

using GraphTrace::Arrondi;
using GraphTrace::Fini;

QString FormaterValeur(double v)
{
    if (EstNul(v)) return QStringLiteral("0");
    char texte[64];
    std::snprintf(texte, sizeof texte, "%.1E", v);
    QString s = QString::fromLatin1(texte);
    const qsizetype e = s.indexOf(u'E');
    const int exposant = s.mid(e + 1).toInt();
    if (exposant >= -5 && exposant < 2) {
        std::snprintf(texte, sizeof texte, "%.*f", std::max(0, 1 - exposant), v);
        s = QString::fromLatin1(texte);
        if (s.contains(u'.')) {
            while (s.endsWith(u'0')) s.chop(1);
            if (s.endsWith(u'.')) s.chop(1);
        }
    } else {
        QString mantisse = s.left(e);
        while (mantisse.endsWith(u'0')) mantisse.chop(1);
        if (mantisse.endsWith(u'.')) mantisse.chop(1);
        s = mantisse + u'E' + QString::number(exposant);
    }
    return s.replace(u'.', QLocale().decimalPoint());
}

TFleche::TFleche(int nombre, const VecteurPointD& v, QString u) : unite(std::move(u)), vecteurs(v)
{
    vecteurs.resize(std::max(nombre, 0));
}

void TFleche::SetZone(const TZone& z)
{
    zone = z;
    if (zone.Width == 0 || EstNul(valeurEchelle)) return;
    const double f = lEchelle / valeurEchelle / zone.Width;
    if (facteurMin <= f && f <= facteurMax) {
        facteur = f;
    } else if (!EstNul(facteurMax) && !EstNul(facteurMin)) {
        facteur = f > facteurMax ? facteurMax : facteurMin;
        valeurEchelle = lEchelle / facteur / zone.Width;
    }
}

void TFleche::SetLEchelle(int n)
{
    lEchelle = n;
    if (!EstNul(facteur) && zone.Width != 0) valeurEchelle = n / facteur / zone.Width;
}

double TFleche::PlusGrandeNorme() const
{
    double m = 0;
    for (std::size_t i = 1; i < vecteurs.size(); ++i) m = std::max(m, std::hypot(vecteurs[i].X, vecteurs[i].Y));
    return m;
}

void TFleche::InitialiserEchelle(double M)
{
    if (EstNul(M) || zone.Width == 0) return;
    facteur = 0.1 / M;
    facteurMax = 3 * facteur;
    facteurMin = 0.2 * facteur;
    valeurEchelle = lEchelle / facteur / zone.Width;
}

bool TFleche::EssayerEchelle(double x)
{
    if (EstNul(x) || zone.Width == 0) return false;
    const double f = lEchelle / x / zone.Width;
    if (f > facteurMax || f < facteurMin) return false;
    facteur = f;
    valeurEchelle = x;
    return true;
}

void TFleche::Dessiner(QPainter& p, const VecteurPointD& normes, const std::vector<bool>& visibles) const
{
    p.setClipRect(zone.Rect());
    if (VecteursVisibles) TracerFleches(p, normes, visibles);
    if (ValeursVisibles) EcrireValeurs(p, normes, visibles);
    p.setClipping(false);
}

void TFleche::TracerFleches(QPainter& p, const VecteurPointD& normes, const std::vector<bool>& visibles) const
{
    const double W = zone.Width, H = zone.Height;
    const double trente = std::numbers::pi / 6;
    GraphTrace::TTraceur lignes(p, zone.Rect(), Couleur::VersQColor(CouleurFleches));
    const std::size_t n = std::min({vecteurs.size(), normes.size(), visibles.size()});
    for (std::size_t i = 0; i < n; ++i) {
        // A sample without a vector (left out of the derivatives) draws none.
        if (!visibles[i] || !Fini(vecteurs[i])) continue;
        const double u = normes[i].X, v = normes[i].Y;
        const double a = vecteurs[i].X * facteur, b = vecteurs[i].Y * facteur;
        const QPoint origine(Arrondi(u * W) + zone.Left, Arrondi((1 - v) * H) + zone.Top);
        const QPoint pointe(Arrondi((u + a) * W) + zone.Left, Arrondi((1 - v) * H - W * b) + zone.Top);
        lignes.Ligne(origine, pointe);

        // Barbs at 30 degrees on each side of the shaft, their length growing
        // with the square root of the arrow's.
        const double L = 0.05 * W * std::pow(a * a + b * b, 0.25);
        const double theta = !EstNul(a) ? std::atan(b / a) : (b > 0 ? -std::numbers::pi / 2 : std::numbers::pi / 2);
        const double a1 = theta + trente, a2 = trente - theta;
        const int s = a > 0 ? -1 : 1;
        const QPoint h1(pointe.x() + s * Arrondi(L * std::cos(a1)), pointe.y() - s * Arrondi(L * std::sin(a1)));
        const QPoint h2(pointe.x() + s * Arrondi(L * std::cos(a2)), pointe.y() + s * Arrondi(L * std::sin(a2)));
        lignes.Ligne(pointe, h1);
        lignes.Ligne(pointe, h2);
    }
}

void TFleche::EcrireValeurs(QPainter& p, const VecteurPointD& normes, const std::vector<bool>& visibles) const
{
    const double W = zone.Width, H = zone.Height;
    p.setFont(GraphTrace::PolicePixels(10));
    p.setPen(Couleur::VersQColor(CouleurTexte));
    GraphTrace::TEcrivain ecrivain(p, zone.Rect());
    const std::size_t n = std::min({vecteurs.size(), normes.size(), visibles.size()});
    for (std::size_t i = 0; i < n; ++i) {
        if (!visibles[i] || !Fini(vecteurs[i])) continue;
        const double u = normes[i].X, v = normes[i].Y;
        const double vx = vecteurs[i].X, vy = vecteurs[i].Y;
        const double a = vx * facteur, b = vy * facteur;
        const int k = Arrondi(b * W); // the arrow's upward extent in pixels
        const int cx = Arrondi(a * W / 2 + W * u);
        int x, y;
        // Upward arrows: about their middle measured with the width;
        // downward ones with the height.
        if (vy > 0) {
            x = std::min(k, 6) + cx;
            const int milieu = Arrondi(-b * W / 2 + (1 - v) * H);
            y = vx > 0 ? std::max(5 - k, 0) + milieu : milieu - std::max(20 - k, 10);
        } else {
            x = std::max(k, 6) + cx;
            const int milieu = Arrondi(-b * H / 2 + (1 - v) * H);
            y = vx > 0 ? milieu - std::max(k / 2 + 16, 0) : std::max(k + 8, 4) + milieu;
        }
        ecrivain.Ecrire(x + zone.Left, y + zone.Top, FormaterValeur(std::hypot(vx, vy)) + u' ' + unite);
    }
}
