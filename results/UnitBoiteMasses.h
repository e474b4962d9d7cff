#pragma once
// "Hmotnosti bodů…": the mass of each moving point in kilograms (0 when not
// set) and g. The caller puts the measurement's values in with Poser, shows
// the dialog and, once accepted, reads Grandeurs back.

#include "kinematics/UnitGrandeurs.h"

#include <QDialog>
#include <QString>
#include <array>
#include <optional>

class QLineEdit;

// The masses and g read from the edits' texts (either decimal separator; an
// empty mass is 0). On a fault, `refus` gets its line and nothing is returned.
std::optional<TGrandeursMesure> LireMasses(const TGrandeursMesure& avant, const std::array<QString, 3>& masses,
                                           int points, const QString& g, QString& refus);

class TBoiteMasses : public QDialog {
    Q_OBJECT
public:
    explicit TBoiteMasses(QWidget* parent = nullptr);

    // Only the first `points` masses are asked for; the others stay.
    void Poser(const TGrandeursMesure& g, int points);
    TGrandeursMesure Grandeurs;

    // Refuses to close with Accepted while an edit holds a bad value.
    void done(int resultat) override;

    std::array<QLineEdit*, 3> EditMasse{};
    QLineEdit* EditG = nullptr;

private:
    int points_ = 1;
};
