#include "app/UnitFiche.h"

#include "core/IniFile.h"
#include "app/UnitFileUtil.h"
#include "resources/UnitPolice.h"
#include "app/UnitOptionsFiche.h"
#include "kit/Dialogues.h"
#include "kit/FormStorage.h"
#include "resources/UnitChainesRessources.h"
#include "media/FormatsVideo.h"
#include "view/UnitAviPlay.h"
#include "measure/UnitMesure.h"
#include "tracking/UnitTravailleurSuivi.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <utility>

TFiche::TFiche(FenetresFiche& fenetres, Dialogues& dialogues) : fenetres_(fenetres), dialogues_(dialogues)
{
    Creer();
}

TFiche::~TFiche()
{
    Detruire();
}

int TFiche::Afficher(const Message& m, QWidget* parent)
{
    return dialogues_.Afficher(m, parent ? parent : this);
}

void TFiche::information(const char* ligne)
{
    Afficher(MessageSimple(IconeMessage::Information, {Chaines::Texte(ligne)}));
}

void TFiche::Creer()
{
    setFont(PoliceProgramme());
    // The filter installed last runs first: "Options" is restored before
    // "MainForm", so that "MainForm" wins.
    FormStorage_ = new FormStorage(this, QStringLiteral("MainForm"), dialogues_);
    OptionsStorage_ = new FormStorage(this, QStringLiteral("Options"), dialogues_);
    FormStorage_->SetIniFileName(FichierIni());
    OptionsStorage_->SetIniFileName(FichierIni());

    setWindowTitle(Chaines::Texte("TitreApplication"));
    Client = new QWidget(this);
    Client->setAutoFillBackground(true);
    QPalette noir = Client->palette();
    noir.setColor(QPalette::Window, Qt::black);
    Client->setPalette(noir);
    setCentralWidget(Client);
    CreerMenus();
    CreerBarreCommande();
    CreerScrollBox();
    CreerStatusBars();
    NommerControles();
    CreerVue();
    OnChangeMesure();
    resize(442, 334 + menuBar()->sizeHint().height());
    ActiverCommandes(false);
}

void TFiche::NommerControles()
{
    const std::pair<QObject*, const char*> noms[] = {
        {ScrollBox, "ScrollBox"},
        {PanelBarreCommande, "PanelBarreCommande"},
        {StatusBar1, "StatusBar1"},
        {StatusBar2, "StatusBar2"},
        {StatusBar3, "StatusBar3"},
        {SpeedButtonLecture, "SpeedButtonLecture"},
        {SpeedButtonPause, "SpeedButtonPause"},
        {SpeedButtonRetour, "SpeedButtonRetour"},
        {SpeedButtonPrecedent, "SpeedButtonPrecedent"},
        {SpeedButtonSuivant, "SpeedButtonSuivant"},
        {SpeedButtonAvance, "SpeedButtonAvance"},
        {SpeedButtonMarque, "SpeedButtonMarque"},
        {SpeedButtonEtalon, "SpeedButtonEtalon"},
        {SpeedButtonOrigine, "SpeedButtonOrigine"},
        {SpeedButtonTransparent, "SpeedButtonTransparent"},
        {SpeedButtonZoomPlus, "SpeedButtonZoomPlus"},
        {SpeedButtonZoomMoins, "SpeedButtonZoomMoins"},
        {MenuFichier, "MenuFichier"},
        {MenuAffichage, "MenuAffichage"},
        {MenuMesures, "MenuMesures"},
        {MenuResultats, "MenuResultats"},
        {MenuAide, "MenuAide"},
    };
    for (const auto& [objet, nom] : noms) objet->setObjectName(QLatin1String(nom));
}

void TFiche::showEvent(QShowEvent* e)
{
    if (!montree_) {
        montree_ = true;
        Montrer();
    }
    QMainWindow::showEvent(e);
}

void TFiche::Montrer()
{
    const IniFile ini(FichierIni());
    NiveauZoom = 0;
    Echelle = -1;
    RepertoireCourant = ini.ReadString(QStringLiteral("MainForm"), QStringLiteral("Directory"));
    MenuMesuresSuivreAuRepos->setChecked(
        !ini.ReadString(QStringLiteral("Tracking"), QStringLiteral("AtRest")).isEmpty());
    const OptionsFiche o = LireOptionsFiche(ini);
    MRU.FixerCapacite(o.NombreFichiers);
    MRU.Charger(ini);
    MRU.RetirerAbsents();
    ReconstruireMRU();
    TailleLibre = o.TailleLibre;
    FigerMRU = o.FigerMRU;
    AfficherVitesse = o.AfficherVitesse;
    AfficherAcceleration = o.AfficherAcceleration;
    ConfirmerFermeture = o.ConfirmerFermeture;
    // Once the window is on screen, so that messages stand over it.
    QTimer::singleShot(0, this, &TFiche::OuvrirDemandes);
}

