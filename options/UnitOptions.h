#pragma once
// The options dialog: what the results show, the window's proportions, the
// closing question, the recent-files list, the work-file association and the
// password lock. The caller prepares it, shows it and reads its boxes back.

#include "kit/Dialogues.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QStatusBar;

// The password dialog's texts: "Heslo", "Zadání hesla :", OK and "Zrušit".
DemandeMotDePasse DemandeMotDePasseOptions();

class TOptions : public QDialog {
    Q_OBJECT
public:
    explicit TOptions(QWidget* parent = nullptr);

    // Settings path given at preparation; nothing is read or written while empty.
    QString CheminIni;
    // Password value read at preparation (a hash, or clear text from an older
    // file); empty = no lock.
    QString MotDePasseEnregistre;
    int NombreFichiers = 8;

    QCheckBox* CheckBoxMotDePasse = nullptr;
    QCheckBox* CheckBoxAssociation = nullptr;
    QCheckBox* CheckBoxProportions = nullptr;
    QCheckBox* CheckBoxVitesse = nullptr;
    QCheckBox* CheckBoxAcceleration = nullptr;
    QCheckBox* CheckBoxConfirmation = nullptr;
    QCheckBox* CheckBoxFigerMRU = nullptr;
    QLabel* LabelMRU1 = nullptr;
    QSpinBox* RxSpinEditMRU = nullptr;
    QLabel* LabelMRU2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QStatusBar* StatusBar = nullptr;

    // Fills every box from the desktop's association and the settings file.
    void PreparerOptions(const QString& chemin);
    void ReglerNombreFichiers(int n);
    // Sets or clears the password after the user clicked its box.
    void CheckBoxMotDePasseClick();
    // Writes the association and the settings; runs however the dialog closes.
    void Fermer();

    // The count shown in the dialog.
    int NombreFichiersAffiche() const;

protected:
    void done(int r) override;
    void showEvent(QShowEvent* e) override;
    bool event(QEvent* e) override;

private:
    QCheckBox* creerCase(const char* legende, const char* hint);
    bool ecrire(const QString& cle, const QString& valeur);
    void avertirRegistre();

    bool montre_ = false;
};
