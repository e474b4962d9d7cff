#pragma once
// The main window: the frame view in a scroll box, the command bar of twelve
// buttons, the three status bars and the main menu. Its commands are split by
// concern over UnitFiche*.cpp.

#include "app/UnitFenetreAide.h"
#include "app/UnitFichiersRecents.h"
#include "measure/UnitEtatMesure.h"

#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <array>
#include <cstdint>
#include <memory>

class Dialogues;
class FenetresFiche;
class FormStorage;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QScrollArea;
class QToolButton;
class TDCAVIPlay;
struct TResultatsSeries;
class TMesure;
class TOptions;
class TravailleurSuivi;
struct EtapeSuivi;
struct Message;
struct Travail;
enum class TVueResultats;

class TFiche : public QMainWindow {
    Q_OBJECT
public:
    // The windows it opens and the dialog seam are the program's; the main
    // window only uses them.
    TFiche(FenetresFiche& fenetres, Dialogues& dialogues);
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
    // The program's arguments, without the program itself: exactly one is
    // loaded as a work file when the window is first shown.
    QStringList Arguments;

    // The current view; never null while the window exists.
    TDCAVIPlay& Vue() const { return *Vue_; }

    // The recent-file entries of the File menu, newest first.
    const QList<QAction*>& EntreesMRU() const { return entreesMRU_; }

    // Layout and enabling (UnitFicheDisposition.cpp).
    void CreerVue();
    void DetruireVue();
    void RDim();
    void AppliquerZoom(int niveau);
    void ActiverCommandes(bool b);
    void ActiverLecture(bool b);
    void ActiverOutils(bool b);
    void ActiverZoom(bool b);

    // File commands (UnitFicheFichiers.cpp).
    enum class Commande { Ouvrir, Charger };
    void OuvrirChargerClick(Commande c);
    void OuvrirVideo(const QString& chemin);
    void ChargerTravail(const QString& chemin);
    void AjouterFichierRecent(const QString& chemin);
    void ReconstruireMRU();
    void MRUClick(const QString& chemin);
    void MenuFichierRechercherClick();
    void ChoisirFichierTrouve(const QString& dossier, const QString& nom);
    // True when the work file was written.
    bool MenuFichierEnregistrerWClick();
    // The closing question when the measurement changed since it was opened,
    // loaded or saved: true when the command may go on (saved, or the user
    // chose to leave it).
    bool PeutQuitterMesure();
    void MenuFichierQuitterClick();

    // Work files (UnitFicheTravail.cpp).
    Travail TravailCourant() const;
    void AppliquerTravail(const Travail& t);

    // Measuring commands (UnitFicheMesures.cpp).
    void SpeedButtonMarqueClick();
    void SpeedButtonEtalonClick();
    void SpeedButtonOrigineClick();
    void SpeedButtonTransparentClick();
    void MenuAffichageClick();
    void MenuAffichageCouleurClick();
    void MenuAffichageDerniereImagePointeeClick();
    void MenuMesuresClick();
    void MenuMesuresMarqueParImageClick(int n);
    void MenuAideProprietesClick();

    // Undo and redo (UnitFicheAnnulation.cpp); a run of tracking under way
    // ends first and is undone whole.
    void MenuMesuresAnnulerClick();
    void MenuMesuresRefaireClick();

    // Turned axes and the plane seen in perspective (UnitFicheCalibration.cpp).
    void MenuMesuresAxesClick();
    void MenuMesuresPlanClick(); // then the four corners are clicked on the view
    void MenuMesuresRetirerPlanClick();

    // Automatic tracking (UnitFicheSuivi.cpp): from the last frame with all
    // its points marked, on a worker, marks placed frame by frame as they come.
    void MenuMesuresSuiviClick();
    bool SuiviEnCours() const { return suiviEnCours_; }
    // Escape: ends the run under way, keeping its marks.
    void ArreterSuivi();
    // "Smazat značky od tohoto snímku": the marks of the frame shown and after it, as one step.
    void MenuMesuresEffacerDepuisClick();

    // Options, help page and about box (UnitFicheOptions.cpp).
    void MenuAffichageOptionsClick();
    void MenuAideAideKinotabClick();
    // How the help page reaches the browser; tests put an opener that fails.
    OuvreurPage OuvrirPage = OuvrirDansLeNavigateur;
    // The help page in the program's own window (when no browser showed it).
    void MontrerAide(const QUrl& page);
    TFenetreAide* FenetreAide() const { return fenetreAide_; }
    void MenuAideAproposClick();
    // Key handling; true when the key was used.
    bool FrappeClavier(QKeyEvent* e);

