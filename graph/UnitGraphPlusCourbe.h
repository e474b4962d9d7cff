#pragma once
// One plotted series of the graph: the successive positions of a point, drawn
// as marks, optionally joined and numbered, with vertical error bars, and with
// any number of vector series (arrow sets) attached to the same points. The
// points are kept in data units and normalised to the control's range.

#include "graph/UnitCouleur.h"
#include "graph/UnitGraphPlusFleche.h"
#include "graph/UnitGraphPlusTrace.h"
#include "core/UnitMath.h"

#include <QPoint>
#include <QStringList>
#include <vector>

class QPainter;

// Mark shapes.
enum { MarqueCroix = 0, MarquePlus = 1, MarqueEtoile = 2 };

class TCourbe {
public:
    // Vector series k gets the unit text Unites[k]. Missing points and vectors
    // are taken as zero.
    TCourbe(int nbPoints, const VecteurPointD& points, const std::vector<VecteurPointD>& vecteurs,
            const QStringList& unites);

    // Passed on to every arrow set; the displayed scale value follows the current one.
    void SetZone(const TZone& z);
    // Normalises the points; a range of zero width or height keeps the former
    // normalisation.
    void SetLimites(double xmin, double xmax, double ymin, double ymax);
    // Passed on to every arrow set; the displayed scale value is not refreshed.
    void SetLEchelle(int n);
    // Half-heights of the error bars in data units, one a point; none for a
    // missing, zero or not finite value. Empty: no bars.
    void SetBarres(std::vector<double> demiHauteurs);
    const std::vector<double>& Barres() const { return barres; }
    // Ignored without vector series or for an index out of range.
    void SetSerieCourante(int index);
    int SerieCourante() const { return serieCourante; }

    double PlusGrandeNorme() const;
    void InitialiserEchelle(double M);
    bool EssayerEchelle(double x);
    double EchelleAffichee() const { return echelleAffichee; }
    void SetEchelleAffichee(double v) { echelleAffichee = v; }

    // Shows or hides the arrows of the points strictly inside the rectangle
    // of corners a and b (in any order).
    void Masquer(bool valeur, QPoint a, QPoint b);
    void ToutAfficher();

    // Stored here and in every arrow set.
    void SetValeursVisibles(bool v);
    void SetVecteursVisibles(bool v);
    void SetCouleurValeurs(TColor c);
    void SetCouleurVecteurs(TColor c);
    bool ValeursVisibles() const { return valeursVisibles; }
    bool VecteursVisibles() const { return vecteursVisibles; }
    TColor CouleurValeurs() const { return couleurValeurs; }
    TColor CouleurVecteurs() const { return couleurVecteurs; }

    // The arrows of the current series first, then, clipped to the zone, the
    // joining line, the error bars, the marks and the numbers.
    void Dessiner(QPainter& p) const;
    // The pixel of point i in the control.
    QPoint PositionPixel(int i) const;

    int NbPoints() const { return nbPoints; }
    const VecteurPointD& Points() const { return points; }
    const VecteurPointD& PointsNormes() const { return pointsNormes; }
    const std::vector<bool>& Visibles() const { return visibles; }
    const std::vector<TFleche>& Fleches() const { return fleches; }
    const TZone& Zone() const { return zone; }

    int Marque = MarqueCroix;
    TColor CouleurPoints = Couleur::Rouge;
    TColor CouleurCourbe = Couleur::Olive;
    TColor CouleurNumeros = Couleur::Noir;
    bool Jointe = false;
    // Drawn as a dashed line two pixels wide in CouleurCourbe, without marks
    // or bars: a fitted curve over the samples.
    bool Pointillee = false;
    bool NumerosVisibles = false;

private:
    void TracerBarres(QPainter& p) const;
    void TracerMarques(QPainter& p) const;
    void EcrireNumeros(QPainter& p) const;

    int nbPoints;
    VecteurPointD points;
    VecteurPointD pointsNormes;
    std::vector<double> barres;
    double hauteurLimites = 100; // data units of the zone's height, for the bars
    std::vector<bool> visibles;
    std::vector<TFleche> fleches;
    int serieCourante;
    TZone zone{0, 0, 100, 100};
    double echelleAffichee = 0.1;
    TColor couleurValeurs = Couleur::Noir;
    TColor couleurVecteurs = Couleur::Noir;
    bool valeursVisibles = false;
    bool vecteursVisibles = false;
};
