// Saving and loading work files from the main window, and the work file
// named on the command line.

#include "app/UnitFiche.h"

#include "app/UnitFileUtil.h"
#include "measure/UnitTravail.h"
#include "measure/UnitTravailImages.h"
#include "kit/Dialogues.h"
#include "resources/UnitChainesRessources.h"
#include "results/UnitTextesGrandeurs.h"
#include "media/FormatsVideo.h"
#include "view/UnitAviPlay.h"
#include "measure/UnitMesure.h"

#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QToolButton>
#include <utility>

namespace {

QChar separateurDecimal()
{
    return QLocale().decimalPoint().front();
}

} // namespace

Travail TFiche::TravailCourant() const
{
    return Travail{Vue_->FileName(), Vue_->NumeroImage(), Vue_->Mesure().Etat()};
}

bool TFiche::MenuFichierEnregistrerWClick()
{
    if (Vue_->FileName().isEmpty()) {
        Afficher(MessageSimple(IconeMessage::Information, {Chaines::Texte("MsgOuvrirVideoDAbord")}), this);
        return false;
    }
    DemandeFichier d;
    d.titre = Chaines::Texte("TitreEnregistrerTravail");
    d.filtre = Chaines::Texte("FiltreEnregistrerTravail");
    d.extensionDefaut = QStringLiteral("ktb");
    d.repertoire = RepertoireCourant;
    const QString video = QFileInfo(Vue_->FileName()).fileName();
    d.nomInitial = QFileInfo(video).completeBaseName() + u' ' + FormaterDate(QDate::currentDate());
    const auto choix = dialogues_.Enregistrer(d, this);
    if (!choix) return false;
    QString chemin = choix->chemin;
    if (QFileInfo(chemin).suffix().isEmpty()) chemin += QStringLiteral(".ktb");
    // A video is never overwritten by a work file.
    if (EstCheminVideo(chemin))
        chemin = chemin.left(chemin.size() - QFileInfo(chemin).suffix().size()) + QStringLiteral("ktb");
    const QString ligneNom = QFileInfo(chemin).fileName() + u'.';
    if (QFileInfo::exists(chemin)) {
        Message m = MessageSimple(IconeMessage::Avertissement, {ligneNom, Chaines::Texte("MsgFichierExiste")});
        m.boutons = QStringList{Chaines::Texte("BoutonOK"), Chaines::Texte("BoutonZrusit")};
        if (Afficher(m, this) == 1) return false;
    }
    RepertoireCourant = QFileInfo(chemin).absolutePath();
    CauseEcriture cause;
    switch (EcrireTravail(chemin, TravailCourant(), separateurDecimal(), &cause)) {
    case ResultatEcriture::CreationImpossible:
        Afficher(MessageSimple(IconeMessage::Avertissement,
                               Chaines::AvecCause({ligneNom, Chaines::Texte("MsgEnregistrementImpossible")}, cause)),
                 this);
        return false;
    case ResultatEcriture::EcritureEchouee:
        Afficher(MessageSimple(IconeMessage::Avertissement,
                               Chaines::AvecCause({ligneNom, Chaines::Texte("MsgEnregistrementEchoue")}, cause)),
                 this);
        return false;
    case ResultatEcriture::Ok: break;
    }
    mesureEnregistree_ = Vue_->Mesure().Etat();
    cheminTravail_ = chemin;
    AjouterFichierRecent(chemin);
    Afficher(MessageSimple(IconeMessage::Information, {ligneNom, Chaines::Texte("MsgFichierEnregistre")}), this);
    return true;
}

void TFiche::ChargerTravail(const QString& chemin)
{
    if (!QFileInfo::exists(chemin)) {
        RDim();
        Afficher(MessageSimple(IconeMessage::Avertissement, {chemin + u'.', Chaines::Texte("MsgTravailDeplace")}),
                 this);
        ApresChargement();
        return;
    }
    if (!PeutQuitterMesure()) return;
    RepertoireCourant = QFileInfo(chemin).absolutePath();
    DetruireVue();
    CreerVue();
    const LectureTravail lu = LireTravail(chemin);
    if (lu.etat == LectureTravail::Etat::Illisible) {
        // The file exists but cannot be read at all.
        RDim();
        Afficher(MessageSimple(IconeMessage::Avertissement, {chemin + u'.', Chaines::Texte("MsgErreurLecture")}), this);
        SansVideo();
        ApresChargement();
        return;
    }
    const QString video = lu.travail.CheminVideo;
    if (video.isEmpty() || !QFileInfo::exists(video)) {
        RDim();
        Afficher(MessageSimple(IconeMessage::Avertissement, {video, Chaines::Texte("MsgVideoDeplacee")}), this);
        SansVideo();
        return;
    }
    Vue_->SetFileName(video);
    if (!Vue_->Opened()) {
        SignalerVideoEndommagee(chemin);
        return;
    }
    // The marks' frames count fields when the work was measured so, which
    // only an interlaced video has.
    Vue_->CompterChamps(lu.travail.Mesure.ChampsImages);
    if (lu.etat != LectureTravail::Etat::Ok || lu.travail.Mesure.ChampsImages != Vue_->Mesure().Etat().ChampsImages ||
        !ImagesTravailDansLaVideo(lu.travail, Vue_->FrameCount())) {
        RDim();
        Afficher(MessageSimple(IconeMessage::Avertissement, {video + u'.', Chaines::Texte("MsgErreurLecture")}), this);
        // Nothing read survives: a fresh, empty view.
        DetruireVue();
        CreerVue();
        SansVideo();
        ApresChargement();
        return;
    }
    AppliquerTravail(lu.travail);
    cheminTravail_ = chemin;
    ActiverCommandes(true);
    OnChangeMesure();
    ApresChargement();
    AvertirVideo();
    // The rest of the work is loaded; only the quantities were dropped.
    if (const auto& q = lu.travail.QuantiteIllisible)
        Afficher(MessageSimple(IconeMessage::Avertissement, LignesGrandeurIllisible(q->Nom, q->Refus)), this);
}

void TFiche::AppliquerTravail(const Travail& t)
{
    Vue_->AllerImage(t.NumeroImage);
    // The tool's own steps (hint, playback, the overlay's place) first; the
    // stored state then has the last word, its cursor included.
    switch (t.Mesure.Outil) {
    case TOutil::Marque: SpeedButtonMarqueClick(); break;
    case TOutil::Etalon: SpeedButtonEtalonClick(); break;
    case TOutil::Origine: SpeedButtonOrigineClick(); break;
    case TOutil::Transparent: SpeedButtonTransparentClick(); break;
    }
    // The marks were placed on the picture turned as the file says.
    Vue_->TournerImage(t.Mesure.RotationImage);
    EtatMesure etat = t.Mesure;
    etat.AxeVersLeBas = choixConserves_.AxeVersLeBas;
    etat.CacherImage = choixConserves_.CacherImage;
    Vue_->Mesure().Remplacer(std::move(etat));
    mesureEnregistree_ = Vue_->Mesure().Etat();
}

void TFiche::ApresChargement()
{
    AppliquerZoom(0);
}
