#include "print/UnitImprimer.h"

#include "kit/Dialogues.h"
#include "kit/FormStorage.h"
#include "kit/Hint.h"
#include "print/UnitApercu.h"
#include "print/UnitDessinPage.h"
#include "print/UnitPictogrammes.h"
#include "resources/UnitChainesRessources.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Client size at design; the smallest window is 640 x 480 with its frame.
constexpr QSize TailleClient(632, 465);
constexpr QSize TailleMinimale(632, 446);
constexpr int LargeurColonne = 184;

const QString PoliceTitre = QStringLiteral("Times New Roman");

double PixelsParPouceEcran()
{
    const QScreen* ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->logicalDotsPerInch() : 96.0;
}

// The size changes with the spin buttons (or the arrow keys) only.
class SpinBoutons final : public QSpinBox {
public:
    explicit SpinBoutons(QWidget* parent) : QSpinBox(parent) { lineEdit()->setReadOnly(true); }
};

QToolButton* BoutonImage(const QString& texte, const QPixmap& image, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setText(texte);
    b->setIcon(image);
    b->setIconSize(image.size());
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
}

QStringList FamillesPolices()
{
    QStringList familles = QFontDatabase::families();
    // Resolved to the embedded font when the system has no such family.
    if (!familles.contains(PoliceTitre, Qt::CaseInsensitive)) familles << PoliceTitre;
    familles.sort(Qt::CaseInsensitive);
    return familles;
}

Qt::CursorShape Forme(CurseurPage c)
{
    switch (c) {
    case CurseurPage::Deplacer: return Qt::SizeAllCursor;
    case CurseurPage::NordOuestSudEst: return Qt::SizeFDiagCursor;
    case CurseurPage::NordEstSudOuest: return Qt::SizeBDiagCursor;
    case CurseurPage::NordSud: return Qt::SizeVerCursor;
    case CurseurPage::OuestEst: return Qt::SizeHorCursor;
    case CurseurPage::Defaut: break;
    }
    return Qt::ArrowCursor;
}

// Margins of a page layout in page units, for the current orientation.
RectPage MargesMinimales(QPageLayout l)
{
    l.setUnits(QPageLayout::Millimeter);
    const QMarginsF m = l.minimumMargins();
    return {Arrondi(m.left() * 100), Arrondi(m.top() * 100), Arrondi(m.right() * 100), Arrondi(m.bottom() * 100)};
}

} // namespace

TImprimer::TImprimer(Dialogues& dialogues, const QString& fichierIni)
    : QDialog(nullptr,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                  Qt::WindowCloseButtonHint),
      dialogues_(dialogues), modele_(PixelsParPouceEcran(), HauteurTexte),
      imprimante_(QPrinter::ScreenResolution) // draft quality
{
    Defilement = new QScrollArea(this);
    Defilement->setObjectName("Defilement");
    Defilement->setAlignment(Qt::AlignCenter);
    Defilement->setBackgroundRole(QPalette::Dark);
    Apercu = new TApercu(modele_.Page(), Defilement);
    Apercu->setObjectName("Apercu");
    Defilement->setWidget(Apercu);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    TexteStatusBar1 = new QLabel(StatusBar1);
    StatusBar1->addWidget(TexteStatusBar1, 1);

    auto* haut = new QHBoxLayout;
    haut->setContentsMargins(4, 4, 4, 4);
    haut->addWidget(Defilement, 1);
    haut->addWidget(creerColonne());
    auto* fenetre = new QVBoxLayout(this);
    fenetre->setContentsMargins(0, 0, 0, 0);
    fenetre->setSpacing(0);
    fenetre->addLayout(haut, 1);
    fenetre->addWidget(StatusBar1);

    connect(EditTitre, &QLineEdit::textChanged, this, &TImprimer::ChangementTitre);
    connect(ComboBoxPolice, &QComboBox::currentTextChanged, this, &TImprimer::ChangementTitre);
    connect(SpinEditTaille, &QSpinBox::valueChanged, this, &TImprimer::ChangementTitre);
    connect(TrackBarZoom, &QSlider::valueChanged, Apercu, &TApercu::SetZoom);
    connect(SpeedButtonPortrait, &QToolButton::clicked, this, &TImprimer::SpeedButtonOrientationClick);
    connect(SpeedButtonPaysage, &QToolButton::clicked, this, &TImprimer::SpeedButtonOrientationClick);
    connect(SpeedButtonCentreHaut, &QToolButton::clicked, this, &TImprimer::SpeedButtonCentreHautClick);
    connect(SpeedButtonPleinePage, &QToolButton::clicked, this, &TImprimer::SpeedButtonPleinePageClick);
    connect(BitBtnImprimer, &QPushButton::clicked, this, &TImprimer::BitBtnImprimerClick);
    connect(CheckBoxDouble, &QCheckBox::clicked, this, &TImprimer::CheckBoxDoubleClick);
    connect(Apercu, &TApercu::Appui, this, &TImprimer::ApercuAppui);
    connect(Apercu, &TApercu::Deplacement, this, &TImprimer::ApercuDeplacement);
    connect(Apercu, &TApercu::Relachement, this, &TImprimer::ApercuRelachement);

    FormStorage_ = new FormStorage(this, QStringLiteral("PrintForm"), dialogues_);
    FormStorage_->SetIniFileName(fichierIni);
    Creer();
}

