#pragma once
// The password dialog: a label, an input showing "*" for each character, OK
// (disabled while the input is empty) and cancel.

#include "kit/Dialogues.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

class BoiteMotDePasse : public QDialog {
    Q_OBJECT
public:
    BoiteMotDePasse(const DemandeMotDePasse& d, QWidget* parent);
    // The typed text, or nothing when cancelled.
    std::optional<QString> Executer();

private:
    QLineEdit* saisie_;
    QPushButton* ok_;
};