void TFiche::OuvrirDemandes()
{
    // A single argument is a work file, unless it names a video by its extension.
    if (Arguments.size() == 1) {
        if (EstCheminVideo(Arguments.first())) {
            OuvrirVideo(Arguments.first());
            AjouterFichierRecent(Arguments.first());
        } else {
            ChargerTravail(Arguments.first());
        }
        return;
    }
    // The demo video, started from README's first command.
    const QString video = qEnvironmentVariable("KINOTAB_OPEN_VIDEO");
    if (Arguments.isEmpty() && !video.isEmpty()) {
        OuvrirVideo(video);
        AjouterFichierRecent(video);
    }
}

void TFiche::closeEvent(QCloseEvent* e)
{
    // The placement storages have already saved on the close request; the
    // unused "Speed" key is written with them.
    if (!FichierIni().isEmpty()) {
        IniFile ini(FichierIni());
        if (!ini.WriteString(QStringLiteral("Options"), QStringLiteral("Speed"), QString()))
            Afficher(MessageSimple(
                         IconeMessage::Avertissement,
                         Chaines::AvecCause({Chaines::MessageEcritureIni(ini.Chemin())}, ini.CauseEchecEcriture())),
                     this);
    }
    FormClose(e);
    if (e->isAccepted()) FermerFenetresSecondaires();
}

void TFiche::FermerFenetresSecondaires()
{
    // The program ends with its main window. A secondary window left on
    // screen (the modeless file search above all) would keep it running, and
    // the settings unwritten, until the user found and closed it too.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible() && !w->close()) w->hide();
}

TFiche::ReponseFermeture TFiche::DemanderFermeture()
{
    Message m;
    m.icone = IconeMessage::Confirmation;
    m.titre = Chaines::Texte("TitreApplication");
    m.boutons = {Chaines::Texte("BoutonKonec"), Chaines::Texte("BoutonUlozit"), Chaines::Texte("BoutonZrusit")};
    m.lignes = {Chaines::Texte("LigneKonec"), Chaines::Texte("LigneUlozit"), Chaines::Texte("LigneZrusit")};
    switch (Afficher(m)) {
    case 0: return ReponseFermeture::Konec;
    case 1: return ReponseFermeture::Ulozit;
    default: return ReponseFermeture::Zrusit;
    }
}

bool TFiche::MesureModifiee() const
{
    return Vue_->Opened() && !MemesMesures(Vue_->Mesure().Etat(), mesureEnregistree_);
}

bool TFiche::PeutQuitterMesure()
{
    if (!MesureModifiee()) return true;
    switch (DemanderFermeture()) {
    case ReponseFermeture::Konec: return true;
    // A failed or cancelled save keeps the measurement.
    case ReponseFermeture::Ulozit: return MenuFichierEnregistrerWClick();
    case ReponseFermeture::Zrusit: break;
    }
    return false;
}

void TFiche::FormClose(QCloseEvent* e)
{
    // Unsaved measuring work is never thrown away without the question.
    if (!ConfirmerFermeture && !MesureModifiee()) {
        e->accept();
        return;
    }
    switch (DemanderFermeture()) {
    case ReponseFermeture::Konec: e->accept(); break;
    case ReponseFermeture::Ulozit:
        // Closing after a failed or cancelled save would throw the measurement
        // away; without a video there is nothing to lose.
        if (MenuFichierEnregistrerWClick() || !Vue_->Opened())
            e->accept();
        else
            e->ignore();
        break;
    case ReponseFermeture::Zrusit: e->ignore(); break;
    }
}

void TFiche::MenuFichierQuitterClick()
{
    close();
}

bool TFiche::event(QEvent* e)
{
    // The long part of the hint of whatever is under the pointer goes to the
    // hint line.
    if (e->type() == QEvent::StatusTip) {
        StatusBar1->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void TFiche::Detruire()
{
    FormStorage_->EnregistrerADestruction();
    OptionsStorage_->EnregistrerADestruction();
    if (!FichierIni().isEmpty()) {
        IniFile ini(FichierIni());
        bool ok = ini.WriteString(QStringLiteral("MainForm"), QStringLiteral("Directory"), RepertoireCourant);
        ok = ok &&
            ini.WriteString(QStringLiteral("Tracking"), QStringLiteral("AtRest"),
                            MenuMesuresSuivreAuRepos->isChecked() ? QStringLiteral("*") : QString());
        ok = ok && MRU.Enregistrer(ini);
        if (!ok)
            Afficher(MessageSimple(
                IconeMessage::Avertissement,
                Chaines::AvecCause({Chaines::MessageEcritureIni(ini.Chemin())}, ini.CauseEchecEcriture())));
    }
    DetruireVue();
}
