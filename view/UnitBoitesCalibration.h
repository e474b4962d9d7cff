#pragma once
// The two dialogs of the calibration beyond the segment: the axes' angle
// ("Natočení os…") and the size of the plane's rectangle ("Rovina měření…").
// The caller fills the fields, shows the dialog through the dialog seam and
// reads the fields back after an accepted close. A value that cannot be taken
// is refused with a message and the dialog stays open.

#include <QDialog>
#include <QString>
#include <optional>

class QCheckBox;
class QLineEdit;

// A number typed with either decimal separator; none for anything else,
// infinities and NaN included.
std::optional<double> NombreTape(const QString& texte);

class TBoiteAxes : public QDialog {
    Q_OBJECT
public:
    explicit TBoiteAxes(QWidget* parent = nullptr);

    double Angle = 0.0;            // degrees, counter-clockwise on screen
    bool SelonEtalon = false;      // the x axis along the scale segment instead
    bool EtalonDisponible = false; // in: a segment is placed

    void done(int resultat) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QLineEdit* angle_;
    QCheckBox* selonEtalon_;
};

class TBoitePlan : public QDialog {
    Q_OBJECT
public:
    explicit TBoitePlan(QWidget* parent = nullptr);

    double Largeur = 1.0; // metres along the plane's x axis
    double Hauteur = 1.0; // along its y axis

    void done(int resultat) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QLineEdit* largeur_;
    QLineEdit* hauteur_;
};
