#pragma once
// The file search window: a file type, a drive and a folder, then "Vyhledat"
// lists every matching file below that folder; picking a row hands its folder
// and name to the caller. Modeless. The walk runs on a worker thread and
// reports each file back to the window in the walk's order, so the window
// stays responsive and "Stop" acts at once.

#include "search/FindFile.h"

#include <QDialog>
#include <functional>
#include <thread>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QStatusBar;
class QTreeView;
class QTreeWidget;
class FiltreVolume;
class TAnimationRecherche;

class TRecherche : public QDialog {
    Q_OBJECT
public:
    explicit TRecherche(QWidget* parent = nullptr);
    ~TRecherche() override;

    // Called with the folder (ending with a separator) and the file name of
    // the result the user picks.
    std::function<void(const QString& dossier, const QString& nom)> ChoixFichier;

    QComboBox* FilterComboBox = nullptr;
    QComboBox* DriveComboBox = nullptr;
    QTreeView* DirectoryListBox = nullptr;
    QTreeWidget* ListView = nullptr;
    TAnimationRecherche* Animate = nullptr;
    QPushButton* ButtonRechercher = nullptr;
    QPushButton* ButtonStop = nullptr;
    QPushButton* ButtonOuvrir = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* StatusTexte = nullptr;

    // The folder the search starts from (no trailing separator but for the root).
    QString DossierChoisi() const;
    // Moves the drive list and the folder tree to `dossier`.
    void ChoisirDossier(const QString& dossier);

    void ButtonRechercherClick();
    void ButtonStopClick();
    void ButtonOuvrirClick();
    bool EnRecherche() const { return enRecherche_; }
    // The engine, whose events a test may follow (the window sets its file
    // and finish events, not the folder change).
    FindFile& Moteur() { return moteur_; }

signals:
    void RechercheTerminee();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void creerListes();
    void creerBoutons();
    void remplirLecteurs();
    void DriveComboBoxChange();
    void afficherChemin(const QString& chemin);
    void afficherNombre();
    void fichierTrouve(const QString& dossier, const QString& nom);
    void finRecherche();
    void trierColonne(int colonne);

    QFileSystemModel* dossiers_ = nullptr;
    FiltreVolume* filtre_ = nullptr;
    FindFile moteur_;
    std::thread travail_;
    bool enRecherche_ = false;
    int colonneTri_ = -1;
    Qt::SortOrder ordreTri_ = Qt::AscendingOrder;
};
