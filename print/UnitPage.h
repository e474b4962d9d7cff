#pragma once
// The printed page as a model: one A4 page in hundredths of a millimetre,
// origin at its top-left corner, x to the right, y downwards; its margins,
// its header and footer bands, and what has been drawn on it (pictures and
// dotted lines), kept as a list so that the preview and the printer paint the
// same thing. No window and no painter here.

#include <QImage>
#include <QString>
#include <cmath>
#include <functional>
#include <variant>
#include <vector>

// Nearest integer, halves to the even neighbour.
inline int Arrondi(double v)
{
    return int(std::lrint(v));
}

struct MPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const MPoint&, const MPoint&) = default;
    friend MPoint operator-(MPoint a, MPoint b) { return {a.X - b.X, a.Y - b.Y}; }
};

struct RectPage {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const RectPage&, const RectPage&) = default;
    int Largeur() const { return Right - Left; }
    int Hauteur() const { return Bottom - Top; }
    bool Vide() const { return Left >= Right || Top >= Bottom; }
    // Strictly inside, on both axes.
    bool Contient(MPoint p) const { return p.X > Left && p.X < Right && p.Y > Top && p.Y < Bottom; }
};

enum class Orientation { Portrait, Paysage };

// A caption font: family name and character height in screen pixels.
struct Police {
    QString nom;
    int hauteur = 0;
};

struct Legende {
    QString texte;
    Police police;
};

struct Bande {
    bool visible = false;
    Legende gauche, centre, droite;
};

// Text height (ascent plus descent) of a font, in screen pixels.
using MesureTexte = std::function<int(const Police&)>;

struct ImagePage {
    QImage image;
    RectPage cadre;
};
struct LignePage {
    MPoint a, b;
};
using ElementPage = std::variant<ImagePage, LignePage>;

class PageImpression {
public:
    static constexpr int LargeurA4 = 21000;
    static constexpr int HauteurA4 = 29700;

    // `pixelsParPouce` is the screen's resolution: captions are sized in
    // screen pixels and take the same size on paper as on the screen.
    PageImpression(double pixelsParPouce, MesureTexte mesure);

    Orientation Sens() const { return orientation_; }
    void SetSens(Orientation o) { orientation_ = o; }
    // Of the current orientation.
    int Largeur() const;
    int Hauteur() const;

    void SetMargesCm(double haut, double bas, double gauche, double droite);
    int MargeHaut() const { return margeHaut_; }
    int MargeBas() const { return margeBas_; }
    int MargeGauche() const { return margeGauche_; }
    int MargeDroite() const { return margeDroite_; }
    // The part of the paper the printer cannot reach, shown in the preview.
    const RectPage& MargesPhysiques() const { return margesPhysiques_; }
    void SetMargesPhysiques(const RectPage& m) { margesPhysiques_ = m; }

    Bande& Entete() { return entete_; }
    Bande& Pied() { return pied_; }
    const Bande& Entete() const { return entete_; }
    const Bande& Pied() const { return pied_; }
    // Text height of the band's largest caption font plus 2 screen pixels,
    // in page units; 0 when the band is hidden.
    int HauteurBande(const Bande& b) const;
    int HauteurEntete() const { return HauteurBande(entete_); }
    int HauteurPied() const { return HauteurBande(pied_); }

    double PixelsParPouce() const { return pixelsParPouce_; }
    // Screen pixels to page units.
    int DepuisPixels(double pixels) const { return Arrondi(pixels * 2540.0 / pixelsParPouce_); }

    void Effacer() { elements_.clear(); }
    void DessinerImage(const QImage& image, const RectPage& cadre) { elements_.push_back(ImagePage{image, cadre}); }
    void Ligne(MPoint a, MPoint b) { elements_.push_back(LignePage{a, b}); }
    // The four sides of a rectangle as lines.
    void Contour(const RectPage& r);
    const std::vector<ElementPage>& Elements() const { return elements_; }

private:
    double pixelsParPouce_;
    MesureTexte mesure_;
    Orientation orientation_ = Orientation::Portrait;
    int margeHaut_ = 0, margeBas_ = 0, margeGauche_ = 0, margeDroite_ = 0;
    RectPage margesPhysiques_;
    Bande entete_, pied_;
    std::vector<ElementPage> elements_;
};
