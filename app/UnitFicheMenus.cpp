// The main window's controls: menus, command bar and status bars.

#include "app/UnitFiche.h"

#include "kit/Hint.h"
#include "kit/Mnemoniques.h"
#include "resources/UnitChainesRessources.h"
#include "resources/UnitGlyphes.h"

#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QToolButton>

namespace {

QAction* action(QMenu* menu, const char* nom)
{
    QAction* a = menu->addAction(Chaines::Texte(nom));
    a->setObjectName(QString::fromLatin1(nom));
    return a;
}

} // namespace

void TFiche::CreerMenus()
{
    MenuFichier = menuBar()->addMenu(Chaines::Texte("MenuFichier"));
    MenuFichierOuvrir = action(MenuFichier, "MenuFichierOuvrir");
    MenuFichierRechercher = action(MenuFichier, "MenuFichierRechercher");
    MenuFichier->addSeparator();
    MenuFichierChargerW = action(MenuFichier, "MenuFichierChargerW");
    MenuFichierEnregistrerW = action(MenuFichier, "MenuFichierEnregistrerW");
    MenuFichier->addSeparator();
    MenuFichierQuitter = action(MenuFichier, "MenuFichierQuitter");
    SeparateurMRU = MenuFichier->addSeparator();
    SeparateurMRU->setVisible(false);
    connect(MenuFichierOuvrir, &QAction::triggered, this, [this] { OuvrirChargerClick(Commande::Ouvrir); });
    connect(MenuFichierChargerW, &QAction::triggered, this, [this] { OuvrirChargerClick(Commande::Charger); });
    connect(MenuFichierRechercher, &QAction::triggered, this, &TFiche::MenuFichierRechercherClick);
    connect(MenuFichierEnregistrerW, &QAction::triggered, this, &TFiche::MenuFichierEnregistrerWClick);
    connect(MenuFichierQuitter, &QAction::triggered, this, &TFiche::MenuFichierQuitterClick);

    MenuAffichage = menuBar()->addMenu(Chaines::Texte("MenuAffichage"));
    MenuAffichageCurseurNoir = action(MenuAffichage, "MenuAffichageCurseurNoir");
    MenuAffichageCurseurBlanc = action(MenuAffichage, "MenuAffichageCurseurBlanc");
    MenuAffichageCurseurNB = action(MenuAffichage, "MenuAffichageCurseurNB");
    auto* groupeCurseur = new QActionGroup(this);
    for (QAction* a : {MenuAffichageCurseurNoir, MenuAffichageCurseurBlanc, MenuAffichageCurseurNB}) {
        a->setCheckable(true);
        groupeCurseur->addAction(a);
    }
    MenuAffichageCurseurNB->setChecked(true);
    MenuAffichage->addSeparator();
    MenuAffichageCouleur = action(MenuAffichage, "MenuAffichageCouleur");
    MenuAffichageCacherImage = action(MenuAffichage, "MenuAffichageCacherImage");
    MenuAffichageCacherImage->setCheckable(true);
    MenuAffichageLoupe = action(MenuAffichage, "MenuAffichageLoupe");
    MenuAffichageLoupe->setCheckable(true);
    MenuAffichageLoupe->setShortcut(QKeySequence(Qt::Key_L));
    MenuAffichage->addSeparator();
    MenuAffichageDessinerDerniereMarque = action(MenuAffichage, "MenuAffichageDessinerDerniereMarque");
    MenuAffichageDessinerToutesLesMarques = action(MenuAffichage, "MenuAffichageDessinerToutesLesMarques");
    auto* groupeDessin = new QActionGroup(this);
    for (QAction* a : {MenuAffichageDessinerDerniereMarque, MenuAffichageDessinerToutesLesMarques}) {
        a->setCheckable(true);
        groupeDessin->addAction(a);
    }
    MenuAffichageDessinerDerniereMarque->setChecked(true);
    MenuAffichage->addSeparator();
    MenuAffichageDerniereImagePointee = action(MenuAffichage, "MenuAffichageDerniereImagePointee");
    MenuAffichageRotation = MenuAffichage->addMenu(Chaines::Texte("MenuAffichageRotation"));
    MenuAffichageRotation->menuAction()->setObjectName(QStringLiteral("MenuAffichageRotation"));
    auto* groupeRotation = new QActionGroup(this);
    const char* rotations[] = {"MenuAffichageRotation0", "MenuAffichageRotation90", "MenuAffichageRotation180",
                               "MenuAffichageRotation270"};
    for (int q = 0; q < 4; ++q) {
        QAction* a = action(MenuAffichageRotation, rotations[q]);
        a->setCheckable(true);
        groupeRotation->addAction(a);
        connect(a, &QAction::triggered, this, [this, q] { ChoisirRotation(90 * q); });
        MenuAffichageRotations[std::size_t(q)] = a;
    }
    MenuAffichageChamps = action(MenuAffichage, "MenuAffichageChamps");
    MenuAffichageChamps->setCheckable(true);
    connect(MenuAffichageChamps, &QAction::triggered, this, &TFiche::ChoisirChamps);
    // An AVI tells it is interlaced only once a picture is decoded.
    connect(MenuAffichage, &QMenu::aboutToShow, this, &TFiche::MontrerRotation);
    MenuAffichage->addSeparator();
    MenuAffichageEffacerLesMarques = action(MenuAffichage, "MenuAffichageEffacerLesMarques");
    MenuAffichageEffacerLeTransparent = action(MenuAffichage, "MenuAffichageEffacerLeTransparent");
    MenuAffichageEffacerTout = action(MenuAffichage, "MenuAffichageEffacerTout");
    MenuAffichage->addSeparator();
    MenuAffichageOptions = action(MenuAffichage, "MenuAffichageOptions");

    MenuMesures = menuBar()->addMenu(Chaines::Texte("MenuMesures"));
    MenuMesuresUneMarqueParImage = action(MenuMesures, "MenuMesuresUneMarqueParImage");
    MenuMesuresDeuxMarquesParImage = action(MenuMesures, "MenuMesuresDeuxMarquesParImage");
    MenuMesuresTroisMarquesParImage = action(MenuMesures, "MenuMesuresTroisMarquesParImage");
    auto* groupeMarques = new QActionGroup(this);
    for (QAction* a : {MenuMesuresUneMarqueParImage, MenuMesuresDeuxMarquesParImage, MenuMesuresTroisMarquesParImage}) {
        a->setCheckable(true);
        groupeMarques->addAction(a);
    }
    MenuMesuresUneMarqueParImage->setChecked(true);
    MenuMesures->addSeparator();
    MenuMesuresAxeVersLeBas = action(MenuMesures, "MenuMesuresAxeVersLeBas");
    MenuMesuresAxeVersLeBas->setCheckable(true);
    CreerMenusCalibration();
    CreerMenusAnnulation();

    MenuResultats = menuBar()->addMenu(Chaines::Texte("MenuResultats"));
    MenuResultatsTableauDesValeurs = action(MenuResultats, "MenuResultatsTableauDesValeurs");
    MenuResultatsVariationsEnFonctionDuTemps = action(MenuResultats, "MenuResultatsVariationsEnFonctionDuTemps");
    MenuResultatsTrajectoireDansUnReferentiel = action(MenuResultats, "MenuResultatsTrajectoireDansUnReferentiel");
    MenuResultatsRepresentationDesVecteurs = action(MenuResultats, "MenuResultatsRepresentationDesVecteurs");
    MenuResultats->addSeparator();
    MenuResultatsMasses = action(MenuResultats, "MenuResultatsMasses");
    MenuResultatsGrandeur = action(MenuResultats, "MenuResultatsGrandeur");

    MenuAide = menuBar()->addMenu(Chaines::Texte("MenuAide"));
    MenuAideAideKinotab = action(MenuAide, "MenuAideAideKinotab");
    MenuAideProprietes = action(MenuAide, "MenuAideProprietes");
    MenuAide->addSeparator();
    MenuAideApropos = action(MenuAide, "MenuAideApropos");

    MenuFichierOuvrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    MenuFichierEnregistrerW->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuFichierQuitter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    MenuAideAideKinotab->setShortcut(QKeySequence(Qt::Key_F1));
    PoserMnemoniques(menuBar());

    BrancherMenusMesures();
    BrancherMenusResultats();
    BrancherOptionsEtAide();
}

