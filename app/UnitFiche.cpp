#include "app/UnitFiche.h"

#include "app/IniFile.h"
#include "app/UnitFileUtil.h"
#include "app/UnitOptionsFiche.h"
#include "kit/Dialogues.h"
#include "kit/FormStorage.h"
#include "resources/UnitChainesRessources.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QToolTip>

TFiche::TFiche(QWidget* parent) : QMainWindow(parent)
{
    Creer();
}

TFiche::~TFiche()
{
    Detruire();
}

void TFiche::Creer()
{
    if (!InstallerPolice())
        Afficher(MessageSimple(IconeMessage::Avertissement, {Chaines::Texte("MsgPoliceAbsente")}), this);
    QApplication::setFont(PoliceProgramme());
    setFont(PoliceProgramme());
    QToolTip::setFont(PoliceProgramme());

    if (!PreparerFichierIni())
        Afficher(MessageSimple(IconeMessage::Avertissement, {Chaines::Texte("MsgFichierIniAbsent")}), this);

    // The filter installed last runs first: "Options" is restored before
    // "MainForm", so that "MainForm" wins.
    FormStorage_ = new FormStorage(this, QStringLiteral("MainForm"));
    OptionsStorage_ = new FormStorage(this, QStringLiteral("Options"));
    FormStorage_->SetIniFileName(FichierIni());
    OptionsStorage_->SetIniFileName(FichierIni());

    setWindowTitle(Chaines::Texte("TitreApplication"));
    resize(442, 334);
    CreerMenus();
}

void TFiche::CreerMenus()
{
    MenuFichier = menuBar()->addMenu(Chaines::Texte("MenuFichier"));
    MenuFichierQuitter = MenuFichier->addAction(Chaines::Texte("MenuFichierQuitter"));
    connect(MenuFichierQuitter, &QAction::triggered, this, &TFiche::MenuFichierQuitterClick);
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
    const OptionsFiche o = LireOptionsFiche(ini);
    MRU.FixerCapacite(o.NombreFichiers);
    MRU.Charger(ini);
    MRU.RetirerAbsents();
    TailleLibre = o.TailleLibre;
    FigerMRU = o.FigerMRU;
    AfficherVitesse = o.AfficherVitesse;
    AfficherAcceleration = o.AfficherAcceleration;
    ConfirmerFermeture = o.ConfirmerFermeture;
}

void TFiche::closeEvent(QCloseEvent* e)
{
    // The placement storages have already saved on the close request.
    e->accept();
}

void TFiche::MenuFichierQuitterClick()
{
    close();
}

void TFiche::Detruire()
{
    FormStorage_->EnregistrerADestruction();
    OptionsStorage_->EnregistrerADestruction();
    if (FichierIni().isEmpty()) return;
    IniFile ini(FichierIni());
    bool ok = ini.WriteString(QStringLiteral("MainForm"), QStringLiteral("Directory"), RepertoireCourant);
    ok = ok && MRU.Enregistrer(ini);
    if (!ok) Afficher(MessageSimple(IconeMessage::Avertissement, {ini.Erreur()}));
}
