#include "results/UnitVuesGraphe.h"

namespace VuesGraphe {

void AppliquerFond(TDessinGraphe& g, const Fond& f)
{
    g.SetColorBegin(f.ColorBegin);
    g.SetColorEnd(f.ColorEnd);
}

void Marges(TDessinGraphe& g, int haut, int droite, int gauche, int bas)
{
    g.SetAxeXFromTop(haut);
    g.SetAxeYFromRight(droite);
    g.SetAxeYFromLeft(gauche);
    g.SetAxeXFromBottom(bas);
}

void EchellesEgales(TEtendue& e, int largeur, int hauteur, double marge)
{
    if (largeur <= 0 || hauteur <= 0) return;
    const double dx = e.Xmax - e.Xmin, dy = e.Ymax - e.Ymin;
    if (hauteur * dx >= largeur * dy) {
        const double d = (hauteur * dx / largeur - dy) / 2;
        e.Ymin -= d;
        e.Ymax += d;
    } else {
        const double d = (largeur * dy / hauteur - dx) / 2;
        e.Xmin -= d;
        e.Xmax += d;
    }
    // Each upper bound moves by the range already widened below.
    e.Xmin -= (e.Xmax - e.Xmin) * marge;
    e.Xmax += (e.Xmax - e.Xmin) * marge;
    e.Ymin -= (e.Ymax - e.Ymin) * marge;
    e.Ymax += (e.Ymax - e.Ymin) * marge;
}

void AppliquerEtendue(TDessinGraphe& g, const TEtendue& e)
{
    g.SetLimites(e.Xmin, e.Xmax, e.Ymin, e.Ymax);
    g.SetCentreZoom(PointD{(e.Xmin + e.Xmax) / 2, (e.Ymin + e.Ymax) / 2});
}

} // namespace VuesGraphe
