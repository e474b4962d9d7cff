#pragma once
// The picture to print with its place on the page: its pixels, its scale
// (`Agrandissement`), its page size and `Position` in hundredths of a
// millimetre, the sensitive zones of its corners and edges, and the rubber
// band of a resize in progress.

#include "print/UnitPage.h"

#include <QImage>

class MBitMap {
public:
    // `pixelsParPouce`: the screen's resolution; at `Agrandissement` 1 the
    // picture is printed at its screen size.
    explicit MBitMap(double pixelsParPouce) : pixelsParPouce_(pixelsParPouce) {}

    const QImage& Pixels() const { return pixels_; }
    bool Vide() const { return pixels_.isNull(); }
    int LargeurPixels() const { return pixels_.width(); }
    int HauteurPixels() const { return pixels_.height(); }
    // Takes the picture and its aspect ratios; the scale is kept.
    void SetPixels(const QImage& image);

    double Agrandissement() const { return agrandissement_; }
    void SetAgrandissement(double a);
    // Page size, in page units.
    int Largeur() const { return largeur_; }
    int Hauteur() const { return hauteur_; }
    // Change the scale so that the page width (or height) is `w`; the other
    // size follows, so the proportions never change. Ignored while empty.
    void SetLargeur(int w) { SetAgrandissement(EchellePourLargeur(w)); }
    void SetHauteur(int h) { SetAgrandissement(EchellePourHauteur(h)); }
    double EchellePourLargeur(int w) const;
    double EchellePourHauteur(int h) const;
    double RapportLH() const { return rapportLH_; }
    double RapportHL() const { return rapportHL_; }

    MPoint Position;
    int Tolerance = 600;
    RectPage Cadre() const { return {Position.X, Position.Y, Position.X + largeur_, Position.Y + hauteur_}; }

    // Corners 1 top-left, 2 top-right, 3 bottom-right, 4 bottom-left;
    // edges 1 top, 2 right, 3 bottom, 4 left. Derived from the current
    // position and size, so never stale.
    RectPage ZoneCoin(int coin) const;
    RectPage ZoneBord(int bord) const;

    int CoinActif() const { return coinActif_; }
    int BordActif() const { return bordActif_; }
    // Setting one clears the other.
    void SetCoinActif(int c)
    {
        coinActif_ = c;
        bordActif_ = 0;
    }
    void SetBordActif(int b)
    {
        bordActif_ = b;
        coinActif_ = 0;
    }

    // The smallest page size a resize may give: 1 cm on the shorter side.
    static constexpr int TailleMinimale = 1000;
    RectPage Elastique;
    // The rubber band for the pointer at `p`, from the active corner or edge:
    // proportions kept, the opposite corner or edge left in place. A band
    // that would fall under the minimum size or turn over stops at the
    // minimum size.
    void CalculerElastique(MPoint p);

private:
    void recalculerTaille();
    RectPage elastiqueMinimal() const;
    double pagesParPixel() const { return 2540.0 / pixelsParPouce_; }

    double pixelsParPouce_;
    QImage pixels_;
    double agrandissement_ = 1.0;
    int largeur_ = 0;
    int hauteur_ = 0;
    double rapportLH_ = 1.0;
    double rapportHL_ = 1.0;
    int coinActif_ = 0;
    int bordActif_ = 0;
};
