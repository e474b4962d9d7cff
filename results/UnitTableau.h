#pragma once
// The table of values: one row per sample with the time, the positions and the
// velocities and accelerations of up to three moving points, which columns
// are visible, and the tab-separated text the export and the clipboard write.

#include "kinematics/UnitSeries.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class TTableau {
public:
    static constexpr int NombreColonnes = 44;
    // Numero, Date, x1, y1, x2, y2, x3, y3, vx1, vy1, v1, ... a3, then the
    // standard uncertainties uvx1, uvy1, uv1, ... ua3.
    static const QStringList& NomsChamps();
    // The columns in the order they are shown and exported: each point's
    // uncertainties right after its velocities or accelerations.
    static const std::vector<int>& OrdreColonnes();
    static int Colonne(const QString& nom); // -1 when unknown

    // Refills every row from the series (point 1 has the most samples; a
    // point with fewer leaves its cells empty).
    void RemplirTableau(const TResultatsSeries& r);

    int NombreLignes() const { return int(lignes_.size()); }
    // Empty stays distinct from zero.
    std::optional<double> Valeur(int ligne, int colonne) const { return lignes_[size_t(ligne)][size_t(colonne)]; }

    bool Visible(int colonne) const { return visibles_[size_t(colonne)]; }
    // Shown when the table view is activated: Numero, Date and the positions
    // of the moving points; every velocity and acceleration hidden.
    void MontrerPositions(int nbPointsMobiles);
    // Shows vx, vy, v (or ax, ay, a) of points 1..nbPointsMobiles, or hides all nine.
    void MontrerVitesses(bool montrer, int nbPointsMobiles);
    void MontrerAccelerations(bool montrer, int nbPointsMobiles);
    // Shows the uncertainty of every velocity and acceleration column shown,
    // now and after later changes; hidden until asked for.
    void MontrerIncertitudes(bool montrer);
    bool Incertitudes() const { return incertitudes_; }

    // Three empty lines, the visible field names, their units, an empty line,
    // then one line per row; every value followed by a tab, lines by CR LF.
    QString RemplirTexte(QChar separateurDecimal) const;

private:
    void montrerGroupe(int premiere, bool montrer, int nbPointsMobiles);
    void appliquerIncertitudes();

    std::vector<std::array<std::optional<double>, NombreColonnes>> lignes_;
    std::array<bool, NombreColonnes> visibles_{true, true, true, true};
    bool incertitudes_ = false;
};
