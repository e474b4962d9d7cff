#pragma once
// The results window: the table of values, graphs against time, trajectories
// and vectors of one measurement, with their menus and exports. Created once
// at start, shown modally by the main window after each computation.
//
// Split by concern: the window, its layout and view activations here
// (UnitResultats.cpp); the menus and recomputations (UnitResultatsMenus.cpp);
// the table view and the text export (UnitResultatsTableau.cpp); one file for
// each graphical view (UnitResultatsTemps/Trajectoire/Vecteurs.cpp).

#include "core/UnitEcriture.h"
#include "kinematics/UnitAjustementSeries.h"
#include "results/UnitModeleResultats.h"
#include "results/UnitVueTemps.h"
#include "results/UnitVuesGraphe.h"

#include <QDialog>
#include <QImage>
#include <optional>

enum class IconeMessage;
class Dialogues;
class FormStorage;
class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTableView;
class TBoiteTemps;
class TImprimer;
class TGraphPlus;
class TModeleGrille;
class TUpDown;
class QLineEdit;
class QRubberBand;
class QToolButton;
class TPanneauAjustement;

// The four views, one shown at a time.
enum class TVueResultats { Tableau, Temps, Trajectoire, Vecteurs };

class TResultats : public QDialog {
    Q_OBJECT
public:
    // The time-step dialog holds the time step of the series; the print
    // window prints the graphs; the dialogs go through `dialogues`; the
    // placement is kept in the settings file `fichierIni`.
    TResultats(TBoiteTemps& boiteTemps, TImprimer& imprimer, Dialogues& dialogues, const QString& fichierIni);
    ~TResultats() override;

    TModeleResultats& Modele() { return modele_; }
    const TResultatsSeries& Series() const { return modele_.Series(); }

    // Replaces the results from a measurement (smoothing as the Calculs menu says).
    CodeResultat CalculerResultats(const TEntreesSeries& mesure, bool afficherVitesse, bool afficherAcceleration);

    // The view flags; at most one is set.
    std::optional<TVueResultats> Vue() const { return vue_; }
    bool VueTableau() const { return vue_ == TVueResultats::Tableau; }
    bool VueTemps() const { return vue_ == TVueResultats::Temps; }
    bool VueTrajectoire() const { return vue_ == TVueResultats::Trajectoire; }
    bool VueVecteurs() const { return vue_ == TVueResultats::Vecteurs; }

    // View activations: each selects its view and sets the window up for it.
    // The graphs view refuses a single mark and the vectors view results
    // without velocities or accelerations: then nothing changes (the view
    // shown stays selected) and false is returned.
    bool AfficherTableau();
    bool AfficherGraphes();
    bool AfficherTrajectoire();
    bool AfficherVecteurs();
    bool Afficher(TVueResultats vue);

    // The file the results come from (work file or video): a print is named after it.
    void FixerDocument(const QString& chemin) { document_ = chemin; }

    // The smoothing, the time step and the time base in use. The hint line
    // keeps the whole status bar: this text is its tooltip, and follows the
    // view's caption in the title when it fits there whole.
    const QString& TexteEtat() const { return etat_; }

    // Redraws the current graphical view from its two choice lists.
    void ComboBoxChange();
    // Lays the window out for the current view.
    void RDim();

    // Controls.
    QMenuBar* MainMenu1 = nullptr;
    QWidget* Client = nullptr;
    QWidget* PanelEchelle = nullptr;
    QWidget* PanelChoix = nullptr;
    QLabel* LabelChoix1 = nullptr;
    QComboBox* ComboBoxChoix1 = nullptr;
    QComboBox* ComboBoxChoix2 = nullptr;
    QLabel* LabelChoix2 = nullptr;
    QToolButton* SpeedButtonEchelle = nullptr;
    QLabel* LabelEchelle1 = nullptr;
    QLabel* Fleche = nullptr;
    QLabel* LabelEchelle2 = nullptr;
    QLineEdit* EditEchelle = nullptr;
    TUpDown* UpDownEchelle = nullptr;
    QLabel* LabelEchelle3 = nullptr;
    QLabel* LabelEchelle4 = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* TexteStatusBar = nullptr;
    QTableView* DBGrid = nullptr;
    TGraphPlus* Graphe = nullptr;

    QMenu* MenuFichier = nullptr;
    QAction* MenuFichierEnregistrer = nullptr;
    QAction* MenuFichierImprimer = nullptr;
    QAction* MenuFichierQuitter = nullptr;
    QMenu* MenuEdition = nullptr;
    QAction* MenuEditionCopierDansLePressePapier = nullptr;
    QMenu* MenuAffichage = nullptr;
    QAction* MenuAffichageZoomX = nullptr;
    QAction* MenuAffichageZoomY = nullptr;
    QAction* MenuAffichageDessinerUneCourbe = nullptr;
    QAction* MenuAffichageNumeroterLesPoints = nullptr;
    QAction* MenuAffichageValeurs = nullptr;
    QAction* MenuAffichageVitesse = nullptr;
    QAction* MenuAffichageAcceleration = nullptr;
    QAction* MenuAffichageIncertitudes = nullptr;
    QAction* MenuAffichageMarques = nullptr;
    QMenu* MenuCalculs = nullptr;
    QAction* MenuCalculsTempsEntreDeuxImages = nullptr;
    QAction* MenuCalculsLisserLesResultats = nullptr;
    QMenu* MenuResultats = nullptr;
    QAction* MenuResultatsTableau = nullptr;
    QAction* MenuResultatsTemps = nullptr;
    QAction* MenuResultatsReferentiel = nullptr;
    QAction* MenuResultatsVecteur = nullptr;
    QMenu* MenuProlozeni = nullptr;
    QAction* MenuProlozeniProlozit = nullptr;
    QAction* MenuProlozeniZrusit = nullptr;
    TPanneauAjustement* PanneauAjustement = nullptr;
    QLabel* BandeResidus = nullptr; // the residuals under the graph

