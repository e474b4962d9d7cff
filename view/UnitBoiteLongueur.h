#pragma once
// The segment length dialog: asks for the real length of the scale segment,
// in metres, as soon as its second end is placed. The caller puts
// LongueurEtalon into Longueur, shows the dialog and reads Longueur back.

#include "measure/UnitLongueurEtalon.h"

#include <QDialog>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;
class QStatusBar;

bool LongueurAcceptable(double metres);

// The value of the edit's text, either decimal separator; 0 for no number.
double ValeurLongueur(const QString& texte);
// The edit's text: three decimals, fewer when it would not fit 14 characters.
QString TexteLongueur(double metres);
// The refusal box's three lines, for the length the dialog holds.
QStringList LignesRefusLongueur(double longueur);

// The label and the edit side by side above the status line, margin 8.
struct DispositionLongueur {
    QSize client;
    QRect libelle;
    QRect edition;
    QRect statut;
};
DispositionLongueur DisposerLongueur(QSize libelle, QSize edition, int hauteurStatut);

class TBoiteLongueur : public QDialog {
    Q_OBJECT
public:
    explicit TBoiteLongueur(QWidget* parent = nullptr);

    double Longueur = 1.0; // metres

    // Refuses to close while the edit holds a length out of range.
    void done(int resultat) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void valider();

    QLabel* libelle_;
    QLineEdit* edition_;
    QStatusBar* statut_;
};
