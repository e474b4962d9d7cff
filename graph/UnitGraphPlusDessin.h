#pragma once
// Everything of the graph control that needs no window: its properties, its
// curves, axes and gradient, the layout, the painting onto the off-screen
// picture `Image`, and what a press, a move or a release of the mouse does.
// The control (TGraphPlus) forwards its events here and shows `Image`.

#include "graph/UnitCouleur.h"
#include "graph/UnitGradient.h"
#include "graph/UnitGraphPlusAxe.h"
#include "graph/UnitGraphPlusCourbe.h"
#include "core/UnitMath.h"

#include <QImage>
#include <QPoint>
#include <QStringList>
#include <memory>
#include <vector>

enum class TBoutonSouris { Gauche, Droit, Milieu };

struct TLimites {
    double Xmin = 0;
    double Xmax = 100;
    double Ymin = 0;
    double Ymax = 100;
};

// Cursor numbers of the control (registered at start).
enum { CurseurAucun = 0, CurseurPan = 19, CurseurClickGaucheDroite = 21, CurseurClickZoomer = 22 };

class TDessinGraphe {
public:
    TDessinGraphe();
    TDessinGraphe(const TDessinGraphe&) = delete;
    TDessinGraphe& operator=(const TDessinGraphe&) = delete;

    // Margins around the plot area, copied into both axes.
    int AxeYFromLeft() const { return axeYFromLeft; }
    int AxeYFromRight() const { return axeYFromRight; }
    int AxeXFromTop() const { return axeXFromTop; }
    int AxeXFromBottom() const { return axeXFromBottom; }
    void SetAxeYFromLeft(int v);
    void SetAxeYFromRight(int v);
    void SetAxeXFromTop(int v);
    void SetAxeXFromBottom(int v);
    // Distance of the axis titles from the outer edges.
    int TitreAxeXFromEdge() const { return titreAxeXFromEdge; }
    int TitreAxeYFromEdge() const { return titreAxeYFromEdge; }
    void SetTitreAxeXFromEdge(int v);
    void SetTitreAxeYFromEdge(int v);
    // Length in pixels of the vector scale bar, passed to every curve.
    int LEchelle() const { return lEchelle; }
    void SetLEchelle(int v);
    bool AxeXVisible() const { return axeX.Visible; }
    bool AxeYVisible() const { return axeY.Visible; }
    void SetAxeXVisible(bool v) { axeX.Visible = v; }
    void SetAxeYVisible(bool v) { axeY.Visible = v; }
    const QString& TitreAxeX() const { return axeX.Titre; }
    const QString& TitreAxeY() const { return axeY.Titre; }
    void SetTitreAxeX(const QString& t) { axeX.Titre = t; }
    void SetTitreAxeY(const QString& t) { axeY.Titre = t; }
    // Zoom mode of the right-button drag: ZoomXY excludes the two others.
    bool ZoomX() const { return zoomX; }
    bool ZoomY() const { return zoomY; }
    bool ZoomXY() const { return zoomXY; }
    void SetZoomX(bool v);
    void SetZoomY(bool v);
    void SetZoomXY(bool v);
    // Background gradient colours; each change rebuilds the pattern once.
    TColor ColorBegin() const { return colorBegin; }
    TColor ColorEnd() const { return colorEnd; }
    void SetColorBegin(TColor c);
    void SetColorEnd(TColor c);
    // Fill of the margins and axis bands.
    TColor ColorAxe() const { return colorAxe; }
    void SetColorAxe(TColor c);

    // A new, inactive curve with one arrow set per vector series; returns its index.
    int AddCourbe(int NbPoints, const VecteurPointD& Points, const std::vector<VecteurPointD>& Vecteurs,
                  const QStringList& Unites);
    void ClearCourbes();
    // The listed curves become the drawn ones, in this order, with mark
    // Marques[k] and colour Couleurs[k]; then the arrow scale starts afresh.
    void SelectCourbes(const std::vector<int>& Indices, const std::vector<int>& Marques,
                       const std::vector<TColor>& Couleurs, int SerieVecteurs);
    // Each switches its option off on every curve, then on for the listed ones.
    void SetCourbesJointes(const std::vector<int>& Indices, const std::vector<TColor>& Couleurs);
    void SetValeursVisibles(const std::vector<int>& Indices, const std::vector<TColor>& Couleurs);
    void SetVecteursVisibles(const std::vector<int>& Indices, const std::vector<TColor>& Couleurs);
    void SetNumerosVisibles(const std::vector<int>& Indices, const std::vector<TColor>& Couleurs);
    // Vertical error bars of curve Indice, half-heights in data units (see TCourbe::SetBarres).
    void SetBarres(int Indice, std::vector<double> DemiHauteurs);
    // The curve `Indice` becomes a dashed line of that colour (TCourbe::Pointillee).
    void SetCourbePointillee(int Indice, TColor Couleur);

