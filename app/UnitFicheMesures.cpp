// The main window's measuring commands: the four tools, the Display and
// Measures menus, the video properties, the keys, and the answers to the
// view's cursor and scale-segment events.

#include "app/UnitFiche.h"

#include "app/UnitApplication.h"
#include "kit/Dialogues.h"
#include "kit/Hint.h"
#include "resources/UnitChainesRessources.h"
#include "resources/UnitImages.h"
#include "video/UnitAviPlay.h"
#include "video/UnitBoiteCouleur.h"
#include "video/UnitBoiteInfo.h"
#include "video/UnitBoiteLongueur.h"
#include "video/UnitMesure.h"
#include "video/UnitTextesVideo.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QToolButton>
#include <cmath>

namespace {

// The space bar's colour cycle over the grid: red, green, yellow, cyan,
// white, black, and back to red.
int IndexSuivantEspace(int index)
{
    switch (index) {
    case 9: return 10;
    case 10: return 11;
    case 11: case 12: case 13: return 14;
    case 14: return 15;
    case 15: return 0;
    default: return 9;
    }
}

void information(const char* ligne, QWidget* parent)
{
    Afficher(MessageSimple(IconeMessage::Information, {Chaines::Texte(ligne)}), parent);
}

} // namespace

void TFiche::ChoisirOutil(QToolButton* bouton, void (TMesure::*mode)(bool), const char* hint)
{
    for (QToolButton* b : {SpeedButtonMarque, SpeedButtonEtalon, SpeedButtonOrigine, SpeedButtonTransparent})
        b->setChecked(b == bouton);
    (Vue_->Mesure().*mode)(true);
    PoserHint(Vue_, Chaines::Texte(hint));
    // The scale tool needs a still picture.
    ActiverLecture(bouton != SpeedButtonEtalon);
}

void TFiche::SpeedButtonMarqueClick()
{
    if (!Vue_->Opened()) return;
    ChoisirOutil(SpeedButtonMarque, &TMesure::ChoisirModeMarque, "HintVueMarque");
    StatusBar3->setText(QStringLiteral(" %1").arg(Vue_->Mesure().NombreDePoints()));
    Vue_->update();
}

void TFiche::SpeedButtonEtalonClick()
{
    if (!Vue_->Opened()) return;
    ChoisirOutil(SpeedButtonEtalon, &TMesure::ChoisirModeEtalon, "HintVueEtalon");
    StatusBar3->setText(QStringLiteral(" "));
    Vue_->update();
}

void TFiche::SpeedButtonOrigineClick()
{
    if (!Vue_->Opened()) return;
    ChoisirOutil(SpeedButtonOrigine, &TMesure::ChoisirModeOrigine, "HintVueOrigine");
    StatusBar3->setText(QStringLiteral(" %1").arg(Vue_->Mesure().NombreDePoints()));
    Vue_->update();
}

void TFiche::SpeedButtonTransparentClick()
{
    if (!Vue_->Opened()) return;
    ChoisirOutil(SpeedButtonTransparent, &TMesure::ChoisirModeTransparent, "HintVueTransparent");
    StatusBar3->setText(QStringLiteral(" %1").arg(Vue_->Mesure().NombreDePointsTsp()));
    Vue_->Mesure().PlacerTransparent();
}

void TFiche::OnChangeEtalon()
{
    TBoiteLongueur& boite = Fenetres::Instance().BoiteLongueur();
    boite.Longueur = Vue_->Mesure().LongueurEtalon;
    boite.exec();
    Vue_->Mesure().LongueurEtalon = boite.Longueur;
}

QString TFiche::FamilleCurseur() const
{
    const TMesure& m = Vue_->Mesure();
    if (SpeedButtonEtalon->isChecked()) return QStringLiteral("Etalon");
    if (SpeedButtonOrigine->isChecked()) return QStringLiteral("Origine");
    if (SpeedButtonTransparent->isChecked() || m.MarquesParImage <= 1) return QStringLiteral("Marque");
    // The point the next click marks.
    return QStringLiteral("Marque%1").arg(m.NombreDePoints() % m.MarquesParImage + 1);
}