TImprimer::~TImprimer() = default;

QWidget* TImprimer::creerColonne()
{
    auto* colonne = new QWidget(this);
    colonne->setFixedWidth(LargeurColonne);
    auto* v = new QVBoxLayout(colonne);
    v->setContentsMargins(0, 0, 0, 0);

    GroupBoxTitre = new QGroupBox(colonne);
    GroupBoxTitre->setObjectName("GroupBoxTitre");
    EditTitre = new QLineEdit(GroupBoxTitre);
    EditTitre->setObjectName("EditTitre");
    ComboBoxPolice = new QComboBox(GroupBoxTitre);
    ComboBoxPolice->setObjectName("ComboBoxPolice");
    ComboBoxPolice->addItems(FamillesPolices());
    ComboBoxPolice->setCurrentText(PoliceTitre);
    SpinEditTaille = new SpinBoutons(GroupBoxTitre);
    SpinEditTaille->setObjectName("SpinEditTaille");
    SpinEditTaille->setRange(10, 80);
    SpinEditTaille->setSingleStep(2);
    SpinEditTaille->setValue(16);
    auto* titre = new QVBoxLayout(GroupBoxTitre);
    titre->addWidget(EditTitre);
    titre->addWidget(ComboBoxPolice);
    titre->addWidget(SpinEditTaille);
    v->addWidget(GroupBoxTitre);

    LabelZoom = new QLabel(colonne);
    LabelZoom->setObjectName("LabelZoom");
    TrackBarZoom = new QSlider(Qt::Horizontal, colonne);
    TrackBarZoom->setObjectName("TrackBarZoom");
    TrackBarZoom->setRange(10, 100);
    TrackBarZoom->setSingleStep(1);
    TrackBarZoom->setValue(29);
    LabelZoom->setBuddy(TrackBarZoom);
    Apercu->SetZoom(TrackBarZoom->value());
    auto* zoom = new QHBoxLayout;
    zoom->addWidget(LabelZoom);
    zoom->addWidget(TrackBarZoom, 1);
    v->addLayout(zoom);

    GroupBoxOrientation = new QGroupBox(colonne);
    GroupBoxOrientation->setObjectName("GroupBoxOrientation");
    SpeedButtonPortrait = BoutonImage({}, Pictogrammes::Portrait(), GroupBoxOrientation);
    SpeedButtonPortrait->setObjectName("SpeedButtonPortrait");
    SpeedButtonPaysage = BoutonImage({}, Pictogrammes::Paysage(), GroupBoxOrientation);
    SpeedButtonPaysage->setObjectName("SpeedButtonPaysage");
    auto* groupe = new QButtonGroup(GroupBoxOrientation);
    for (QToolButton* b : {SpeedButtonPortrait, SpeedButtonPaysage}) {
        b->setCheckable(true);
        groupe->addButton(b);
    }
    SpeedButtonPortrait->setChecked(true);
    auto* orientation = new QVBoxLayout(GroupBoxOrientation);
    orientation->addWidget(SpeedButtonPortrait);
    orientation->addWidget(SpeedButtonPaysage);
    v->addWidget(GroupBoxOrientation);

    GroupBoxMiseEnPage = new QGroupBox(colonne);
    GroupBoxMiseEnPage->setObjectName("GroupBoxMiseEnPage");
    SpeedButtonCentreHaut = BoutonImage({}, Pictogrammes::CentreHaut(), GroupBoxMiseEnPage);
    SpeedButtonCentreHaut->setObjectName("SpeedButtonCentreHaut");
    SpeedButtonPleinePage = BoutonImage({}, Pictogrammes::PleinePage(), GroupBoxMiseEnPage);
    SpeedButtonPleinePage->setObjectName("SpeedButtonPleinePage");
    auto* miseEnPage = new QVBoxLayout(GroupBoxMiseEnPage);
    miseEnPage->addWidget(SpeedButtonCentreHaut);
    miseEnPage->addWidget(SpeedButtonPleinePage);
    v->addWidget(GroupBoxMiseEnPage);

    GroupBoxImpression = new QGroupBox(colonne);
    GroupBoxImpression->setObjectName("GroupBoxImpression");
    BitBtnImprimer = new QPushButton(GroupBoxImpression);
    BitBtnImprimer->setObjectName("BitBtnImprimer");
    ImageImprimante = new QLabel(GroupBoxImpression);
    ImageImprimante->setObjectName("ImageImprimante");
    ImageImprimante->setPixmap(Pictogrammes::Imprimante());
    CheckBoxDouble = new QCheckBox(GroupBoxImpression);
    CheckBoxDouble->setObjectName("CheckBoxDouble");
    auto* impression = new QGridLayout(GroupBoxImpression);
    impression->addWidget(BitBtnImprimer, 0, 0);
    impression->addWidget(ImageImprimante, 0, 1, 2, 1, Qt::AlignCenter);
    impression->addWidget(CheckBoxDouble, 1, 0);
    v->addWidget(GroupBoxImpression);
    v->addStretch(1);
    return colonne;
}