    void SetLimites(double Xmin, double Xmax, double Ymin, double Ymax);
    const TLimites& Limites() const { return limites; }
    // True, and the new value kept, only when every drawn curve accepts it.
    bool SetEchelleVecteurs(double Valeur);
    double EchelleVecteurs() const { return echelleVecteurs; }
    int SerieVecteurs() const { return serieVecteurs; }
    PointD CentreZoom() const { return centreZoom; }
    void SetCentreZoom(PointD c) { centreZoom = c; }
    PointD FacteurZoom() const { return facteurZoom; }
    bool ModeVecteurs() const { return modeVecteurs; }
    void SetModeVecteurs(bool v) { modeVecteurs = v; }

    int Width() const { return largeur; }
    int Height() const { return hauteur; }
    // The plot area; negative when the margins exceed the size.
    int LargeurGraphe() const { return largeur - axeYFromLeft - axeYFromRight; }
    int HauteurGraphe() const { return hauteur - axeXFromTop - axeXFromBottom; }

    // The control's new size: pictures, curve zones, arrow scale and axis
    // bands follow, unless the plot size is negative.
    void Dimensionner(int Width, int Height);
    // Redraws `Image` completely.
    void Dessiner();
    const QImage& Image() const { return image; }
    const QImage& Fond() const { return fond; }

    // Mouse, in control pixels. Each returns true when the picture must be redrawn.
    bool SourisEnfoncee(TBoutonSouris bouton, QPoint point);
    bool SourisDeplacee(QPoint point);
    // A release of any button, or the pointer leaving the control.
    bool SourisRelachee();
    // The control's cursor, and the one the whole application shows (CurseurAucun: its default).
    int CurseurControle() const { return curseurControle; }
    int CurseurEcran() const { return curseurEcran; }

    int NbCourbes() const { return int(courbes.size()); }
    const TCourbe& Courbe(int index) const { return *courbes[index]; }
    const std::vector<TCourbe*>& CourbesActives() const { return actives; }
    const TAxe& AxeX() const { return axeX; }
    const TAxe& AxeY() const { return axeY; }
    const TGradient& Gradient() const { return gradient; }

private:
    TCourbe* CourbeIndex(int index) const;
    void PourChaqueListee(const std::vector<int>& indices, const std::vector<TColor>& couleurs,
                          void (*appliquer)(TCourbe&, TColor));
    void InitialiserEchelleVecteurs();
    void PeindreFond();
    void CopierMarges();
    bool Deplacer(QPoint point);
    bool Zoomer(QPoint point);
    void DessinerSelection(QPainter& p) const;

    int largeur = 0;
    int hauteur = 0;
    TLimites limites;
    PointD facteurZoom{1, 1};
    PointD centreZoom{50, 50};
    bool zoomX = false;
    bool zoomY = false;
    bool zoomXY = true;
    double echelleVecteurs = 2.5;
    int lEchelle = 64;
    int serieVecteurs = 0;
    bool modeVecteurs = false;
    int axeYFromLeft = 0;
    int axeYFromRight = 0;
    int axeXFromTop = 0;
    int axeXFromBottom = 0;
    int titreAxeXFromEdge = 0;
    int titreAxeYFromEdge = 0;
    TColor colorBegin = Couleur::Blanc;
    TColor colorEnd = Couleur::FaceBouton;
    TColor colorAxe = Couleur::FaceBouton;

    QImage image;
    QImage fond;
    TGradient gradient;
    TAxe axeX;
    TAxe axeY;
    std::vector<std::unique_ptr<TCourbe>> courbes;
    std::vector<TCourbe*> actives;

    // Mouse drags. Pan and zoom may run together (both buttons down).
    bool pan = false;
    bool zoom = false;
    bool selection = false;
    QPoint dernierPan;
    QPoint dernierZoom;
    QPoint debutSelection;
    QPoint finSelection;
    bool valeurSelection = false;
    int curseurControle = CurseurClickGaucheDroite;
    int curseurEcran = CurseurAucun;
};
