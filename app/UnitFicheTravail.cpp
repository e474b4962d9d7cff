// Saving and loading work files from the main window, and the work file
// named on the command line.

#include "app/UnitFiche.h"

#include "app/UnitFicheImages.h"
#include "app/UnitFileUtil.h"
#include "app/UnitTravail.h"
#include "app/UnitTravailImages.h"
#include "kit/Dialogues.h"
#include "resources/UnitCurseurs.h"
#include "resources/UnitChainesRessources.h"
#include "video/UnitAviPlay.h"
#include "video/UnitMesure.h"

#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QToolButton>

namespace {

QChar separateurDecimal()
{
    return QLocale().decimalPoint().front();
}

} // namespace

Travail TFiche::TravailCourant() const
{
    const TMesure& m = Vue_->Mesure();
    Travail t;
    t.CheminVideo = Vue_->FileName();
    t.NumeroImage = Vue_->NumeroImage();
    t.MarquesParImage = MenuMesuresTroisMarquesParImage->isChecked() ? 3
                      : MenuMesuresDeuxMarquesParImage->isChecked()  ? 2
                                                                     : 1;
    t.Outil = SpeedButtonEtalon->isChecked() ? 2 : SpeedButtonOrigine->isChecked() ? 3
            : SpeedButtonTransparent->isChecked() ? 4 : 1;
    t.Curseur = m.Curseur;
    t.CouleurCurseur = MenuAffichageCurseurNoir->isChecked() ? 1 : MenuAffichageCurseurBlanc->isChecked() ? 2 : 3;
    t.Marques = m.Marques;
    t.MarquesDerniereImage = m.MarquesDerniereImage;
    t.MarquesTsp = m.MarquesTsp;
    t.MarquesTspDerniereImage = m.MarquesTspDerniereImage;
    t.EtatTransparentFichier = int(m.EtatTransparent) + 1;
    t.CentreTsp = m.CentreTsp;
    t.CentresTsp = m.CentresTsp;
    t.DemiTailleTsp = m.DemiTailleTsp;
    t.DecalageTsp = m.DecalageTsp;
    t.EtatEtalon = m.EtatEtalon;
    t.PointsEtalon = m.PointsEtalon;
    t.LongueurEtalon = m.LongueurEtalon;
    t.OriginePlacee = m.OriginePlacee;
    t.Origine = m.Origine;
    t.Couleur = m.Couleur;
    t.DessinMarques = MenuAffichageDessinerDerniereMarque->isChecked() ? 1 : 2;
    LireImagesMesure(m, Vue_->FrameCount(), t);
    return t;
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
    d.nomInitial = video.left(video.size() - 4) + u' ' + FormaterDate(QDate::currentDate());
    const auto choix = Dialogues::Courant().Enregistrer(d, this);
    if (!choix) return false;
    QString chemin = choix->chemin;
    if (QFileInfo(chemin).suffix().isEmpty()) chemin += QStringLiteral(".ktb");
    // A video is never overwritten by a work file.
    if (chemin.right(4).toLower() == QLatin1String(".avi")) chemin = chemin.left(chemin.size() - 4) + QStringLiteral(".ktb");
    const QString ligneNom = QFileInfo(chemin).fileName() + u'.';
    if (QFileInfo::exists(chemin)) {
        Message m = MessageSimple(IconeMessage::Avertissement, {ligneNom, Chaines::Texte("MsgFichierExiste")});
        m.boutons = QStringList{Chaines::Texte("BoutonOK"), Chaines::Texte("BoutonZrusit")};
        if (Afficher(m, this) == 1) return false;
    }
    RepertoireCourant = QFileInfo(chemin).absolutePath();
    switch (EcrireTravail(chemin, TravailCourant(), separateurDecimal())) {
    case ResultatEcriture::CreationImpossible:
        Afficher(MessageSimple(IconeMessage::Avertissement, {ligneNom, Chaines::Texte("MsgEnregistrementImpossible")}), this);
        return false;
    case ResultatEcriture::EcritureEchouee:
        Afficher(MessageSimple(IconeMessage::Avertissement, {ligneNom, Chaines::Texte("MsgEnregistrementEchoue")}), this);
        return false;
    case ResultatEcriture::Ok: break;
    }
    AjouterFichierRecent(chemin);
    Afficher(MessageSimple(IconeMessage::Information, {ligneNom, Chaines::Texte("MsgFichierEnregistre")}), this);
    return true;
}

