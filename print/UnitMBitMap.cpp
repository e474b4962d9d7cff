#include "print/UnitMBitMap.h"

void MBitMap::SetPixels(const QImage& image)
{
    pixels_ = image;
    if (!Vide()) {
        rapportLH_ = double(LargeurPixels()) / HauteurPixels();
        rapportHL_ = double(HauteurPixels()) / LargeurPixels();
    }
    recalculerTaille();
}

void MBitMap::SetAgrandissement(double a)
{
    agrandissement_ = a;
    recalculerTaille();
}

double MBitMap::EchellePourLargeur(int w) const
{
    return Vide() ? agrandissement_ : w / (LargeurPixels() * pagesParPixel());
}

double MBitMap::EchellePourHauteur(int h) const
{
    return Vide() ? agrandissement_ : h / (HauteurPixels() * pagesParPixel());
}

void MBitMap::recalculerTaille()
{
    largeur_ = Arrondi(LargeurPixels() * agrandissement_ * pagesParPixel());
    hauteur_ = Arrondi(HauteurPixels() * agrandissement_ * pagesParPixel());
}

RectPage MBitMap::ZoneCoin(int coin) const
{
    const int x = Position.X, y = Position.Y, w = largeur_, h = hauteur_, a = Tolerance;
    switch (coin) {
    case 1: return {x - a, y - a, x + a, y + a};
    case 2: return {x + w - a, y - a, x + w + a, y + a};
    case 3: return {x + w - a, y + h - a, x + w + a, y + h + a};
    case 4: return {x - a, y + h - a, x + a, y + h + a};
    default: return {};
    }
}

RectPage MBitMap::ZoneBord(int bord) const
{
    const int x = Position.X, y = Position.Y, w = largeur_, h = hauteur_, a = Tolerance;
    switch (bord) {
    case 1: return {x + a, y - a, x + w - a, y + a};
    case 2: return {x + w - a, y + a, x + w + a, y + h - a};
    case 3: return {x + a, y + h - a, x + w - a, y + h + a};
    case 4: return {x - a, y + a, x + a, y + h - a};
    default: return {};
    }
}

void MBitMap::CalculerElastique(MPoint p)
{
    const int x = Position.X, y = Position.Y, w = largeur_, h = hauteur_;
    const double k = rapportLH_, k1 = rapportHL_; // k1 = 1 / k
    const int px = p.X, py = p.Y;
    RectPage& E = Elastique;
    switch (coinActif_) {
    case 1: {
        const double d1 = x - px, d2 = (y - py) * k;
        if (d1 > d2) {
            E.Left = px;
            E.Top = y - Arrondi(d1 * k1);
        } else {
            E.Left = x - Arrondi(d2);
            E.Top = py;
        }
        E.Right = x + w;
        E.Bottom = y + h;
        break;
    }
    case 2: {
        const double d1 = (y - py) * k, d2 = px - x - w;
        if (d1 < d2) {
            E.Top = y - Arrondi(d2 * k1);
            E.Right = px;
        } else {
            E.Top = py;
            E.Right = Arrondi(d1) + x + w;
        }
        E.Left = x;
        E.Bottom = y + h;
        break;
    }
    case 3: {
        const double d1 = px - x - w, d2 = k * (py - y - h);
        if (d1 > d2) {
            E.Right = px;
            E.Bottom = Arrondi(d1 * k1) + y + h;
        } else {
            E.Right = Arrondi(d2) + x + w;
            E.Bottom = py;
        }
        E.Left = x;
        E.Top = y;
        break;
    }
    case 4: {
        const double d1 = x - px, d2 = k * (py - y - h);
        if (d1 > d2) {
            E.Left = px;
            E.Bottom = Arrondi(d1 * k1) + y + h;
        } else {
            E.Left = x - Arrondi(d2);
            E.Bottom = py;
        }
        E.Top = y;
        E.Right = x + w;
        break;
    }
    default:
        switch (bordActif_) {
        case 1: {
            const int e = Arrondi((y - py) * k / 2);
            E = {x - e, py, x + w + e, y + h};
            break;
        }
        case 2: {
            const int e = Arrondi((px - x - w) * k1 / 2);
            E = {x, y - e, px, y + h + e};
            break;
        }
        case 3: {
            const int e = Arrondi(k * (py - y - h) / 2);
            E = {x - e, y, x + w + e, py};
            break;
        }
        case 4: {
            const int e = Arrondi((x - px) * k1 / 2);
            E = {px, y - e, x + w, y + h + e};
            break;
        }
        default: return;
        }
    }
    const RectPage minimal = elastiqueMinimal();
    if (E.Largeur() < minimal.Largeur() || E.Hauteur() < minimal.Hauteur()) E = minimal;
}

RectPage MBitMap::elastiqueMinimal() const
{
    // 1 cm on the shorter side, the longer one in proportion.
    const int mw = rapportLH_ >= 1 ? Arrondi(TailleMinimale * rapportLH_) : TailleMinimale;
    const int mh = rapportLH_ >= 1 ? TailleMinimale : Arrondi(TailleMinimale * rapportHL_);
    const int x = Position.X, y = Position.Y, w = largeur_, h = hauteur_;
    // Across a dragged edge the band stays centred on the picture.
    const int cx = x + (w - mw) / 2, cy = y + (h - mh) / 2;
    switch (coinActif_) {
    case 1: return {x + w - mw, y + h - mh, x + w, y + h};
    case 2: return {x, y + h - mh, x + mw, y + h};
    case 3: return {x, y, x + mw, y + mh};
    case 4: return {x + w - mw, y, x + w, y + mh};
    default: break;
    }
    switch (bordActif_) {
    case 1: return {cx, y + h - mh, cx + mw, y + h};
    case 2: return {x, cy, x + mw, cy + mh};
    case 3: return {cx, y, cx + mw, y + mh};
    case 4: return {x + w - mw, cy, x + w, cy + mh};
    default: return {};
    }
}