void TImprimer::Creer()
{
    setWindowTitle(Chaines::Texte("TitreImprimer"));
    GroupBoxTitre->setTitle(Chaines::Texte("ImprimerGroupeTitre"));
    PoserHint(GroupBoxTitre, Chaines::Texte("ImprimerHintTitre"));
    PoserHint(EditTitre, Chaines::Texte("ImprimerHintTitre"));
    PoserHint(ComboBoxPolice, Chaines::Texte("ImprimerHintPolice"));
    PoserHint(SpinEditTaille, Chaines::Texte("ImprimerHintTaille"));
    LabelZoom->setText(Chaines::Texte("ImprimerZoom"));
    PoserHint(TrackBarZoom, Chaines::Texte("ImprimerHintZoom"));
    GroupBoxOrientation->setTitle(Chaines::Texte("ImprimerGroupeOrientation"));
    PoserHint(GroupBoxOrientation, Chaines::Texte("ImprimerHintOrientation"));
    SpeedButtonPortrait->setText(Chaines::Texte("ImprimerPortrait"));
    SpeedButtonPaysage->setText(Chaines::Texte("ImprimerPaysage"));
    GroupBoxMiseEnPage->setTitle(Chaines::Texte("ImprimerGroupeMiseEnPage"));
    PoserHint(GroupBoxMiseEnPage, Chaines::Texte("ImprimerHintMiseEnPage"));
    SpeedButtonCentreHaut->setText(Chaines::Texte("ImprimerCentreHaut"));
    SpeedButtonPleinePage->setText(Chaines::Texte("ImprimerPleinePage"));
    GroupBoxImpression->setTitle(Chaines::Texte("ImprimerGroupeImpression"));
    PoserHint(GroupBoxImpression, Chaines::Texte("ImprimerHintImpression"));
    BitBtnImprimer->setText(Chaines::Texte("ImprimerBouton"));
    CheckBoxDouble->setText(Chaines::Texte("ImprimerDouble"));
    PoserHint(Apercu, Chaines::Texte("ImprimerHintApercu"));

    imprimante_.setDocName(Chaines::Texte("ImprimerDocument"));
    imprimante_.setColorMode(QPrinter::GrayScale);
    imprimante_.setDuplex(QPrinter::DuplexNone);
    modele_.SetMargesPhysiques(MargesMinimales(imprimante_.pageLayout()));

    setMinimumSize(TailleMinimale);
    resize(TailleClient);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
}

void TImprimer::ChargerImage(const QImage& source)
{
    modele_.ChargerImage(source);
    Rafraichir();
}

