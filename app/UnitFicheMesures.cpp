// The main window's measuring commands: the four tools, the Display and
// Measures menus, the video properties, the keys, and the answers to the
// view's cursor and scale-segment events.

#include "app/UnitFiche.h"

#include "app/UnitFenetresFiche.h"
#include "kit/Dialogues.h"
#include "kit/Hint.h"
#include "resources/UnitChainesRessources.h"
#include "resources/UnitImages.h"
#include "view/UnitAviPlay.h"
#include "view/UnitBoiteCouleur.h"
#include "view/UnitBoiteInfo.h"
#include "view/UnitBoiteLongueur.h"
#include "measure/UnitMesure.h"
#include "view/UnitTextesVideo.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <cmath>
#include <utility>

namespace {

// The space bar's colour cycle over the grid: red, green, yellow, cyan,
// white, black, and back to red.
int IndexSuivantEspace(int index)
{
    switch (index) {
    case 9: return 10;
    case 10: return 11;
    case 11:
    case 12:
    case 13: return 14;
    case 14: return 15;
    case 15: return 0;
    default: return 9;
    }
}

// The X11 key code of the main keyboard's "6" key, whatever the layout.
constexpr quint32 CodeToucheSix = 15;

// The overlay's size keys: '+' or '=' grows, '-' shrinks, by the character
// typed, so they work on every layout; and the key in the "6" position
// shrinks too where it types nothing else the program uses (it types "-" on
// a French keyboard, "ž" on a Czech one). 0 for any other key.
char ToucheTransparent(const QKeyEvent& e)
{
    const QString texte = e.text();
    if (texte.size() == 1 && QStringLiteral("+=-").contains(texte[0])) return char(texte[0].unicode());
    if (e.nativeScanCode() == CodeToucheSix && !(e.modifiers() & Qt::KeypadModifier)) return '-';
    return 0;
}

} // namespace

void TFiche::ChoisirOutil(void (TMesure::*mode)(bool), const char* hint, bool lecture)
{
    (Vue_->Mesure().*mode)(true);
    PoserHintLigne(Vue_, Chaines::Texte(hint));
    ActiverLecture(lecture);
}

void TFiche::SpeedButtonMarqueClick()
{
    if (!Vue_->Opened()) return;
    ChoisirOutil(&TMesure::ChoisirModeMarque, "HintVueMarque", true);
}

void TFiche::SpeedButtonEtalonClick()
{
    if (!Vue_->Opened()) return;
    // The scale tool needs a still picture.
    ChoisirOutil(&TMesure::ChoisirModeEtalon, "HintVueEtalon", false);
}

void TFiche::SpeedButtonOrigineClick()
{
    if (!Vue_->Opened()) return;
    ChoisirOutil(&TMesure::ChoisirModeOrigine, "HintVueOrigine", true);
}

void TFiche::SpeedButtonTransparentClick()
{
    if (!Vue_->Opened()) return;
    ChoisirOutil(&TMesure::ChoisirModeTransparent, "HintVueTransparent", true);
    Vue_->Mesure().PlacerTransparent();
}

void TFiche::OnChangeEtalon()
{
    TBoiteLongueur& boite = fenetres_.BoiteLongueur();
    boite.Longueur = Vue_->Mesure().Etat().LongueurEtalon;
    dialogues_.Executer(boite, this);
    Vue_->Mesure().SetLongueurEtalon(boite.Longueur);
}

