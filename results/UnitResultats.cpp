#include "results/UnitResultats.h"

#include "graph/UnitGraphPlus.h"
#include "results/UnitBoiteTemps.h"
#include "kit/Dialogues.h"
#include "kit/FormStorage.h"
#include "kit/Hint.h"
#include "kit/Titre.h"
#include "resources/UnitChainesRessources.h"
#include "results/UnitPanneauAjustement.h"
#include "results/UnitVuesGraphe.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int HauteurPanneau = 34;
constexpr int HauteurStatusBar = 19;
constexpr int EcartChoix = 8;

QLabel* etiquette(QWidget* parent, const char* nom)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(nom));
    return l;
}

QComboBox* liste(QWidget* parent, const char* nom)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(nom));
    return c;
}

} // namespace

TResultats::TResultats(TBoiteTemps& boiteTemps, TImprimer& imprimer, Dialogues& dialogues, const QString& fichierIni)
    : QDialog(nullptr,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                  Qt::WindowCloseButtonHint),
      boiteTemps_(boiteTemps), imprimer_(imprimer), dialogues_(dialogues)
{
    setObjectName(QStringLiteral("Resultats"));
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    MainMenu1 = new QMenuBar(this);
    disposition->setMenuBar(MainMenu1);
    Client = new QWidget(this);
    disposition->addWidget(Client);

    CreerPanneaux();
    CreerGrille();
    Graphe = new TGraphPlus(Client);
    Graphe->setObjectName(QStringLiteral("Graphe"));
    Graphe->hide();
    CreerMenus();
    CreerAjustement();

    formStorage_ = new FormStorage(this, QStringLiteral("ResultsForm"), dialogues_);
    formStorage_->SetIniFileName(fichierIni);
    setMinimumSize(640, 480);
    resize(640, 480);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    Selectionner(TVueResultats::Tableau);
}

TResultats::~TResultats()
{
    formStorage_->EnregistrerADestruction();
}

void TResultats::CreerPanneaux()
{
    PanelEchelle = new QWidget(Client);
    PanelEchelle->setObjectName(QStringLiteral("PanelEchelle"));
    CreerPanelEchelle();
    PanelEchelle->hide();

    PanelChoix = new QWidget(Client);
    PanelChoix->setObjectName(QStringLiteral("PanelChoix"));
    LabelChoix1 = etiquette(PanelChoix, "LabelChoix1");
    ComboBoxChoix1 = liste(PanelChoix, "ComboBoxChoix1");
    ComboBoxChoix2 = liste(PanelChoix, "ComboBoxChoix2");
    LabelChoix2 = etiquette(PanelChoix, "LabelChoix2");
    connect(ComboBoxChoix1, &QComboBox::currentIndexChanged, this, &TResultats::ComboBoxChange);
    connect(ComboBoxChoix2, &QComboBox::currentIndexChanged, this, &TResultats::ComboBoxChange);
    PanelChoix->hide();

    StatusBar = new QStatusBar(Client);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    TexteStatusBar = new QLabel(StatusBar);
    TexteStatusBar->setObjectName(QStringLiteral("TexteStatusBar"));
    StatusBar->addWidget(TexteStatusBar, 1);
}

CodeResultat TResultats::CalculerResultats(const TEntreesSeries& mesure, bool afficherVitesse,
                                           bool afficherAcceleration)
{
    const CodeResultat code = modele_.CalculerResultats(mesure, afficherVitesse, afficherAcceleration);
    ajustement_.reset(); // the kept fits are computed again on the new series
    RemplirTableau();
    return code;
}

void TResultats::Signaler(IconeMessage icone, const char* ligne, const CauseEcriture& cause)
{
    Message m = MessageSimple(icone, Chaines::AvecCause({Chaines::Texte(ligne)}, cause));
    m.titre.clear();
    dialogues_.Afficher(m, this);
}

VuesGraphe::Fond TResultats::FondVue(TVueResultats vue)
{
    switch (vue) {
    case TVueResultats::Temps: return VuesGraphe::FondTemps;
    case TVueResultats::Trajectoire: return VuesGraphe::FondTrajectoire;
    case TVueResultats::Vecteurs: return VuesGraphe::FondVecteurs;
    case TVueResultats::Tableau: break;
    }
    return {Couleur::Blanc, Couleur::FaceBouton};
}

bool TResultats::Afficher(TVueResultats vue)
{
    switch (vue) {
    case TVueResultats::Tableau: return AfficherTableau();
    case TVueResultats::Temps: return AfficherGraphes();
    case TVueResultats::Trajectoire: return AfficherTrajectoire();
    case TVueResultats::Vecteurs: return AfficherVecteurs();
    }
    return false;
}

