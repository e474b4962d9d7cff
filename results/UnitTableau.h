#pragma once
// The table of values: one row per sample with the time, the positions and the
// velocities and accelerations of up to three moving points, which columns
// are visible and in what order, and the tab-separated text the export and
// the clipboard write.
//
// The columns are described once, in Colonnes(); everything else (the cells,
// the grid's labels and widths, the visibility rules, the export) walks that
// list, so a new kind of column is one more entry there.

#include "kinematics/UnitSerieGrandeur.h"
#include "kinematics/UnitSeries.h"

#include <QChar>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Columns of one group are shown and hidden together.
enum class GroupeColonne { Numero, Temps, Position, Vitesse, Acceleration, Grandeur, Marque };

struct TColonne {
    QString Nom;         // field name, also the exported header ("x1")
    std::string Libelle; // string-table name of the grid's label
    GroupeColonne Groupe;
    int Point;                                         // moving point 1..3 the column belongs to
    TResultatsSeries::Series TResultatsSeries::*Serie; // nullptr: the row number
    int Largeur;                                       // display width in characters
    QString Unite;                                     // exported under the name: "(m)"
    // The standard uncertainty of the column before it ("uvx1" of "vx1"):
    // shown with its group only while uncertainties are asked for.
    bool Incertitude = false;
    // A quantity's column (energies, momenta, the user's): its index among
    // the table's quantities, -1 for the series' own columns; its grid label.
    int Grandeur = -1;
    QString Titre{};
};

// A quantity computed from the series, as a column of the table.
struct TColonneGrandeur {
    QString Nom;   // "Ek1"
    QString Unite; // "J"
    int Point = 0; // 1..3, 0 for the system's and the user's
    TSerieGrandeur Serie;
};

class TTableau {
public:
    // Numero, Date, x1, y1, x2, y2, x3, y3, then for each point vx, vy, v and
    // their uncertainties uvx, uvy, uv, the same for the accelerations; last
    // Marque1..3: how each point's mark was made, as text.
    static const std::vector<TColonne>& Colonnes();
    static int NombreColonnes() { return int(Colonnes().size()); }
    static int Colonne(const QString& nom); // -1 when unknown
    // The unit written under a field name, chosen by its first letter.
    static QString UniteChamp(const QString& nom);

    // Those columns, then a value column and an uncertainty column for each
    // quantity given: the columns of this table.
    const std::vector<TColonne>& ColonnesTableau() const { return colonnes_; }
    int NombreColonnesTableau() const { return int(colonnes_.size()); }
    int IndiceColonne(const QString& nom) const; // -1 when unknown
    // The grid's label of a column.
    static QString Etiquette(const TColonne& k);
    // Replaces the quantities' columns (shown with GroupeColonne::Grandeur).
    // The user's order of the columns survives when the same quantities come
    // back; new ones go at the end.
    void PoserGrandeurs(std::vector<TColonneGrandeur> grandeurs);

    // Refills every row from the series, kept as they are (the cells are read
    // from them, so a long measurement costs no more than its series): as
    // many rows as the point with the most samples; a point with fewer leaves
    // its cells empty. The Date column holds point 1's times.
    void RemplirTableau(TResultatsSeries r);

    int NombreLignes() const { return lignes_; }
    int NombrePoints() const { return points_; }
    // Empty stays distinct from zero. A value that is not finite (a scale of
    // 1E300 overflows, an uncertainty that cannot be estimated) is empty
    // rather than read as a number.
    std::optional<double> Valeur(int ligne, int colonne) const;
    // The cell as the grid shows it: "#0.###" with `separateurDecimal`, the
    // row number as an integer, nothing for an empty cell.
    QString TexteAffiche(int ligne, int colonne, QChar separateurDecimal) const;
    // How the mark of `point` (1..3) on that row was made: by hand, tracked
    // with its score, doubtful, on a repeated picture; empty without a mark.
    QString TexteMarque(int ligne, int point, QChar separateurDecimal) const;
    // The row's mark of the column's point is doubtful or repeated (for the
    // row number and the system's quantities: a mark of any point).
    bool Signalee(int ligne, int colonne) const;

    bool Visible(int colonne) const;
    // Shown when the table view is activated: Numero, Date and the positions
    // of the moving points; every velocity and acceleration hidden.
    void MontrerPositions();
    // Shows the group's columns of the moving points, or hides all of them.
    void MontrerGroupe(GroupeColonne g, bool montrer);
    bool GroupeMontre(GroupeColonne g) const;
    // The uncertainty columns of the groups shown; hidden until asked for.
    void MontrerIncertitudes(bool montrer) { incertitudes_ = montrer; }
    bool Incertitudes() const { return incertitudes_; }

    // Column order as the user arranged it: Ordre()[k] is the column shown at
    // position k. Moving takes the column at position `de` to position `vers`.
    const std::vector<int>& Ordre() const { return ordre_; }
    void DeplacerColonne(int de, int vers);

    // Three empty lines, the visible field names, their units, an empty line,
    // then one line per row; every value followed by a tab, lines by CR LF.
    // Values in the general format with 15 significant digits.
    QString RemplirTexte(QChar separateurDecimal) const;
    // The same text handed out line by line (each with its CR LF), so that a
    // long table can be written without holding all of it.
    void PourChaqueLigne(QChar separateurDecimal, const std::function<void(const QString&)>& ligne) const;

private:
    TResultatsSeries series_;
    std::vector<TColonneGrandeur> grandeurs_;
    std::vector<TColonne> colonnes_ = Colonnes();
    int lignes_ = 0;
    std::vector<GroupeColonne> groupes_{GroupeColonne::Numero, GroupeColonne::Temps, GroupeColonne::Position};
    std::vector<int> ordre_ = ordreInitial();
    int points_ = 1;
    bool incertitudes_ = false;

    static std::vector<int> ordreInitial();
};

// The grid's display format "#0.###": at least one integer digit, up to three
// decimals, no trailing zeros, no minus sign on a value that rounds to zero.
QString FormatTableau(double v, QChar separateurDecimal);
