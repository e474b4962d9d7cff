#include "graph/UnitGraphPlusCourbe.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

using GraphTrace::Arrondi;
using GraphTrace::Fini;

TCourbe::TCourbe(int n, const VecteurPointD& p, const std::vector<VecteurPointD>& vecteurs, const QStringList& unites)
    : nbPoints(std::max(n, 0)), points(p), pointsNormes(nbPoints), visibles(nbPoints, true),
      serieCourante(vecteurs.empty() ? -1 : 0)
{
    points.resize(nbPoints);
    fleches.reserve(vecteurs.size());
    for (std::size_t k = 0; k < vecteurs.size(); ++k)
        fleches.emplace_back(nbPoints, vecteurs[k], k < std::size_t(unites.size()) ? unites[k] : QString());
}

void TCourbe::SetZone(const TZone& z)
{
    zone = z;
    for (TFleche& f : fleches) f.SetZone(z);
    if (serieCourante >= 0) echelleAffichee = fleches[serieCourante].ValeurEchelle();
}

void TCourbe::SetLimites(double xmin, double xmax, double ymin, double ymax)
{
    const double dx = xmax - xmin, dy = ymax - ymin;
    if (EstNul(dx) || EstNul(dy)) return;
    hauteurLimites = dy;
    for (int i = 0; i < nbPoints; ++i) pointsNormes[i] = PointD{(points[i].X - xmin) / dx, (points[i].Y - ymin) / dy};
}

void TCourbe::SetLEchelle(int n)
{
    for (TFleche& f : fleches) f.SetLEchelle(n);
}

void TCourbe::SetSerieCourante(int index)
{
    if (index < 0 || index >= int(fleches.size())) return;
    serieCourante = index;
    echelleAffichee = fleches[index].ValeurEchelle();
}

double TCourbe::PlusGrandeNorme() const
{
    return serieCourante < 0 ? 0 : fleches[serieCourante].PlusGrandeNorme();
}

void TCourbe::InitialiserEchelle(double M)
{
    if (serieCourante < 0) return;
    fleches[serieCourante].InitialiserEchelle(M);
    echelleAffichee = fleches[serieCourante].ValeurEchelle();
}

bool TCourbe::EssayerEchelle(double x)
{
    if (serieCourante < 0 || !fleches[serieCourante].EssayerEchelle(x)) return false;
    echelleAffichee = x;
    return true;
}

void TCourbe::SetBarres(std::vector<double> demiHauteurs)
{
    barres = std::move(demiHauteurs);
}

QPoint TCourbe::PositionPixel(int i) const
{
    return {Arrondi(zone.Width * pointsNormes[i].X) + zone.Left,
            Arrondi((1 - pointsNormes[i].Y) * zone.Height) + zone.Top};
}

void TCourbe::Masquer(bool valeur, QPoint a, QPoint b)
{
    const int x1 = std::min(a.x(), b.x()), x2 = std::max(a.x(), b.x());
    const int y1 = std::min(a.y(), b.y()), y2 = std::max(a.y(), b.y());
    for (int i = 0; i < nbPoints; ++i) {
        const QPoint q = PositionPixel(i);
        if (x1 < q.x() && q.x() < x2 && y1 < q.y() && q.y() < y2) visibles[i] = valeur;
    }
}

void TCourbe::ToutAfficher()
{
    std::fill(visibles.begin(), visibles.end(), true);
}

void TCourbe::SetValeursVisibles(bool v)
{
    valeursVisibles = v;
    for (TFleche& f : fleches) f.ValeursVisibles = v;
}

void TCourbe::SetVecteursVisibles(bool v)
{
    vecteursVisibles = v;
    for (TFleche& f : fleches) f.VecteursVisibles = v;
}

void TCourbe::SetCouleurValeurs(TColor c)
{
    couleurValeurs = c;
    for (TFleche& f : fleches) f.CouleurTexte = c;
}

void TCourbe::SetCouleurVecteurs(TColor c)
{
    couleurVecteurs = c;
    for (TFleche& f : fleches) f.CouleurFleches = c;
}