void TFiche::ChargerTravail(const QString& chemin)
{
    if (!QFileInfo::exists(chemin)) {
        RDim();
        Afficher(MessageSimple(IconeMessage::Avertissement, {chemin + u'.', Chaines::Texte("MsgTravailDeplace")}), this);
        ApresChargement();
        return;
    }
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
        RDim();
        Afficher(MessageSimple(IconeMessage::Avertissement, {chemin, Chaines::Texte("MsgVideoEndommagee")}), this);
        SansVideo();
        return;
    }
    if (lu.etat != LectureTravail::Etat::Ok || !ImagesTravailDansLaVideo(lu.travail, Vue_->FrameCount())) {
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
    ActiverCommandes(true);
    StatusBar3->setText(QStringLiteral(" %1").arg(Vue_->Mesure().ModeTransparent() ? Vue_->Mesure().NombreDePointsTsp()
                                                                                      : Vue_->Mesure().NombreDePoints()));
    ApresChargement();
}

void TFiche::AppliquerTravail(const Travail& t)
{
    TMesure& m = Vue_->Mesure();
    Vue_->AllerImage(t.NumeroImage);
    if (t.MarquesParImage >= 1 && t.MarquesParImage <= 3) {
        (t.MarquesParImage == 1 ? MenuMesuresUneMarqueParImage
         : t.MarquesParImage == 2 ? MenuMesuresDeuxMarquesParImage
                                  : MenuMesuresTroisMarquesParImage)->setChecked(true);
        m.MarquesParImage = t.MarquesParImage;
    }
    switch (t.Outil) {
    case 1: SpeedButtonMarqueClick(); break;
    case 2: SpeedButtonEtalonClick(); break;
    case 3: SpeedButtonOrigineClick(); break;
    case 4: SpeedButtonTransparentClick(); break;
    default: break;
    }
    if (t.CouleurCurseur >= 1 && t.CouleurCurseur <= 3) {
        const char couleurs[] = {'n', 'b', 'e'};
        QAction* items[] = {MenuAffichageCurseurNoir, MenuAffichageCurseurBlanc, MenuAffichageCurseurNB};
        items[t.CouleurCurseur - 1]->setChecked(true);
        m.CouleurCurseur = couleurs[t.CouleurCurseur - 1];
    }
    m.SetNombreDePoints(int(t.Marques.size()));
    m.MarquesDerniereImage = t.MarquesDerniereImage;
    m.Marques = t.Marques;
    m.SetNombreDePointsTsp(int(t.MarquesTsp.size()));
    m.MarquesTspDerniereImage = t.MarquesTspDerniereImage;
    m.MarquesTsp = t.MarquesTsp;
    m.EtatTransparent = TEtatTransparent(t.EtatTransparent());
    m.CentreTsp = t.CentreTsp;
    m.CentresTsp = t.CentresTsp;
    m.DemiTailleTsp = t.DemiTailleTsp;
    m.DecalageTsp = t.DecalageTsp;
    m.EtatEtalon = t.EtatEtalon;
    m.PointsEtalon = t.PointsEtalon;
    m.LongueurEtalon = t.LongueurEtalon;
    m.OriginePlacee = t.OriginePlacee;
    m.Origine = t.Origine;
    m.Couleur = std::uint32_t(t.Couleur);
    if (t.DessinMarques == 1 || t.DessinMarques == 2) {
        (t.DessinMarques == 1 ? MenuAffichageDessinerDerniereMarque : MenuAffichageDessinerToutesLesMarques)
            ->setChecked(true);
        m.ChoisirToutesLesMarques(t.DessinMarques == 2);
        m.ChoisirDerniereMarque(t.DessinMarques == 1);
    }
    // The stored cursor, once the tool and colour have had their say.
    m.Curseur = t.Curseur;
    if (t.Curseur >= 1 && t.Curseur <= Curseurs::Nombre) Vue_->setCursor(Curseurs::Curseur(t.Curseur));
    AppliquerImagesMesure(t, Vue_->FrameCount(), m);
    m.RecalculerPixels();
    Vue_->update();
}

void TFiche::ApresChargement()
{
    AppliquerZoom(0);
    Vue_->Mesure().AxeVersLeBas = MenuMesuresAxeVersLeBas->isChecked();
    Vue_->Mesure().CacherImage = MenuAffichageCacherImage->isChecked();
}