    // Results command (UnitFicheResultats.cpp).
    void MenuResultatsItemClick(TVueResultats vue);
    // The masses with g, and the user's quantities (UnitFicheGrandeurs.cpp).
    void MenuResultatsMassesClick();
    void MenuResultatsGrandeurClick();

signals:
    // A run of automatic tracking has ended, whatever ended it.
    void SuiviTermine();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;

private:
    // The series of the measurement, computed for checking a formula, when
    // it has all the results need; otherwise null (UnitFicheGrandeurs.cpp).
    const TResultatsSeries* SeriesPourGrandeurs();
    void Creer();
    void Montrer();
    void Detruire();
    void CreerMenus();
    void CreerBarreCommande();
    void CreerScrollBox();
    void CreerStatusBars();
    void BrancherBarreCommande();
    void BrancherMenusMesures();
    void BrancherMenusResultats();
    void BrancherOptionsEtAide();
    // The undo, redo and tracking items of the Measures menu.
    void CreerMenusAnnulation();
    // The tracking option and the erasing from a frame, after the tracking item.
    void CreerMenusSuivi();
    // Their captions and enabling, from the history.
    void MettreAJourAnnulation();
    void EtapeSuivie(const EtapeSuivi& e);
    // Ends the run, saying why on the hint line.
    void TerminerSuivi(const QString& ligne);
    // Asks for the password when one locks the options; true to go on.
    bool DeverrouillerOptions(const TOptions& options);
    void FormClose(QCloseEvent* e);
    // Closes every other window of the program (a running search stops).
    void FermerFenetresSecondaires();
    void BrancherVue();
    // Puts the view in a tool's mode.
    void ChoisirOutil(void (TMesure::*mode)(bool), const char* hint, bool lecture);
    void OnChangeNumeroImage();
    // Sets the tool buttons, ticks, counter and cursor pictures from the measurement.
    void OnChangeMesure();
    void OnChangeEtalon();
    // The plane's four corners are clicked: checked, then the rectangle's size asked for.
    void OnCoinsPlan();
    void CreerMenusCalibration();
    // Once the clicking of corners has ended, the tool's own hint again.
    void SuivreCoinsPlan();
    void OuvrirDemandes();
    enum class ReponseFermeture { Konec, Ulozit, Zrusit };
    ReponseFermeture DemanderFermeture();
    bool MesureModifiee() const;
    void SansVideo();
    // The one-time notice about a variable rate or a slow-motion recording.
    void AvertirVideo();
    void ChoisirRotation(int degres);
    void MontrerRotation();
    void ChoisirChamps(bool champs);
    // "Not opened" with the line saying why.
    void SignalerVideoEndommagee(const QString& premiereLigne);
    void ApresChargement();

    // Shows a message through the dialog seam, over this window by default.
    int Afficher(const Message& m, QWidget* parent = nullptr);
    void information(const char* ligne);

    // Controls. Tests find them by their object names, which are their field
    // names (the turns: MenuAffichageRotation0 to MenuAffichageRotation270).
    QWidget* Client = nullptr;
    QScrollArea* ScrollBox = nullptr;
    QWidget* PanelBarreCommande = nullptr;
    QLabel* StatusBar1 = nullptr;
    QLabel* StatusBar2 = nullptr;
    QLabel* StatusBar3 = nullptr;
    QToolButton* SpeedButtonLecture = nullptr;
    QToolButton* SpeedButtonPause = nullptr;
    QToolButton* SpeedButtonRetour = nullptr;
    QToolButton* SpeedButtonPrecedent = nullptr;
    QToolButton* SpeedButtonSuivant = nullptr;
    QToolButton* SpeedButtonAvance = nullptr;
    QToolButton* SpeedButtonMarque = nullptr;
    QToolButton* SpeedButtonEtalon = nullptr;
    QToolButton* SpeedButtonOrigine = nullptr;
    QToolButton* SpeedButtonTransparent = nullptr;
    QToolButton* SpeedButtonZoomPlus = nullptr;
    QToolButton* SpeedButtonZoomMoins = nullptr;