void TCourbe::Dessiner(QPainter& p) const
{
    if (serieCourante >= 0) fleches[serieCourante].Dessiner(p, pointsNormes, visibles);
    p.setClipRect(zone.Rect());
    if (Pointillee) {
        QPolygon ligne(nbPoints);
        for (int i = 0; i < nbPoints; ++i) ligne[i] = PositionPixel(i);
        p.setPen(QPen(Couleur::VersQColor(CouleurCourbe), 2, Qt::DashLine));
        p.drawPolyline(ligne);
        p.setPen(QPen(Qt::black, 1));
        p.setClipping(false);
        return;
    }
    if (Jointe) {
        // A sample without a value (a derivative left out) breaks the line.
        GraphTrace::TTraceur traceur(p, zone.Rect(), Couleur::VersQColor(CouleurCourbe));
        QPolygon ligne;
        for (int i = 0; i <= nbPoints; ++i) {
            if (i < nbPoints && Fini(pointsNormes[i])) {
                ligne << PositionPixel(i);
                continue;
            }
            if (!ligne.isEmpty()) traceur.Polyligne(ligne);
            ligne.clear();
        }
    }
    TracerBarres(p);
    TracerMarques(p);
    if (NumerosVisibles) EcrireNumeros(p);
    p.setClipping(false);
}

void TCourbe::TracerBarres(QPainter& p) const
{
    GraphTrace::TTraceur trace(p, zone.Rect(), Couleur::VersQColor(CouleurPoints));
    for (int i = 0; i < nbPoints && i < int(barres.size()); ++i) {
        if (!(barres[i] > 0 && std::isfinite(barres[i]))) continue;
        // The ends are the pixels of value - u and value + u, both drawn, each
        // with a cap 5 pixels wide.
        const double y = pointsNormes[i].Y, u = barres[i] / hauteurLimites;
        const int x = PositionPixel(i).x();
        const int haut = Arrondi((1 - (y + u)) * zone.Height) + zone.Top;
        const int bas = Arrondi((1 - (y - u)) * zone.Height) + zone.Top;
        trace.Ligne({x, haut}, {x, bas + 1});
        trace.Ligne({x - 2, haut}, {x + 3, haut});
        trace.Ligne({x - 2, bas}, {x + 3, bas});
    }
}

void TCourbe::TracerMarques(QPainter& p) const
{
    struct Segment {
        int x1, y1, x2, y2;
    };
    static const std::vector<Segment> formes[3] = {
        // thick X
        {{-2, -2, 3, 3}, {-2, 2, 3, -3}, {-1, -2, 4, 3}, {-1, 2, 4, -3}, {-3, -2, 2, 3}, {-3, 2, 2, -3}},
        // plus with a 3 x 3 centre
        {{-3, 0, 4, 0}, {-1, -1, 2, -1}, {-1, 1, 2, 1}, {0, 3, 0, -4}, {-1, 1, -1, -2}, {1, 1, 1, -2}},
        // star
        {{-3, 3, 4, -4}, {-3, -3, 4, 4}, {-3, 0, 4, 0}, {0, 3, 0, -4}},
    };
    if (Marque < 0 || Marque > 2) return;
    GraphTrace::TTraceur trace(p, zone.Rect(), Couleur::VersQColor(CouleurPoints));
    for (int i = 0; i < nbPoints; ++i) {
        if (!Fini(pointsNormes[i])) continue;
        const QPoint c = PositionPixel(i);
        for (const Segment& s : formes[Marque]) trace.Ligne(c + QPoint(s.x1, s.y1), c + QPoint(s.x2, s.y2));
    }
}

void TCourbe::EcrireNumeros(QPainter& p) const
{
    p.setFont(GraphTrace::PolicePoints(8));
    p.setPen(Couleur::VersQColor(CouleurNumeros));
    GraphTrace::TEcrivain ecrivain(p, zone.Rect());
    const VecteurPointD* vecteurs = serieCourante >= 0 ? &fleches[serieCourante].Vecteurs() : nullptr;
    for (int i = 0; i < nbPoints; ++i) {
        if (!Fini(pointsNormes[i])) continue;
        const QPoint c = PositionPixel(i);
        // The number goes to the side the point's vector leaves clear.
        bool droite = false, haut = false;
        if (vecteurs) {
            droite = (*vecteurs)[i].X <= 0;
            haut = (*vecteurs)[i].Y <= 0;
        }
        ecrivain.Ecrire(c.x() + (droite ? 4 : -4), c.y() + (haut ? -16 : 4), QString::number(i + 1));
    }
}