void TResultats::Selectionner(TVueResultats vue)
{
    vue_ = vue;
    disposition_ = vue;
    const bool tableau = vue == TVueResultats::Tableau;
    AfficherTitre();
    DBGrid->setVisible(tableau);
    Graphe->setVisible(!tableau);
    PanelChoix->setVisible(!tableau);
    PanelEchelle->setVisible(vue == TVueResultats::Vecteurs);
    AppliquerMenus(vue);
    AppliquerAjustement();
    if (!tableau) PreparerGraphe(vue);
}

void TResultats::AfficherTitre()
{
    static const char* const titres[] = {"TitreResultats", "TitreResultatsTemps", "TitreResultatsTrajectoire",
                                         "TitreResultatsVecteurs"};
    const QString titre = Chaines::Texte(titres[int(disposition_)]);
    const QString complet = Chaines::Texte("TitreResultatsEtat").arg(titre, etat_);
    setWindowTitle(!etat_.isEmpty() && LargeurPourTitre(complet) <= width() ? complet : titre);
    StatusBar->setToolTip(etat_);
    TexteStatusBar->setToolTip(etat_);
}

void TResultats::PreparerGraphe(TVueResultats vue)
{
    VuesGraphe::AppliquerFond(*Graphe, FondVue(vue));
    Graphe->SetModeVecteurs(false);
    PoserHint(Graphe, Chaines::Texte("HintGrapheDeplacer"));
    static const char* const hintsChoix[] = {"", "HintChoixTemps", "HintChoixTrajectoire", "HintChoixVecteurs"};
    PoserHint(PanelChoix, Chaines::Texte(hintsChoix[int(vue)]));
}

void TResultats::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TResultats::FormShow()
{
    RDim();
    if (disposition_ != TVueResultats::Tableau) ComboBoxChange();
}

void TResultats::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    AfficherTitre();
    RDim();
}

bool TResultats::event(QEvent* e)
{
    // The long part of the hint of whatever is under the pointer goes to the
    // status bar.
    if (e->type() == QEvent::StatusTip) {
        TexteStatusBar->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QDialog::event(e);
}

void TResultats::RDim()
{
    if (!Graphe) return;
    const int w = Client->width();
    const int h = Client->height();
    StatusBar->setGeometry(0, h - HauteurStatusBar, w, HauteurStatusBar);
    if (disposition_ == TVueResultats::Tableau) {
        DBGrid->setGeometry(0, 0, w, h - HauteurStatusBar);
        return;
    }
    PanelChoix->setGeometry(0, h - HauteurPanneau - HauteurStatusBar, w, HauteurPanneau);
    int haut = 0;
    if (disposition_ == TVueResultats::Vecteurs) {
        PanelEchelle->setGeometry(0, 0, w, HauteurPanneau);
        haut = HauteurPanneau;
        DisposerEchelle();
    }
    // The fit panel stands right of the graph, the residuals under it.
    const bool panneau = disposition_ == TVueResultats::Temps && PanneauAjustement && PanneauAjustement->isVisible();
    const int largeur = panneau ? std::max(0, w - TPanneauAjustement::Largeur) : w;
    const int hauteur = h - haut - HauteurPanneau - HauteurStatusBar;
    const int residus = std::min(HauteurResidus(), hauteur / 2);
    if (panneau) PanneauAjustement->setGeometry(largeur, haut, w - largeur, hauteur);
    if (BandeResidus) BandeResidus->setGeometry(0, haut + hauteur - residus, largeur, residus);
    Graphe->SetBounds(0, haut, largeur, hauteur - residus);
    if (disposition_ == TVueResultats::Temps)
        DisposerChoix({LabelChoix1, ComboBoxChoix1, ComboBoxChoix2, LabelChoix2});
    else
        DisposerChoix({LabelChoix1, ComboBoxChoix1, LabelChoix2, ComboBoxChoix2});
    Graphe->Paint();
}

void TResultats::DisposerChoix(const QList<QWidget*>& ordre)
{
    // The row reads as a sentence, centred in its panel.
    int largeur = 0;
    for (QWidget* c : ordre) largeur += c->width();
    int x = (Client->width() - largeur - 3 * EcartChoix) / 2;
    for (QWidget* c : ordre) {
        c->move(x, (HauteurPanneau - c->height()) / 2);
        x += c->width() + EcartChoix;
    }
}

void TResultats::ComboBoxChange()
{
    if (!Graphe || ComboBoxChoix1->currentIndex() < 0 || ComboBoxChoix2->currentIndex() < 0) return;
    Graphe->ClearCourbes();
    TEtendue e;
    switch (disposition_) {
    case TVueResultats::Temps: DessinerTemps(e); break;
    case TVueResultats::Trajectoire: DessinerTrajectoire(e); break;
    case TVueResultats::Vecteurs: DessinerVecteurs(e); break;
    case TVueResultats::Tableau: return;
    }
    if (!e.Vide()) VuesGraphe::AppliquerEtendue(*Graphe, e);
    Graphe->Paint();
}

void TResultats::Remplir(QComboBox* c, const QStringList& items)
{
    const QSignalBlocker b(c);
    c->clear();
    c->addItems(items);
    c->setCurrentIndex(0);
}
