#pragma once
// The main window: the frame view in a scroll box, the command bar, the status
// bars and the main menu.

#include "app/UnitFichiersRecents.h"

#include <QMainWindow>

class FormStorage;
class QMenu;
class QAction;

class TFiche : public QMainWindow {
    Q_OBJECT
public:
    explicit TFiche(QWidget* parent = nullptr);
    ~TFiche() override;

    // State of the window besides its controls.
    QString RepertoireCourant;
    double Echelle = -1;
    bool TailleLibre = true;
    int NiveauZoom = 0;
    bool FigerMRU = false;
    bool AfficherVitesse = true;
    bool AfficherAcceleration = true;
    bool ConfirmerFermeture = false;
    ListeFichiersRecents MRU;

    QAction* MenuFichierQuitter = nullptr;

    void MenuFichierQuitterClick();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Creer();
    void Montrer();
    void Detruire();
    void CreerMenus();

    FormStorage* FormStorage_ = nullptr;
    FormStorage* OptionsStorage_ = nullptr;
    QMenu* MenuFichier = nullptr;
    bool montree_ = false;
};
