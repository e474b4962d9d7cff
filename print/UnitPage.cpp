#include "print/UnitPage.h"

#include <algorithm>

PageImpression::PageImpression(double pixelsParPouce, MesureTexte mesure)
    : pixelsParPouce_(pixelsParPouce), mesure_(std::move(mesure))
{
}

int PageImpression::Largeur() const
{
    return orientation_ == Orientation::Portrait ? LargeurA4 : HauteurA4;
}

int PageImpression::Hauteur() const
{
    return orientation_ == Orientation::Portrait ? HauteurA4 : LargeurA4;
}

void PageImpression::SetMargesCm(double haut, double bas, double gauche, double droite)
{
    margeHaut_ = Arrondi(haut * 1000);
    margeBas_ = Arrondi(bas * 1000);
    margeGauche_ = Arrondi(gauche * 1000);
    margeDroite_ = Arrondi(droite * 1000);
}

int PageImpression::HauteurBande(const Bande& b) const
{
    if (!b.visible) return 0;
    const int texte = std::max({mesure_(b.gauche.police), mesure_(b.centre.police), mesure_(b.droite.police)});
    return DepuisPixels(texte + 2);
}

void PageImpression::Contour(const RectPage& r)
{
    const MPoint hg{r.Left, r.Top}, hd{r.Right, r.Top}, bd{r.Right, r.Bottom}, bg{r.Left, r.Bottom};
    Ligne(hg, hd);
    Ligne(hd, bd);
    Ligne(bd, bg);
    Ligne(bg, hg);
}
