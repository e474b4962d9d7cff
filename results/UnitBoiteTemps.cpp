#include "results/UnitBoiteTemps.h"

#include "results/UnitEditionNombre.h"
#include "results/UnitTextesTemps.h"
#include "resources/UnitChainesRessources.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>

namespace {
constexpr int LargeurClient = 328;
constexpr int HauteurStatusBar = 19;
} // namespace

TBoiteTemps::TBoiteTemps(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                  Qt::WindowCloseButtonHint)
{
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignHCenter);

    GroupBox1 = new QGroupBox(Chaines::Texte("TempsGroupe"), this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(8, 0, LargeurClient - 16, 84);

    RadioButtonDefaut = new QRadioButton(GroupBox1);
    RadioButtonDefaut->setObjectName("RadioButtonDefaut");
    RadioButtonDefaut->setGeometry(12, 22, LargeurClient - 40, 20);
    RadioButtonDefaut->setChecked(true);

    RadioButtonAutreValeur = new QRadioButton(Chaines::Texte("TempsAutreValeur"), GroupBox1);
    RadioButtonAutreValeur->setObjectName("RadioButtonAutreValeur");
    RadioButtonAutreValeur->setGeometry(12, 52, 166, 20);

    RxCalcEdit1 = new TEditionNombre(GroupBox1);
    RxCalcEdit1->setObjectName("RxCalcEdit1");
    RxCalcEdit1->setGeometry(180, 50, 68, 23);
    RxCalcEdit1->ChoisirValeur(1e-6);

    Label2 = new QLabel(Chaines::Texte("TempsSecondes"), GroupBox1);
    Label2->setObjectName("Label2");
    Label2->move(252, 54);
    Label2->adjustSize();

    BitBtn1 = new QPushButton(Chaines::Texte("BoutonOK"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry((LargeurClient - 75) / 2, 0, 75, 25);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    TexteStatusBar1 = new QLabel(StatusBar1);
    StatusBar1->addWidget(TexteStatusBar1, 1);

    connect(RadioButtonDefaut, &QRadioButton::clicked, this, &TBoiteTemps::RadioButtonDefautClick);
    connect(RadioButtonAutreValeur, &QRadioButton::clicked, this, &TBoiteTemps::RadioButtonAutreValeurClick);
    connect(RxCalcEdit1, &TEditionNombre::Clic, this, &TBoiteTemps::RxCalcEdit1Click);
    connect(RxCalcEdit1, &TEditionNombre::Entree, this, &TBoiteTemps::Valider);
    connect(BitBtn1, &QPushButton::clicked, this, &TBoiteTemps::BitBtn1Click);

    Creer();
    Disposer();
}

void TBoiteTemps::Creer()
{
    setWindowTitle(Chaines::Texte("TitreBoiteTemps"));
    TexteStatusBar1->setText(Chaines::Texte("TempsBornes"));
}

void TBoiteTemps::showEvent(QShowEvent* e)
{
    Montrer();
    QDialog::showEvent(e);
}

void TBoiteTemps::Montrer()
{
    if (PasDeTemps.TChoisi == 0.0) PasDeTemps.TChoisi = PasDeTemps.TDefaut;
    if (PasDeTemps.TChoisi == 0.0) return; // nothing computed yet: the design-time texts stay

    RxCalcEdit1->ChoisirValeur(PasDeTemps.TChoisi);
    if (PasDeTemps.TChoisi == PasDeTemps.TDefaut) {
        RadioButtonDefaut->setChecked(true);
    } else {
        RadioButtonAutreValeur->setChecked(true);
        RadioButtonAutreValeurClick();
    }
    RadioButtonDefaut->setText(TextesTemps::ChoixDefaut(PasDeTemps.TDefaut));
    QString information = TextesTemps::Information(PasDeTemps.TDefaut);
    if (PasDeTemps.DefautDeCapture) information += u'\n' + TextesTemps::Capture(PasDeTemps.PasVideo);
    Label1->setText(information);
    Disposer();
}

void TBoiteTemps::Disposer()
{
    Label1->adjustSize();
    Label1->move((LargeurClient - Label1->width()) / 2, 8);
    GroupBox1->move(GroupBox1->x(), Label1->y() + Label1->height() + 12);
    BitBtn1->move(BitBtn1->x(), GroupBox1->y() + GroupBox1->height() + 8);
    const int hauteur = BitBtn1->y() + BitBtn1->height() + HauteurStatusBar + 8;
    StatusBar1->setGeometry(0, hauteur - HauteurStatusBar, LargeurClient, HauteurStatusBar);
    setFixedSize(LargeurClient, hauteur);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
}

void TBoiteTemps::RadioButtonDefautClick()
{
    PasDeTemps.TChoisi = PasDeTemps.TDefaut;
    RxCalcEdit1->ChoisirValeur(PasDeTemps.TChoisi);
}

void TBoiteTemps::RadioButtonAutreValeurClick()
{
    RxCalcEdit1->setFocus();
    RxCalcEdit1->ChoisirValeur(PasDeTemps.TChoisi);
    RxCalcEdit1->selectAll();
}

void TBoiteTemps::RxCalcEdit1Click()
{
    RadioButtonAutreValeur->setChecked(true); // setChecked does not run the button's click handler
    RxCalcEdit1->selectAll();
}

void TBoiteTemps::BitBtn1Click()
{
    if (RadioButtonAutreValeur->isChecked() && RxCalcEdit1->Valeur() != PasDeTemps.TChoisi)
        Valider();
    else
        accept();
}

void TBoiteTemps::Valider()
{
    const double v = RxCalcEdit1->Valeur();
    if (!TPasDeTemps::Admis(v)) return; // the dialog stays open; the status bar shows the range
    PasDeTemps.TChoisi = v;
    accept();
}