void TFiche::OnChangeCurseur()
{
    const QString famille = QStringLiteral("Bmp") + FamilleCurseur();
    MenuAffichageCurseurNoir->setIcon(QPixmap::fromImage(Images::Image((famille + "Noir").toStdString())));
    MenuAffichageCurseurBlanc->setIcon(QPixmap::fromImage(Images::Image((famille + "Blanc").toStdString())));
    MenuAffichageCurseurNB->setIcon(QPixmap::fromImage(Images::Image((famille + "NB").toStdString())));
}

void TFiche::MenuAffichageClick()
{
    const TMesure& m = Vue_->Mesure();
    MenuAffichageEffacerLesMarques->setEnabled(m.NombreDePoints() > 0);
    MenuAffichageEffacerLeTransparent->setEnabled(m.NombreDePointsTsp() > 0);
    MenuAffichageEffacerTout->setEnabled(m.NombreDePoints() > 0 || m.NombreDePointsTsp() > 0 || m.EtatEtalon > 0
                                         || m.OriginePlacee > 0);
}

void TFiche::ChoisirCouleurCurseur(char couleur, QAction* item)
{
    Vue_->Mesure().CouleurCurseur = couleur;
    Vue_->Mesure().MettreAJourCurseur();
    item->setChecked(true);
}

void TFiche::MenuAffichageCouleurClick()
{
    TBoiteCouleur& boite = Fenetres::Instance().BoiteCouleur();
    boite.CouleurCourante = Vue_->Mesure().Couleur;
    boite.exec();
    Vue_->Mesure().Couleur = boite.CouleurChoisie();
    Vue_->update();
}

void TFiche::MenuAffichageDerniereImagePointeeClick()
{
    const TMesure& m = Vue_->Mesure();
    if (m.ModeMarque() && !m.ImagesMarques.empty())
        Vue_->AllerImage(m.ImagesMarques.back());
    else if (m.ModeTransparent() && !m.ImagesMarquesTsp.empty())
        Vue_->AllerImage(m.ImagesMarquesTsp.back() + 1);
}

void TFiche::MenuMesuresClick()
{
    const TMesure& m = Vue_->Mesure();
    if (SpeedButtonTransparent->isChecked() || m.MarquesParImage == 1)
        MenuMesuresUneMarqueParImage->setChecked(true);
    else
        (m.MarquesParImage == 2 ? MenuMesuresDeuxMarquesParImage : MenuMesuresTroisMarquesParImage)->setChecked(true);
}

void TFiche::MenuMesuresMarqueParImageClick(int n)
{
    // The menu ticks on its own; the rules below decide which tick stays.
    MenuMesuresClick();
    if (SpeedButtonTransparent->isChecked()) {
        information("MsgTransparentUneMarque", this);
        return;
    }
    if (Vue_->Mesure().NombreDePoints() > 0) {
        information("MsgMarquesParImageFige", this);
        return;
    }
    (n == 1 ? MenuMesuresUneMarqueParImage : n == 2 ? MenuMesuresDeuxMarquesParImage : MenuMesuresTroisMarquesParImage)
        ->setChecked(true);
    Vue_->Mesure().MarquesParImage = n;
    Vue_->Mesure().MettreAJourCurseur();
}

void TFiche::MenuAideProprietesClick()
{
    if (Vue_->FrameTime() == 0) return;
    TBoiteInfo& boite = Fenetres::Instance().BoiteInfo();
    // Halves go to the even neighbour.
    boite.ImagesParSeconde = int(std::nearbyint(1.0 / Vue_->FrameTime()));
    boite.HauteurImage = Vue_->VideoHeight();
    boite.LargeurImage = Vue_->VideoWidth();
    boite.NombreImages = Vue_->FrameCount();
    boite.CheminVideo = Vue_->FileName();
    boite.LignesSupplementaires = LignesDescription(Vue_->Source().Description());
    boite.exec();
}

void TFiche::keyPressEvent(QKeyEvent* e)
{
    if (!FrappeClavier(e)) QMainWindow::keyPressEvent(e);
}

