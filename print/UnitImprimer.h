#pragma once
// The print window: the page preview on the left, the title, zoom,
// orientation, layout and print groups on the right, the hint line at the
// bottom. Everything it does to the page is done by its TMiseEnPage; the
// window turns its controls and the preview's mouse events into calls on it.

#include "print/UnitMiseEnPage.h"

#include <QDialog>
#include <QPrinter>
#include <memory>

class Dialogues;
class FormStorage;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSlider;
class QSpinBox;
class QStatusBar;
class QToolButton;
class TApercu;

class TImprimer : public QDialog {
    Q_OBJECT
public:
    // The print dialog, messages and modal showing go through `dialogues`;
    // `fichierIni`: the settings file that keeps the placement in [PrintForm].
    TImprimer(Dialogues& dialogues, const QString& fichierIni);
    ~TImprimer() override;

    // Takes its own copy of `source` and places it: the user's layout is
    // kept while the picture keeps its pixel size.
    void ChargerImage(const QImage& source);
    // What the results window calls: loads the picture, names the print
    // job `document` (a file name: the print dialog offers it with ".pdf"
    // when printing to a file) and shows the window modally.
    int Imprimer(const QImage& source, const QString& document);

    const TMiseEnPage& MiseEnPage() const { return modele_; }
    // The printer the next print goes to, with the user's last choices.
    QPrinter& Imprimante() { return imprimante_; }

    // Controls, top to bottom on the right, then the preview.
    QGroupBox* GroupBoxTitre = nullptr;
    QLineEdit* EditTitre = nullptr;
    QComboBox* ComboBoxPolice = nullptr;
    QSpinBox* SpinEditTaille = nullptr;
    QLabel* LabelZoom = nullptr;
    QSlider* TrackBarZoom = nullptr;
    QGroupBox* GroupBoxOrientation = nullptr;
    QToolButton* SpeedButtonPortrait = nullptr;
    QToolButton* SpeedButtonPaysage = nullptr;
    QGroupBox* GroupBoxMiseEnPage = nullptr;
    QToolButton* SpeedButtonCentreHaut = nullptr;
    QToolButton* SpeedButtonPleinePage = nullptr;
    QGroupBox* GroupBoxImpression = nullptr;
    QPushButton* BitBtnImprimer = nullptr;
    QLabel* ImageImprimante = nullptr;
    QCheckBox* CheckBoxDouble = nullptr;
    QScrollArea* Defilement = nullptr;
    TApercu* Apercu = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* TexteStatusBar1 = nullptr;

    // The handlers, callable from tests as from the controls.
    void BitBtnImprimerClick();
    void CheckBoxDoubleClick();

protected:
    bool event(QEvent* e) override;
    void done(int r) override;

private:
    void Creer();
    QWidget* creerColonne();
    void ChangementTitre();
    void SpeedButtonCentreHautClick();
    void SpeedButtonPleinePageClick();
    void SpeedButtonOrientationClick();
    void ApercuAppui(MPoint p);
    void ApercuDeplacement(MPoint p);
    void ApercuRelachement(MPoint p);
    void Rafraichir();
    void imprimerPage();

    Dialogues& dialogues_;
    TMiseEnPage modele_;
    QPrinter imprimante_;
    FormStorage* FormStorage_ = nullptr;
};
