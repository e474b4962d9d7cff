#pragma once
// One axis of the graph: fills its band, writes the graduation values and the
// title, and draws across the plot the grid, the thick zero line and the ticks.
// It computes nothing about the data: the control gives it the range, the
// margins and the band.

#include "graph/UnitCouleur.h"
#include "graph/UnitGraphPlusTrace.h"

#include <QString>

class QPainter;

// A graduation value: scientific notation with 3 significant digits when the
// range is large or tiny, fixed notation with 0 to 3 decimals otherwise, with
// the user's decimal separator.
QString FormaterGraduation(double x, double Min, double Max);

class TAxe {
public:
    TAxe(int nbDivisions, QString titre, bool vertical);

    // Draws on the painter's device. The grid lines run over `longueurGrille`
    // pixels from `debutGrille` (y for the X axis, x for the Y axis).
    void Dessiner(QPainter& p, int longueurGrille, int debutGrille) const;

    QString Titre;
    int NbDivisions;
    int NbSousDivisions = 5;
    TZone Zone;            // the band, in control pixels
    int MargeGauche = 0;   // the control's AxeYFromLeft
    int MargeDroite = 0;   // AxeYFromRight
    int MargeHaut = 0;     // AxeXFromTop
    int MargeBas = 0;      // AxeXFromBottom
    int DecalageTitre = 5; // title distance from the band's outer edge
    double Min = 0;
    double Max = 0;
    bool Vertical;
    bool Visible = false;
    TColor Couleur = Couleur::FaceBouton;

private:
    int LongueurTrace() const;
    void EcrireGraduations(QPainter& p, int pas) const;
    void EcrireTitre(QPainter& p) const;
    void TracerTraits(QPainter& p, int pas, int longueurGrille, int debutGrille) const;
};
