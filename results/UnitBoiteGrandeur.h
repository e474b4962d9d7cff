#pragma once
// "Vlastní veličina…": adds, changes or removes one of the user's quantities
// (a name, a unit and a formula over the series). The caller puts the
// measurement's quantities in with Poser, with the results of the
// measurement when it has some, shows the dialog and, once accepted, reads
// Grandeurs back. A quantity is refused with the fault's position: the
// formula's cursor is put there.

#include "kinematics/UnitGrandeurs.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

class TBoiteGrandeur : public QDialog {
    Q_OBJECT
public:
    explicit TBoiteGrandeur(QWidget* parent = nullptr);

    // `r` (may be null, kept by reference until the dialog closes): the
    // formula must name only its series and give finite values on it.
    void Poser(const TGrandeursMesure& g, const TResultatsSeries* r);
    TGrandeursMesure Grandeurs;

    // Accepted takes the quantity in the edits, in place of the one chosen
    // in the list, or as a new one; refused, the dialog stays open.
    void done(int resultat) override;

    QComboBox* ComboBoxGrandeur = nullptr; // the user's quantities, then "(nová)"
    QLineEdit* EditNom = nullptr;
    QLineEdit* EditUnite = nullptr;
    QLineEdit* EditFormule = nullptr;
    QPushButton* BoutonSupprimer = nullptr; // removes the chosen one and closes

private:
    void choisir(int indice);
    void supprimer();

    const TResultatsSeries* series_ = nullptr;
};