void TFiche::OnChangeMesure()
{
    const EtatMesure& m = Vue_->Mesure().Etat();
    const std::pair<TOutil, QToolButton*> outils[] = {{TOutil::Marque, SpeedButtonMarque},
                                                      {TOutil::Etalon, SpeedButtonEtalon},
                                                      {TOutil::Origine, SpeedButtonOrigine},
                                                      {TOutil::Transparent, SpeedButtonTransparent}};
    for (const auto& [outil, bouton] : outils) bouton->setChecked(Vue_->Opened() && m.Outil == outil);
    switch (m.Outil) {
    case TOutil::Etalon: StatusBar3->setText(QStringLiteral(" ")); break;
    case TOutil::Transparent: StatusBar3->setText(QStringLiteral(" %1").arg(m.NombreDePointsTsp())); break;
    case TOutil::Marque:
    case TOutil::Origine: StatusBar3->setText(QStringLiteral(" %1").arg(m.NombreDePoints())); break;
    }
    // The overlay carries one mark a frame, whatever the count for the video.
    const int parImage = m.Outil == TOutil::Transparent ? 1 : m.MarquesParImage;
    MenuMesuresUneMarqueParImage->setChecked(parImage == 1);
    MenuMesuresDeuxMarquesParImage->setChecked(parImage == 2);
    MenuMesuresTroisMarquesParImage->setChecked(parImage == 3);
    MenuMesuresAxeVersLeBas->setChecked(m.AxeVersLeBas);
    MenuMesuresRetirerPlan->setEnabled(m.Plan.has_value());
    SuivreCoinsPlan();
    MenuAffichageCacherImage->setChecked(m.CacherImage);
    MenuAffichageCurseurNoir->setChecked(m.CouleurCurseur == TCouleurCurseur::Noir);
    MenuAffichageCurseurBlanc->setChecked(m.CouleurCurseur == TCouleurCurseur::Blanc);
    MenuAffichageCurseurNB->setChecked(m.CouleurCurseur == TCouleurCurseur::NoirEtBlanc);
    MenuAffichageDessinerDerniereMarque->setChecked(m.DessinMarques == TDessinMarques::Derniere);
    MenuAffichageDessinerToutesLesMarques->setChecked(m.DessinMarques == TDessinMarques::Toutes);

    static constexpr const char* familles[] = {"Marque", "Marque1", "Marque2", "Marque3", "Etalon", "Origine"};
    const QString famille = QStringLiteral("Bmp") + familles[int(FamilleCurseur(m))];
    MenuAffichageCurseurNoir->setIcon(Images::Icone((famille + "Noir").toStdString()));
    MenuAffichageCurseurBlanc->setIcon(Images::Icone((famille + "Blanc").toStdString()));
    MenuAffichageCurseurNB->setIcon(Images::Icone((famille + "NB").toStdString()));
    MettreAJourAnnulation();
}

void TFiche::MenuAffichageClick()
{
    const EtatMesure& m = Vue_->Mesure().Etat();
    MenuAffichageEffacerLesMarques->setEnabled(m.NombreDePoints() > 0);
    MenuAffichageEffacerLeTransparent->setEnabled(m.NombreDePointsTsp() > 0);
    MenuAffichageEffacerTout->setEnabled(m.NombreDePoints() > 0 || m.NombreDePointsTsp() > 0 ||
                                         m.EtatEtalon != TEtatEtalon::Aucun || m.OrigineEstPlacee() || m.Plan);
}

void TFiche::MenuAffichageCouleurClick()
{
    TBoiteCouleur& boite = fenetres_.BoiteCouleur();
    boite.CouleurCourante = Vue_->Mesure().Etat().Couleur;
    dialogues_.Executer(boite, this);
    Vue_->Mesure().SetCouleur(boite.CouleurChoisie());
}

void TFiche::MenuAffichageDerniereImagePointeeClick()
{
    const EtatMesure& m = Vue_->Mesure().Etat();
    if (m.Outil == TOutil::Marque && !m.ImagesMarques.empty())
        Vue_->AllerImage(m.ImagesMarques.back());
    else if (m.Outil == TOutil::Transparent && !m.ImagesMarquesTsp.empty())
        Vue_->AllerImage(m.ImagesMarquesTsp.back() + 1);
}

void TFiche::MenuMesuresMarqueParImageClick(int n)
{
    // The menu ticks on its own; the measurement decides which tick stays.
    OnChangeMesure();
    if (SpeedButtonTransparent->isChecked()) {
        information("MsgTransparentUneMarque");
        return;
    }
    if (Vue_->Mesure().NombreDePoints() > 0) {
        information("MsgMarquesParImageFige");
        return;
    }
    Vue_->Mesure().SetMarquesParImage(n);
}

