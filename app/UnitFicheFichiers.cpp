// File commands of the main window: open dialog, opening a video, the
// recent-files list, the search window's pick and quitting.

#include "app/UnitFiche.h"

#include "app/UnitFenetresFiche.h"
#include "app/UnitFileUtil.h"
#include "kit/Dialogues.h"
#include "kit/Hint.h"
#include "resources/UnitChainesRessources.h"
#include "search/UnitRecherche.h"
#include "media/FormatsVideo.h"
#include "view/UnitAviPlay.h"
#include "measure/UnitMesure.h"
#include "view/UnitTextesVideo.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

void TFiche::OuvrirChargerClick(Commande c)
{
    DemandeFichier d;
    d.repertoire = RepertoireCourant.isEmpty() ? DossierBureau() : RepertoireCourant;
    d.filtre = Chaines::Texte("FiltreOuvrirVideos").arg(MotifsVideo());
    d.indexFiltre = c == Commande::Ouvrir ? 1 : 2;
    d.titre = Chaines::Texte(c == Commande::Ouvrir ? "TitreOuvrirVideo" : "TitreChargerTravail");
    const auto choix = dialogues_.Ouvrir(d, this);
    if (!choix || !QFileInfo::exists(choix->chemin)) return;
    // The filter the user leaves selected decides, not the command.
    if (choix->indexFiltre == 1)
        OuvrirVideo(choix->chemin);
    else
        ChargerTravail(choix->chemin);
    AjouterFichierRecent(choix->chemin);
}

void TFiche::OuvrirVideo(const QString& chemin)
{
    if (!QFileInfo::exists(chemin)) {
        RDim();
        Afficher(MessageSimple(IconeMessage::Avertissement, {chemin + u'.', Chaines::Texte("MsgVideoDeplacee")}), this);
        return;
    }
    if (!PeutQuitterMesure()) return;
    RepertoireCourant = QFileInfo(chemin).absolutePath();
    DetruireVue();
    CreerVue();
    Vue_->SetFileName(chemin);
    if (!Vue_->Opened()) {
        SignalerVideoEndommagee(chemin + u'.');
        return;
    }
    ActiverCommandes(true);
    SpeedButtonMarqueClick();
    TMesure& m = Vue_->Mesure();
    m.SetMarquesParImage(1);
    m.SetCouleurCurseur(TCouleurCurseur::NoirEtBlanc);
    m.ChoisirToutesLesMarques(true);
    mesureEnregistree_ = m.Etat();
    AppliquerZoom(0);
    AvertirVideo();
}

void TFiche::SignalerVideoEndommagee(const QString& premiereLigne)
{
    RDim();
    const FrameSource& source = Vue_->Source();
    Afficher(MessageSimple(IconeMessage::Avertissement,
                           {premiereLigne, Chaines::Texte("MsgVideoEndommagee"),
                            RaisonEchec(source.DernierEchec(), source.DetailDernierEchec())}),
             this);
    SansVideo();
}

void TFiche::AvertirVideo()
{
    const QStringList avis = AvisVideo(Vue_->Source().Description(), Vue_->FrameTime());
    if (avis.isEmpty() || videosAvisees_.contains(Vue_->FileName())) return;
    videosAvisees_.insert(Vue_->FileName());
    Afficher(
        MessageSimple(IconeMessage::Information, QStringList{QFileInfo(Vue_->FileName()).fileName() + u'.'} + avis),
        this);
}

// The user's turn of the picture: the view's proportions follow it.
void TFiche::ChoisirRotation(int degres)
{
    if (!Vue_ || !Vue_->Opened()) return;
    Vue_->TournerImage(degres);
    RDim();
    AppliquerZoom(NiveauZoom);
    MontrerRotation();
}

void TFiche::MontrerRotation()
{
    const int degres = Vue_ && Vue_->Opened() ? Vue_->Source().Rotation() : 0;
    for (int q = 0; q < 4; ++q) MenuAffichageRotations[std::size_t(q)]->setChecked(90 * q == degres);
    const bool ouverte = Vue_ && Vue_->Opened();
    MenuAffichageChamps->setEnabled(ouverte && Vue_->Source().Entrelace() != Entrelacement::Aucun);
    MenuAffichageChamps->setChecked(ouverte && Vue_->Source().Champs());
}

void TFiche::ChoisirChamps(bool champs)
{
    if (!Vue_ || !Vue_->Opened()) return;
    if (!Vue_->CompterChamps(champs))
        Afficher(MessageSimple(IconeMessage::Avertissement, {Chaines::Texte("MsgChampsAvecMarques")}), this);
    MontrerRotation();
}

void TFiche::AjouterFichierRecent(const QString& chemin)
{
    if (MRU.Fichiers().contains(chemin)) return;
    if (FigerMRU || chemin.isEmpty() || !QFileInfo::exists(chemin)) return;
    MRU.Ajouter(chemin);
    ReconstruireMRU();
}

void TFiche::ReconstruireMRU()
{
    for (QAction* a : entreesMRU_) {
        MenuFichier->removeAction(a);
        delete a;
    }
    entreesMRU_.clear();
    SeparateurMRU->setVisible(!MRU.EstVide());
    for (int i = 0; i < MRU.Fichiers().size(); ++i) {
        const QString chemin = MRU.Fichiers()[i];
        auto* a = new QAction(ListeFichiersRecents::Legende(i, chemin), MenuFichier);
        PoserHint(a, chemin);
        connect(a, &QAction::triggered, this, [this, chemin] { MRUClick(chemin); });
        MenuFichier->addAction(a);
        entreesMRU_ << a;
    }
}

void TFiche::MRUClick(const QString& chemin)
{
    if (EstCheminVideo(chemin))
        OuvrirVideo(chemin);
    else if (QFileInfo(chemin).suffix().toLower() == QLatin1String("ktb"))
        ChargerTravail(chemin);
}

void TFiche::MenuFichierRechercherClick()
{
    TRecherche& recherche = fenetres_.Recherche();
    recherche.ChoixFichier = [this](const QString& dossier, const QString& nom) { ChoisirFichierTrouve(dossier, nom); };
    recherche.show();
    recherche.raise();
}

void TFiche::ChoisirFichierTrouve(const QString& dossier, const QString& nom)
{
    const QString chemin = dossier + nom;
    AjouterFichierRecent(chemin);
    MRUClick(chemin);
}
