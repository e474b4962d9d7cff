// The main window's view, layout, zoom and enabling.

#include "app/UnitFiche.h"

#include "app/UnitDisposition.h"
#include "resources/UnitChainesRessources.h"
#include "view/UnitAviPlay.h"
#include "measure/UnitMesure.h"
#include "tracking/UnitTravailleurSuivi.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>

void TFiche::CreerVue()
{
    auto* vue = new TDCAVIPlay;
    vue->setAutoFillBackground(false);
    vue->SetAutoSize(false);
    vue->SetStretch(true);
    vue->setCursor(Qt::ArrowCursor);
    ScrollBox->setWidget(vue);
    Vue_ = vue;
    // A fresh view holds no work file until one is loaded or saved.
    cheminTravail_.clear();
    BrancherVue();
    TMesure& m = vue->Mesure();
    m.SetCouleur(255);
    // These two choices carry over from one video to the next.
    m.SetAxeVersLeBas(choixConserves_.AxeVersLeBas);
    m.SetCacherImage(choixConserves_.CacherImage);
    vue->SetLoupe(choixConserves_.Loupe);
}

void TFiche::BrancherVue()
{
    connect(Vue_, &TDCAVIPlay::OnChangeNumeroImage, this, &TFiche::OnChangeNumeroImage);
    connect(Vue_, &TDCAVIPlay::OnChangeMesure, this, &TFiche::OnChangeMesure);
    connect(Vue_, &TDCAVIPlay::OnChangeEtalon, this, &TFiche::OnChangeEtalon);
    connect(Vue_, &TDCAVIPlay::OnCoinsPlan, this, &TFiche::OnCoinsPlan);
}

void TFiche::DetruireVue()
{
    if (!Vue_) return;
    // A run of tracking goes with its view.
    suivi_.reset();
    suiviEnCours_ = false;
    const EtatMesure& m = Vue_->Mesure().Etat();
    choixConserves_ = {m.AxeVersLeBas, m.CacherImage, Vue_->Loupe()};
    Vue_->Arreter();
    Vue_->hide();
    delete ScrollBox->takeWidget();
    Vue_ = nullptr;
    Client->update();
}

void TFiche::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    RDim();
}

void TFiche::RDim()
{
    if (!Vue_ || enDisposition_) return;
    enDisposition_ = true;
    EntreeDisposition e;
    e.Client = Client->size();
    e.Exterieur = frameGeometry().size();
    e.HauteurStatut = 19;
    if (Vue_->Opened()) e.Video = QSize(Vue_->VideoWidth(), Vue_->VideoHeight());
    const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    e.Ecran = ecran->availableSize();
    e.Echelle = Echelle;
    e.TailleLibre = TailleLibre;
    // The minimum outer size is a Windows frame (4 pixels each side, a
    // 19-pixel caption, a 19-pixel menu) around the first client area of
    // 442 x 334: whatever the window manager's frame, the window cannot be
    // made smaller than that client area with its menu bar.
    const QSize cadreWindows(8, 46);
    setMinimumSize(e.Minimum - cadreWindows + QSize(0, menuBar()->sizeHint().height()));
    const SortieDisposition s = CalculerDisposition(e);
    Echelle = s.Echelle;
    if (s.Redimensionner && s.NouveauClient != e.Client) resize(size() + (s.NouveauClient - e.Client));
    // The layout follows the client size the window really has.
    EntreeDisposition reelle = e;
    reelle.Client = Client->size();
    reelle.TailleLibre = true;
    const SortieDisposition d = CalculerDisposition(reelle);
    ScrollBox->setGeometry(d.ScrollBox);
    StatusBar1->setGeometry(d.StatusBar1);
    StatusBar2->setGeometry(d.StatusBar2);
    StatusBar3->setGeometry(d.StatusBar3);
    PanelBarreCommande->move(d.BarreCommande);
    AppliquerZoom(NiveauZoom);
    enDisposition_ = false;
}

void TFiche::AppliquerZoom(int niveau)
{
    if (!Vue_) return;
    niveau = BornerNiveauZoom(niveau);
    // The scroll box's client size follows from its own size and its bars'
    // policy: the viewport itself may not have followed the last resize yet.
    const Qt::ScrollBarPolicy barres = niveau == 0 ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn;
    ScrollBox->setHorizontalScrollBarPolicy(barres);
    ScrollBox->setVerticalScrollBarPolicy(barres);
    // The scroll box places the view at minus its scroll position.
    Vue_->resize(TailleVueZoom(ScrollBox->maximumViewportSize(), niveau));
    Vue_->Mesure().RecalculerPixels();
    NiveauZoom = niveau;
}