int TImprimer::Imprimer(const QImage& source, const QString& document)
{
    // Qt's dialog makes its file name from the job's name, until the user
    // has printed to a file once: then the name follows the document, in the
    // folder the user chose.
    imprimante_.setDocName(document);
    if (!imprimante_.outputFileName().isEmpty())
        imprimante_.setOutputFileName(QFileInfo(imprimante_.outputFileName())
                                          .dir()
                                          .filePath(QFileInfo(document).completeBaseName() + QStringLiteral(".pdf")));
    ChargerImage(source);
    // No parent: the window keeps its own place, centred or as stored.
    return dialogues_.Executer(*this, nullptr);
}

void TImprimer::Rafraichir()
{
    // The buttons show the page's orientation, whichever way it was set.
    const bool portrait = modele_.Page().Sens() == Orientation::Portrait;
    SpeedButtonPortrait->setChecked(portrait);
    SpeedButtonPaysage->setChecked(!portrait);
    Apercu->setCursor(Forme(modele_.Curseur()));
    Apercu->Actualiser();
}

void TImprimer::ChangementTitre()
{
    QFont police = EditTitre->font();
    police.setFamily(ComboBoxPolice->currentText());
    EditTitre->setFont(police);
    modele_.SetTitre(EditTitre->text(), ComboBoxPolice->currentText(), SpinEditTaille->value());
    Apercu->update();
}

void TImprimer::SpeedButtonOrientationClick()
{
    modele_.SetOrientation(SpeedButtonPaysage->isChecked() ? Orientation::Paysage : Orientation::Portrait);
    Rafraichir();
}

void TImprimer::SpeedButtonCentreHautClick()
{
    modele_.CentreHaut();
    Rafraichir();
}

void TImprimer::SpeedButtonPleinePageClick()
{
    modele_.PleinePage();
    Rafraichir();
}

void TImprimer::CheckBoxDoubleClick()
{
    const bool d = CheckBoxDouble->isChecked();
    modele_.SetDouble(d);
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButtonPortrait, SpeedButtonPaysage, SpeedButtonCentreHaut,
                                                      SpeedButtonPleinePage, EditTitre, ComboBoxPolice, SpinEditTaille})
        w->setEnabled(!d);
    Rafraichir();
}

void TImprimer::ApercuAppui(MPoint p)
{
    modele_.Appui(p);
}

void TImprimer::ApercuDeplacement(MPoint p)
{
    modele_.Deplacement(p);
    Apercu->setCursor(Forme(modele_.Curseur()));
    if (modele_.DeplacementEnCours() || modele_.RedimensionnementEnCours()) Apercu->update();
}

void TImprimer::ApercuRelachement(MPoint p)
{
    modele_.Relachement(p);
    Rafraichir();
}

void TImprimer::BitBtnImprimerClick()
{
    modele_.Redessiner(false);
    Rafraichir();
    // The dialog shows the page as it will be printed.
    imprimante_.setPageOrientation(modele_.Page().Sens() == Orientation::Portrait ? QPageLayout::Portrait
                                                                                  : QPageLayout::Landscape);
    if (dialogues_.Imprimante(imprimante_, this)) {
        modele_.SetMargesPhysiques(MargesMinimales(imprimante_.pageLayout()));
        imprimerPage();
    }
    modele_.Redessiner(true);
    Rafraichir();
}

void TImprimer::imprimerPage()
{
    const bool fichier = imprimante_.outputFormat() == QPrinter::PdfFormat;
    if (fichier ? imprimante_.outputFileName().isEmpty() : !imprimante_.isValid()) {
        dialogues_.Afficher(MessageSimple(IconeMessage::Information, {Chaines::Texte("ImprimerAucuneImprimante")}),
                            this);
        return;
    }
    // Page coordinates start at the paper's corner.
    imprimante_.setFullPage(true);
    if (!ImprimerPage(imprimante_, modele_.Page())) {
        QStringList lignes{Chaines::Texte("ImprimerEchec")};
        if (fichier) lignes << Chaines::Texte("ImprimerEchecFichier").arg(imprimante_.outputFileName());
        dialogues_.Afficher(MessageSimple(IconeMessage::Information, lignes), this);
    }
}

bool TImprimer::event(QEvent* e)
{
    if (e->type() == QEvent::StatusTip) {
        TexteStatusBar1->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QDialog::event(e);
}

void TImprimer::done(int r)
{
    // Closing by Escape reaches no close event: the placement is written here
    // (a close by the title bar has written the same values already).
    if (isVisible()) FormStorage_->Enregistrer(false);
    QDialog::done(r);
}