    QMenu* MenuFichier = nullptr;
    QAction* MenuFichierOuvrir = nullptr;
    QAction* MenuFichierRechercher = nullptr;
    QAction* MenuFichierChargerW = nullptr;
    QAction* MenuFichierEnregistrerW = nullptr;
    QAction* MenuFichierQuitter = nullptr;
    QMenu* MenuAffichage = nullptr;
    QAction* MenuAffichageCurseurNoir = nullptr;
    QAction* MenuAffichageCurseurBlanc = nullptr;
    QAction* MenuAffichageCurseurNB = nullptr;
    QAction* MenuAffichageCouleur = nullptr;
    QAction* MenuAffichageCacherImage = nullptr;
    QAction* MenuAffichageLoupe = nullptr;
    QAction* MenuAffichageDessinerDerniereMarque = nullptr;
    QAction* MenuAffichageDessinerToutesLesMarques = nullptr;
    QAction* MenuAffichageDerniereImagePointee = nullptr;
    QAction* MenuAffichageEffacerLesMarques = nullptr;
    QAction* MenuAffichageEffacerLeTransparent = nullptr;
    QAction* MenuAffichageEffacerTout = nullptr;
    QAction* MenuAffichageOptions = nullptr;
    QMenu* MenuAffichageRotation = nullptr;
    std::array<QAction*, 4> MenuAffichageRotations{}; // 0, 90, 180, 270 degrees
    QAction* MenuAffichageChamps = nullptr;           // each field of an interlaced video a frame
    QMenu* MenuMesures = nullptr;
    QAction* MenuMesuresUneMarqueParImage = nullptr;
    QAction* MenuMesuresDeuxMarquesParImage = nullptr;
    QAction* MenuMesuresTroisMarquesParImage = nullptr;
    QAction* MenuMesuresAxeVersLeBas = nullptr;
    QAction* MenuMesuresAxes = nullptr;
    QAction* MenuMesuresPlan = nullptr;
    QAction* MenuMesuresRetirerPlan = nullptr;
    QAction* MenuMesuresAnnuler = nullptr;
    QAction* MenuMesuresRefaire = nullptr;
    QAction* MenuMesuresSuivi = nullptr;
    QAction* MenuMesuresSuivreAuRepos = nullptr; // checked: a run goes on when the point rests
    QAction* MenuMesuresEffacerDepuis = nullptr;
    QMenu* MenuResultats = nullptr;
    QAction* MenuResultatsTableauDesValeurs = nullptr;
    QAction* MenuResultatsVariationsEnFonctionDuTemps = nullptr;
    QAction* MenuResultatsTrajectoireDansUnReferentiel = nullptr;
    QAction* MenuResultatsRepresentationDesVecteurs = nullptr;
    QAction* MenuResultatsMasses = nullptr;
    QAction* MenuResultatsGrandeur = nullptr;
    QMenu* MenuAide = nullptr;
    QAction* MenuAideAideKinotab = nullptr;
    QAction* MenuAideProprietes = nullptr;
    QAction* MenuAideApropos = nullptr;
    QList<QAction*> entreesMRU_;
    // Gives the controls made without a name their field names.
    void NommerControles();

    FenetresFiche& fenetres_;
    Dialogues& dialogues_;
    TDCAVIPlay* Vue_ = nullptr; // owned by ScrollBox
    // The work file the measurement was last loaded from or saved to; empty
    // for a video opened as it is.
    QString cheminTravail_;
    TFenetreAide* fenetreAide_ = nullptr; // made at its first use, a child window
    // The measurement as it was last opened, loaded or saved.
    EtatMesure mesureEnregistree_;
    // The display choices a new view takes over from the one it replaces.
    struct ChoixConserves {
        bool AxeVersLeBas = false;
        bool CacherImage = false;
        bool Loupe = false;
    } choixConserves_;
    FormStorage* FormStorage_ = nullptr;
    FormStorage* OptionsStorage_ = nullptr;
    QAction* SeparateurMRU = nullptr;
    bool montree_ = false;
    bool enDisposition_ = false;
    QSet<QString> videosAvisees_; // videos whose notice was shown
    // The tracking worker of the last run (finished ones are kept until the next).
    std::unique_ptr<TravailleurSuivi> suivi_;
    bool suiviEnCours_ = false;
    bool coinsPlan_ = false;   // the hint asks for the plane's corners
    int marquesAttendues_ = 0; // marks the run has placed so far, with those before it
};