void TFiche::MenuAideProprietesClick()
{
    if (Vue_->FrameTime() == 0) return;
    TBoiteInfo& boite = fenetres_.BoiteInfo();
    // Halves go to the even neighbour.
    boite.ImagesParSeconde = int(std::nearbyint(1.0 / Vue_->FrameTime()));
    boite.HauteurImage = Vue_->VideoHeight();
    boite.LargeurImage = Vue_->VideoWidth();
    boite.NombreImages = Vue_->FrameCount();
    boite.CheminVideo = Vue_->FileName();
    boite.LignesSupplementaires = LignesDescription(Vue_->Source().Description());
    dialogues_.Executer(boite, this);
}

void TFiche::keyPressEvent(QKeyEvent* e)
{
    if (!FrappeClavier(e)) QMainWindow::keyPressEvent(e);
}

bool TFiche::FrappeClavier(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && SuiviEnCours()) {
        ArreterSuivi();
        return true;
    }
    if (!Vue_->Opened()) return false;
    TMesure& m = Vue_->Mesure();
    switch (e->key()) {
    case Qt::Key_Space: {
        TBoiteCouleur& boite = fenetres_.BoiteCouleur();
        boite.Grille().ChoisirIndex(IndexSuivantEspace(boite.Grille().IndexPremierPlan()));
        m.SetCouleur(boite.CouleurChoisie());
        return true;
    }
    case Qt::Key_Left: Vue_->AllerImage(Vue_->NumeroImage() - 1); return true;
    case Qt::Key_Right: Vue_->AllerImage(Vue_->NumeroImage() + 1); return true;
    case Qt::Key_Home: Vue_->AllerImage(0); return true;
    case Qt::Key_End: Vue_->AllerImage(Vue_->FrameCount() - 1); return true;
    default: break;
    }
    const char touche = ToucheTransparent(*e);
    if (touche == 0) return false;
    if (SpeedButtonTransparent->isChecked()) m.RedimensionnerTransparent(touche);
    return true;
}

void TFiche::BrancherMenusMesures()
{
    connect(MenuAffichage, &QMenu::aboutToShow, this, &TFiche::MenuAffichageClick);
    connect(MenuMesures, &QMenu::aboutToShow, this, &TFiche::OnChangeMesure);
    const std::pair<QAction*, TCouleurCurseur> couleurs[] = {{MenuAffichageCurseurNoir, TCouleurCurseur::Noir},
                                                             {MenuAffichageCurseurBlanc, TCouleurCurseur::Blanc},
                                                             {MenuAffichageCurseurNB, TCouleurCurseur::NoirEtBlanc}};
    for (const auto& [item, couleur] : couleurs)
        connect(item, &QAction::triggered, this, [this, c = couleur] { Vue_->Mesure().SetCouleurCurseur(c); });
    connect(MenuAffichageCouleur, &QAction::triggered, this, &TFiche::MenuAffichageCouleurClick);
    connect(MenuAffichageCacherImage, &QAction::triggered, this,
            [this](bool coche) { Vue_->Mesure().SetCacherImage(coche); });
    connect(MenuAffichageLoupe, &QAction::triggered, this, [this](bool coche) { Vue_->SetLoupe(coche); });
    connect(MenuAffichageDessinerDerniereMarque, &QAction::triggered, this,
            [this] { Vue_->Mesure().ChoisirDerniereMarque(true); });
    connect(MenuAffichageDessinerToutesLesMarques, &QAction::triggered, this,
            [this] { Vue_->Mesure().ChoisirToutesLesMarques(true); });
    connect(MenuAffichageDerniereImagePointee, &QAction::triggered, this,
            &TFiche::MenuAffichageDerniereImagePointeeClick);
    connect(MenuAffichageEffacerLesMarques, &QAction::triggered, this, [this] {
        MenuAffichageEffacerLesMarques->setEnabled(false);
        Vue_->Mesure().EffacerMarques();
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
    connect(MenuMesuresAxeVersLeBas, &QAction::triggered, this,
            [this](bool coche) { Vue_->Mesure().SetAxeVersLeBas(coche); });
    connect(MenuAideProprietes, &QAction::triggered, this, &TFiche::MenuAideProprietesClick);
}