bool TFiche::FrappeClavier(QKeyEvent* e)
{
    if (!Vue_->Opened()) return false;
    TMesure& m = Vue_->Mesure();
    switch (e->key()) {
    case Qt::Key_Space: {
        TBoiteCouleur& boite = Fenetres::Instance().BoiteCouleur();
        boite.Grille().ChoisirIndex(IndexSuivantEspace(boite.Grille().IndexPremierPlan()));
        m.Couleur = boite.CouleurChoisie();
        Vue_->update();
        return true;
    }
    case Qt::Key_Left: Vue_->AllerImage(Vue_->NumeroImage() - 1); return true;
    case Qt::Key_Right: Vue_->AllerImage(Vue_->NumeroImage() + 1); return true;
    case Qt::Key_Home: Vue_->AllerImage(0); return true;
    case Qt::Key_End: Vue_->AllerImage(Vue_->FrameCount() - 1); return true;
    default: break;
    }
    // Overlay size by character, so the keys work on every keyboard layout.
    const QString texte = e->text();
    if (texte.size() == 1 && QStringLiteral("+=-").contains(texte[0])) {
        if (SpeedButtonTransparent->isChecked()) m.RedimensionnerTransparent(char(texte[0].unicode()));
        return true;
    }
    return false;
}

void TFiche::BrancherMenusMesures()
{
    connect(MenuAffichage, &QMenu::aboutToShow, this, &TFiche::MenuAffichageClick);
    connect(MenuMesures, &QMenu::aboutToShow, this, &TFiche::MenuMesuresClick);
    connect(MenuAffichageCurseurNoir, &QAction::triggered, this, [this] { ChoisirCouleurCurseur('n', MenuAffichageCurseurNoir); });
    connect(MenuAffichageCurseurBlanc, &QAction::triggered, this, [this] { ChoisirCouleurCurseur('b', MenuAffichageCurseurBlanc); });
    connect(MenuAffichageCurseurNB, &QAction::triggered, this, [this] { ChoisirCouleurCurseur('e', MenuAffichageCurseurNB); });
    connect(MenuAffichageCouleur, &QAction::triggered, this, &TFiche::MenuAffichageCouleurClick);
    connect(MenuAffichageCacherImage, &QAction::triggered, this, [this] {
        Vue_->Mesure().CacherImage = MenuAffichageCacherImage->isChecked();
        Vue_->update();
    });
    connect(MenuAffichageDessinerDerniereMarque, &QAction::triggered, this, [this] {
        MenuAffichageDessinerDerniereMarque->setChecked(true);
        Vue_->Mesure().ChoisirDerniereMarque(true);
        Vue_->update();
    });
    connect(MenuAffichageDessinerToutesLesMarques, &QAction::triggered, this, [this] {
        MenuAffichageDessinerToutesLesMarques->setChecked(true);
        Vue_->Mesure().ChoisirToutesLesMarques(true);
        Vue_->update();
    });
    connect(MenuAffichageDerniereImagePointee, &QAction::triggered, this, &TFiche::MenuAffichageDerniereImagePointeeClick);
    connect(MenuAffichageEffacerLesMarques, &QAction::triggered, this, [this] {
        MenuAffichageEffacerLesMarques->setEnabled(false);
        Vue_->Mesure().EffacerMarques();
        Vue_->update();
    });
    connect(MenuAffichageEffacerLeTransparent, &QAction::triggered, this, [this] {
        MenuAffichageEffacerLeTransparent->setEnabled(false);
        Vue_->Mesure().EffacerTransparent();
    });
    connect(MenuAffichageEffacerTout, &QAction::triggered, this, [this] {
        MenuAffichageEffacerLesMarques->setEnabled(false);
        MenuAffichageEffacerLeTransparent->setEnabled(false);
        Vue_->Mesure().EffacerTout();
    });
    connect(MenuMesuresUneMarqueParImage, &QAction::triggered, this, [this] { MenuMesuresMarqueParImageClick(1); });
    connect(MenuMesuresDeuxMarquesParImage, &QAction::triggered, this, [this] { MenuMesuresMarqueParImageClick(2); });
    connect(MenuMesuresTroisMarquesParImage, &QAction::triggered, this, [this] { MenuMesuresMarqueParImageClick(3); });
    connect(MenuMesuresAxeVersLeBas, &QAction::triggered, this, [this] {
        Vue_->Mesure().AxeVersLeBas = MenuMesuresAxeVersLeBas->isChecked();
        Vue_->update();
    });
    connect(MenuAideProprietes, &QAction::triggered, this, &TFiche::MenuAideProprietesClick);
}
