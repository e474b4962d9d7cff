#pragma once
// An arrow set: one vector per point of a curve, drawn as an arrow from the
// point with an optional text giving its magnitude and unit. Arrows have their
// own scale: one data unit of vector is Facteur · W pixels long in both
// directions, and ValeurEchelle is the value that LEchelle pixels stand for.

#include "graph/UnitCouleur.h"
#include "graph/UnitGraphPlusTrace.h"
#include "core/UnitMath.h"

#include <QString>
#include <vector>

class QPainter;

// A magnitude with 2 significant digits: fixed notation without trailing
// zeros from 0.00001 to below 100, scientific notation otherwise.
QString FormaterValeur(double v);

class TFleche {
public:
    TFleche(int nombre, const VecteurPointD& vecteurs, QString unite);

    // Keeps the scale value at the new width while the factor stays in its
    // range; beyond it the factor sticks at the bound and the value follows.
    void SetZone(const TZone& z);
    void SetLEchelle(int n);
    // The largest norm of the vectors but the first one (0 with fewer than 2).
    double PlusGrandeNorme() const;
    // The vector of norm M becomes a tenth of the plot width; the factor may
    // then range from 0.2 to 3 times this.
    void InitialiserEchelle(double M);
    // False, changing nothing, when the value would take the factor out of range.
    bool EssayerEchelle(double x);

    // Arrows and magnitudes of the visible points, clipped to the zone.
    void Dessiner(QPainter& p, const VecteurPointD& normes, const std::vector<bool>& visibles) const;

    const VecteurPointD& Vecteurs() const { return vecteurs; }
    const QString& Unite() const { return unite; }
    const TZone& Zone() const { return zone; }
    double ValeurEchelle() const { return valeurEchelle; }
    double Facteur() const { return facteur; }
    double FacteurMin() const { return facteurMin; }
    double FacteurMax() const { return facteurMax; }

    TColor CouleurTexte = Couleur::Noir;
    TColor CouleurFleches = Couleur::Noir;
    bool ValeursVisibles = false;
    bool VecteursVisibles = false;

private:
    void TracerFleches(QPainter& p, const VecteurPointD& normes, const std::vector<bool>& visibles) const;
    void EcrireValeurs(QPainter& p, const VecteurPointD& normes, const std::vector<bool>& visibles) const;

    QString unite;
    VecteurPointD vecteurs;
    TZone zone;
    int lEchelle = 0;
    double valeurEchelle = 0;
    double facteur = 0;
    double facteurMax = 0;
    double facteurMin = 0;
};
