#pragma once
// The colour dialog: chooses the colour of marks, segment, axes and overlay
// from a grid of 16 colours. The grid's foreground cell is the one place the
// current colour index lives: the main window's space bar steps it too.

#include <QDialog>
#include <QWidget>
#include <cstdint>

// Colours are 32-bit values with red in the low byte, then green, then blue.
constexpr int NombreCouleursGrille = 16;
// The colour of a grid cell, 0..15 row by row.
std::uint32_t CouleurGrille(int index);
// The first cell of that colour; -1 when it is none of the 16.
int IndexCouleur(std::uint32_t couleur);

// Four rows of four colour cells; a click or the arrow keys choose the
// foreground cell.
class TGrilleCouleurs : public QWidget {
    Q_OBJECT
public:
    explicit TGrilleCouleurs(QWidget* parent = nullptr);

    int IndexPremierPlan() const { return index_; }
    // -1 for no foreground cell.
    void ChoisirIndex(int index);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int index_ = -1;
};

class TBoiteCouleur : public QDialog {
    Q_OBJECT
public:
    explicit TBoiteCouleur(QWidget* parent = nullptr);

    std::uint32_t CouleurCourante = 0; // in: the view's Couleur

    TGrilleCouleurs& Grille() { return *grille_; }
    // The foreground cell's colour; CouleurCourante while no cell is chosen
    // (a colour outside the grid, closed without a click).
    std::uint32_t CouleurChoisie() const;

protected:
    void showEvent(QShowEvent* e) override;

private:
    TGrilleCouleurs* grille_;
};