void TFiche::CreerBarreCommande()
{
    PanelBarreCommande = new QWidget(Client);
    PanelBarreCommande->setFixedSize(360, 30);
    struct Def {
        QToolButton** bouton;
        Glyphe glyphe;
        const char* hint;
    };
    const Def defs[] = {
        {&SpeedButtonLecture, Glyphe::Lecture, "HintLecture"},
        {&SpeedButtonPause, Glyphe::Pause, "HintPause"},
        {&SpeedButtonRetour, Glyphe::Retour, "HintRetour"},
        {&SpeedButtonPrecedent, Glyphe::Precedent, "HintPrecedent"},
        {&SpeedButtonSuivant, Glyphe::Suivant, "HintSuivant"},
        {&SpeedButtonAvance, Glyphe::Avance, "HintAvance"},
        {&SpeedButtonMarque, Glyphe::Marque, "HintMarque"},
        {&SpeedButtonEtalon, Glyphe::Etalon, "HintEtalon"},
        {&SpeedButtonOrigine, Glyphe::Origine, "HintOrigine"},
        {&SpeedButtonTransparent, Glyphe::Transparent, "HintTransparent"},
        {&SpeedButtonZoomPlus, Glyphe::ZoomPlus, "HintZoomPlus"},
        {&SpeedButtonZoomMoins, Glyphe::ZoomMoins, "HintZoomMoins"},
    };
    int x = 0;
    for (const Def& d : defs) {
        auto* b = new QToolButton(PanelBarreCommande);
        b->setGeometry(x, 0, 30, 30);
        b->setIcon(IconeGlyphe(d.glyphe));
        b->setIconSize(QSize(22, 22));
        b->setAutoRaise(false);
        // Keys go to the main window, never to a button.
        b->setFocusPolicy(Qt::NoFocus);
        PoserHint(b, Chaines::Texte(d.hint));
        b->setAccessibleName(PartieCourte(Chaines::Texte(d.hint)));
        *d.bouton = b;
        x += 30;
    }
    // The four tools are exclusive; the marks tool is down at start.
    for (QToolButton* b : {SpeedButtonMarque, SpeedButtonEtalon, SpeedButtonOrigine, SpeedButtonTransparent})
        b->setCheckable(true);
    SpeedButtonMarque->setChecked(true);
    BrancherBarreCommande();
}

void TFiche::CreerScrollBox()
{
    ScrollBox = new QScrollArea(Client);
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(false);
    ScrollBox->setFocusPolicy(Qt::NoFocus);
    QPalette noir = ScrollBox->palette();
    noir.setColor(QPalette::Window, Qt::black);
    ScrollBox->setPalette(noir);
    ScrollBox->setBackgroundRole(QPalette::Window);
}

void TFiche::CreerStatusBars()
{
    for (QLabel** l : {&StatusBar1, &StatusBar2, &StatusBar3}) {
        *l = new QLabel(Client);
        (*l)->setFrameShape(QFrame::Panel);
        (*l)->setFrameShadow(QFrame::Sunken);
        (*l)->setAutoFillBackground(true);
        // The client area is black; the bars keep the usual window colours,
        // set role by role so that they are not inherited from the client.
        QPalette couleurs = (*l)->palette();
        for (QPalette::ColorRole r : {QPalette::Window, QPalette::WindowText})
            couleurs.setColor(r, QApplication::palette().color(r));
        (*l)->setPalette(couleurs);
        (*l)->setIndent(2);
    }
}
