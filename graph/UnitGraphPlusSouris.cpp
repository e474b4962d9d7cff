// What the mouse does to the graph: pan with the left button, zoom about
// CentreZoom with the right one, and, in vector-masking mode, a dragged
// rectangle that hides or shows arrows.

#include "graph/UnitGraphPlusDessin.h"

namespace {

int Signe(int v)
{
    return (v > 0) - (v < 0);
}

} // namespace

bool TDessinGraphe::SourisEnfoncee(TBoutonSouris bouton, QPoint point)
{
    if (modeVecteurs) {
        selection = true;
        debutSelection = point;
        // A release without a move selects nothing, not the last rectangle.
        finSelection = point;
        if (bouton == TBoutonSouris::Gauche)
            valeurSelection = false;
        else if (bouton == TBoutonSouris::Droit)
            valeurSelection = true;
        return false;
    }
    if (bouton == TBoutonSouris::Gauche) {
        pan = true;
        dernierPan = point;
        curseurEcran = CurseurPan;
    } else if (bouton == TBoutonSouris::Droit) {
        zoom = true;
        dernierZoom = point;
        curseurControle = CurseurClickZoomer;
    }
    return false;
}

bool TDessinGraphe::SourisDeplacee(QPoint point)
{
    bool redessiner = false;
    if (selection) {
        finSelection = point;
        redessiner = true;
    }
    if (pan) redessiner = Deplacer(point) || redessiner;
    if (zoom) redessiner = Zoomer(point) || redessiner;
    return redessiner;
}

bool TDessinGraphe::Deplacer(QPoint point)
{
    if (largeur == 0 || hauteur == 0) return false;
    // Scaled to the whole control, so the plot moves a little less than the pointer.
    const double dx = (limites.Xmax - limites.Xmin) * (point.x() - dernierPan.x()) / largeur;
    const double dy = (limites.Ymax - limites.Ymin) * (point.y() - dernierPan.y()) / hauteur;
    SetLimites(limites.Xmin - dx, limites.Xmax - dx, limites.Ymin + dy, limites.Ymax + dy);
    dernierPan = point;
    return true;
}

bool TDessinGraphe::Zoomer(QPoint point)
{
    // A step left (or up) divides the range by 1.05, a step right (or down) by 0.95.
    double eX = zoomX ? 1 + 0.05 * Signe(dernierZoom.x() - point.x()) : 1;
    double eY = zoomY ? 1 + 0.05 * Signe(dernierZoom.y() - point.y()) : 1;
    PointD facteur;
    if (zoomXY) {
        eX = eY = 1 + 0.05 * Signe(dernierZoom.x() - point.x());
        facteur = PointD{facteurZoom.X * eX, facteurZoom.X * eX};
    } else {
        facteur = PointD{facteurZoom.X * eX, facteurZoom.Y * eY};
    }
    if (facteur.X > 5 || facteur.X < 0.2 || facteur.Y > 5 || facteur.Y < 0.2) return false;
    if (eX == 1 && eY == 1) return false;

    facteurZoom = facteur;
    const double cx = centreZoom.X, cy = centreZoom.Y;
    SetLimites(cx + (limites.Xmin - cx) / eX, cx + (limites.Xmax - cx) / eX, cy + (limites.Ymin - cy) / eY,
               cy + (limites.Ymax - cy) / eY);
    dernierZoom = point;
    return true;
}

bool TDessinGraphe::SourisRelachee()
{
    bool redessiner = false;
    if (selection) {
        selection = false;
        for (TCourbe* c : actives) c->Masquer(valeurSelection, debutSelection, finSelection);
        redessiner = true;
    }
    pan = zoom = false;
    curseurEcran = CurseurAucun;
    curseurControle = CurseurClickGaucheDroite;
    return redessiner;
}
