#pragma once
// The time-step dialog: the user keeps the video's interval between frames
// (TDefaut) or chooses another time step. The caller puts the time step in
// PasDeTemps and reads PasDeTemps.TChoisi back after the dialog closed,
// whatever way it was closed.

#include "kinematics/UnitPasDeTemps.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QStatusBar;
class TEditionNombre;

class TBoiteTemps : public QDialog {
    Q_OBJECT
public:
    explicit TBoiteTemps(QWidget* parent = nullptr);

    TPasDeTemps PasDeTemps;

    // Controls, top to bottom.
    QLabel* Label1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButtonDefaut = nullptr;
    QRadioButton* RadioButtonAutreValeur = nullptr;
    TEditionNombre* RxCalcEdit1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* TexteStatusBar1 = nullptr;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Creer();
    void Montrer();
    void Disposer();
    void RadioButtonDefautClick();
    void RadioButtonAutreValeurClick();
    void RxCalcEdit1Click();
    void BitBtn1Click();
    void Valider();
};