    // The fits kept with the measurement (one a quantity and point), as the
    // main window hands them in and reads them back.
    const std::vector<TDemandeAjustement>& Ajustements() const { return ajustements_; }
    void PoserAjustements(std::vector<TDemandeAjustement> a);
    // The fit of the graph shown, when there is one (UnitResultatsAjustement.cpp).
    const TResultatAjustement* AjustementAffiche() const;
    // "Proložit křivku…": the panel beside the graph, then a fit with its choices.
    void MenuProlozitClick();
    void MenuZrusitClick();
    // Fits the graph's quantity and point with the panel's choices.
    void Prolozit();

    // Background colours of a graphical view (the print restores them).
    static VuesGraphe::Fond FondVue(TVueResultats vue);

    // Commands of the menus (UnitResultatsMenus.cpp, UnitResultatsTableau.cpp).
    void MenuFichierEnregistrerClick();
    // The current graph on a white background, handed to the print window
    // (UnitResultatsImpression.cpp).
    void MenuFichierImprimerClick();
    void MenuEditionCopierClick();
    void MenuAffichageVitesseClick();
    void MenuAffichageAccelerationClick();
    void MenuAffichageIncertitudesClick();
    void MenuAffichageMarquesClick();
    void MenuCalculsTempsEntreDeuxImagesClick();
    void MenuCalculsLisserLesResultatsClick();
    void MenuResultatsClick(TVueResultats vue);
    void MenuAffichageOptionsClick(); // zoom, line, numbers, values
    void SpeedButtonEchelleClick();
    // One click of the scale's up-down: false when the graph refuses the value.
    bool UpDownEchelleChangingEx(int direction);

    // The picture of the current graphical view as it is saved: the graph
    // as last painted, with the scale legend in the vectors view.
    QImage ImageVue() const;

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    // UnitResultats.cpp
    void CreerPanneaux();
    void FormShow();
    // Selects the view and sets up what every view shares: caption, panels,
    // grid or graph, menus and hints.
    void Selectionner(TVueResultats vue);
    void PreparerGraphe(TVueResultats vue);
    void DisposerChoix(const QList<QWidget*>& ordre);
    // The caption of the view, with the state when the title bar holds both.
    void AfficherTitre();
    // The window's message box: one "&OK", no title; a failed write's cause
    // on a second line.
    void Signaler(IconeMessage icone, const char* ligne, const CauseEcriture& cause = {});

    // UnitResultatsMenus.cpp
    void CreerMenus();
    void AppliquerMenus(TVueResultats vue);
    void Rafraichir(CodeResultat code);

    // One file for each graphical view: its controls, its activation and
    // its part of ComboBoxChange.
    void PreparerTemps();
    VueTemps::Choix ChoixTemps() const; // the graph's quantity, point and options
    void DessinerTemps(TEtendue& e);
    void OptionsTemps();
    void PreparerTrajectoire();
    void DessinerTrajectoire(TEtendue& e);
    void OptionsTrajectoire();
    void CreerPanelEchelle();
    void PreparerVecteurs();
    void DessinerVecteurs(TEtendue& e);
    void OptionsVecteurs();
    void DisposerEchelle();
    void AfficherEchelle();
    // Refills a choice list without redrawing.
    static void Remplir(QComboBox* c, const QStringList& items);

    // UnitResultatsAjustement.cpp
    void CreerAjustement();
    void AppliquerAjustement();   // panel, residuals and menu items for the view and the fit
    void DessinerAjustement();    // over the graphs view, after its samples
    bool GlisserPlage(QEvent* e); // Shift-drag across the graph
    QStringList LignesAjustementAffiche() const;
    QStringList LignesAjustementsTableau() const;                     // every kept fit, under the table's text
    QStringList LignesAjustement(const TResultatAjustement& a) const; // with its title
    QString UniteQuantite(const std::string& nom) const;              // of a quantity of the table, "" for none
    int EchantillonsAjustes(const VueTemps::Choix& c) const;          // the samples of the graph's series
    int HauteurResidus() const;

    // UnitResultatsImage.cpp
    void EnregistrerImage();

    // UnitResultatsTableau.cpp
    void CreerGrille();
    void PreparerTableau();
    void RemplirTableau();
    void AppliquerColonnes();
    // The grid's widths of the columns from `premiere` on.
    void PoserLargeurs(int premiere);
    void EnregistrerTexte();
    QString Texte() const; // the table as exported

    TBoiteTemps& boiteTemps_;
    TImprimer& imprimer_;
    Dialogues& dialogues_;
    TModeleResultats modele_;
    TModeleGrille* grille_ = nullptr;
    FormStorage* formStorage_ = nullptr;
    std::optional<TVueResultats> vue_ = TVueResultats::Tableau;
    // The view the window was last set up for.
    TVueResultats disposition_ = TVueResultats::Tableau;
    QString document_;
    QString etat_;
    std::vector<TDemandeAjustement> ajustements_;
    // The last fit computed, for the request it was computed from; dropped
    // whenever the series change.
    std::optional<TResultatAjustement> ajustement_;
    TDemandeAjustement demandeCalculee_;
    QRubberBand* bande_ = nullptr;
    int debutBande_ = -1; // pixel x where a Shift-drag began, -1 without one
};
