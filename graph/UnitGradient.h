#pragma once
// A two-colour gradient. A small pattern is computed once per change of the
// properties and stretched over the target when painted, so painting costs one
// stretched copy whatever the size.

#include "graph/UnitCouleur.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <array>
#include <functional>

class QPainter;

enum TGradientStyle {
    gsRadialC,
    gsRadialT,
    gsRadialB,
    gsRadialL,
    gsRadialR,
    gsRadialTL,
    gsRadialTR,
    gsRadialBL,
    gsRadialBR,
    gsLinearH,
    gsLinearV,
    gsReflectedH,
    gsReflectedV,
    gsDiagonalLF,
    gsDiagonalLB,
    gsDiagonalRF,
    gsDiagonalRB,
    gsArrowL,
    gsArrowR,
    gsArrowU,
    gsArrowD,
    gsDiamond,
    gsButterfly,
    gsCustom
};

// The ramp from the first colour (index 0) to the second.
using TGradientColors = std::array<QRgb, 256>;

class TGradient;
// Fills the pattern of gsCustom: sets its size and every pixel.
using TCustomGradientEvent = std::function<void(TGradient& Sender, const TGradientColors& Colors, QImage& Pattern)>;

class TGradient {
public:
    TGradient();

    TColor ColorBegin() const { return colorBegin; }
    TColor ColorEnd() const { return colorEnd; }
    TGradientStyle Style() const { return style; }
    int Shift() const { return shift; }
    int Rotation() const { return rotation; }
    bool Reverse() const { return reverse; }

    // Each setter rebuilds the pattern only when the value changes. Shift and
    // Rotation are clamped to -100..100.
    void SetColorBegin(TColor c);
    void SetColorEnd(TColor c);
    void SetStyle(TGradientStyle s);
    void SetShift(int s);
    void SetRotation(int r);
    void SetReverse(bool r);
    // Takes effect at the next rebuild.
    void SetOnCustom(TCustomGradientEvent e) { onCustom = std::move(e); }

    // Changes inside a bracket rebuild the pattern once, at the closing EndUpdate.
    void BeginUpdate();
    void EndUpdate();

    QSize Size() const { return taille; }
    void SetSize(QSize s) { taille = s; }

    const QImage& Pattern() const { return pattern; }
    const TGradientColors& Colors() const { return couleurs; }
    // How many times the pattern was built, so callers can check it is not
    // rebuilt for nothing.
    int Builds() const { return constructions; }

    // Stretches the whole pattern over (0, 0, Size) of the painter.
    void Paint(QPainter& p) const;

private:
    void Rebuild();
    void Build();
    void RemplirTable(QRgb c1, QRgb c2);
    void RemplirMotif();

    TColor colorBegin = Couleur::Blanc;
    TColor colorEnd = Couleur::FaceBouton;
    TGradientStyle style = gsRadialC;
    int shift = 0;
    int rotation = 0;
    bool reverse = false;
    TCustomGradientEvent onCustom;

    QSize taille{100, 100};
    QImage pattern;
    TGradientColors couleurs{};
    int miseAJour = 0;
    bool enAttente = false;
    bool enConstruction = false;
    int constructions = 0;
};