void TFiche::ActiverCommandes(bool b)
{
    if (!Vue_) return;
    setWindowTitle(Vue_->Opened() ? Vue_->FileName() : Chaines::Texte("TitreApplication"));
    if (Vue_->Opened()) Vue_->show();
    RDim();
    for (QAction* a : {MenuAffichageCurseurNoir, MenuAffichageCurseurBlanc, MenuAffichageCurseurNB,
                       MenuAffichageCouleur, MenuAffichageCacherImage, MenuAffichageLoupe,
                       MenuAffichageDerniereImagePointee, MenuAffichageDessinerDerniereMarque,
                       MenuAffichageDessinerToutesLesMarques, MenuAideProprietes, MenuAffichageRotation->menuAction()})
        a->setEnabled(b);
    MontrerRotation();
    MenuMesures->menuAction()->setEnabled(b);
    MenuResultats->menuAction()->setEnabled(b);
    ActiverLecture(b);
    ActiverOutils(b);
    ActiverZoom(b);
}

// The state without video after a failed open or load.
void TFiche::SansVideo()
{
    ActiverCommandes(false);
    StatusBar2->clear();
    StatusBar3->clear();
}

void TFiche::ActiverLecture(bool b)
{
    // The scale tool needs a still picture.
    if (SpeedButtonEtalon->isChecked()) b = false;
    for (QToolButton* bouton : {SpeedButtonLecture, SpeedButtonPause, SpeedButtonRetour, SpeedButtonPrecedent,
                                SpeedButtonSuivant, SpeedButtonAvance})
        bouton->setEnabled(b);
}

void TFiche::ActiverOutils(bool b)
{
    for (QToolButton* bouton : {SpeedButtonMarque, SpeedButtonEtalon, SpeedButtonOrigine, SpeedButtonTransparent})
        bouton->setEnabled(b);
}

void TFiche::ActiverZoom(bool b)
{
    SpeedButtonZoomPlus->setEnabled(b);
    SpeedButtonZoomMoins->setEnabled(b);
}

void TFiche::OnChangeNumeroImage()
{
    StatusBar2->setText(QStringLiteral(" %1/%2").arg(Vue_->NumeroAffiche() + 1).arg(Vue_->FrameCount()));
}

void TFiche::BrancherBarreCommande()
{
    // Play buttons act only while a video is open.
    auto siOuverte = [this](auto f) {
        return [this, f] {
            if (Vue_->Opened()) f();
        };
    };
    connect(SpeedButtonLecture, &QToolButton::clicked, this,
            siOuverte([this] { Vue_->Lire(Vue_->NumeroImage(), Vue_->FrameCount() - 1, 1); }));
    connect(SpeedButtonPause, &QToolButton::clicked, this, siOuverte([this] { Vue_->Arreter(); }));
    connect(SpeedButtonRetour, &QToolButton::clicked, this, siOuverte([this] { Vue_->AllerImage(0); }));
    connect(SpeedButtonPrecedent, &QToolButton::clicked, this,
            siOuverte([this] { Vue_->AllerImage(Vue_->NumeroImage() - 1); }));
    connect(SpeedButtonSuivant, &QToolButton::clicked, this,
            siOuverte([this] { Vue_->AllerImage(Vue_->NumeroImage() + 1); }));
    connect(SpeedButtonAvance, &QToolButton::clicked, this,
            siOuverte([this] { Vue_->AllerImage(Vue_->FrameCount() - 1); }));
    connect(SpeedButtonMarque, &QToolButton::clicked, this, &TFiche::SpeedButtonMarqueClick);
    connect(SpeedButtonEtalon, &QToolButton::clicked, this, &TFiche::SpeedButtonEtalonClick);
    connect(SpeedButtonOrigine, &QToolButton::clicked, this, &TFiche::SpeedButtonOrigineClick);
    connect(SpeedButtonTransparent, &QToolButton::clicked, this, &TFiche::SpeedButtonTransparentClick);
    connect(SpeedButtonZoomPlus, &QToolButton::clicked, this, [this] { AppliquerZoom(NiveauZoom + 1); });
    connect(SpeedButtonZoomMoins, &QToolButton::clicked, this, [this] { AppliquerZoom(NiveauZoom - 1); });
}
