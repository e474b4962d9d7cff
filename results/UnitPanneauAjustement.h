#pragma once
// The fit panel of the results window, docked beside the graphs against
// time: the model (with its formula and starting values), the range of
// frames, the uncertainty of the scale's known length, whether the residuals
// are shown, and the result as a teacher writes it. It only holds the
// user's choices and shows what it is given; the window fits.

#include "kinematics/UnitAjustementSeries.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TPanneauAjustement : public QWidget {
    Q_OBJECT
public:
    explicit TPanneauAjustement(QWidget* parent);

    static constexpr int Largeur = 260;

    // The choices as a request (quantity, point and samples are the window's).
    TModele Modele() const;
    std::string Expression() const;
    std::vector<double> Departs() const; // empty when the field is
    double IncertitudeLongueur() const;  // relative
    bool Residus() const;
    int De() const;
    int A() const;

    // The frames the range fields offer, and the range shown.
    void PoserImages(int premiere, int derniere);
    void PoserPlage(int de, int a);
    // Sets the fields from a kept fit.
    void PoserDemande(const TDemandeAjustement& d, int de, int a);
    void PoserResultat(const QString& texte);

    QComboBox* ComboModele = nullptr;
    QLineEdit* EditExpression = nullptr;
    QLineEdit* EditDeparts = nullptr;
    QSpinBox* SpinDe = nullptr;
    QSpinBox* SpinA = nullptr;
    QDoubleSpinBox* SpinEchelle = nullptr;
    QCheckBox* CheckResidus = nullptr;
    QPushButton* BoutonProlozit = nullptr;
    QLabel* LabelResultat = nullptr;

signals:
    void Prolozit();
    void ResidusChange();

private:
    void ModeleChange();
};
