#include "results/UnitPanneauAjustement.h"

#include "core/UnitFormatReel.h"
#include "resources/UnitChainesRessources.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr const char* NomsModeles[] = {
    "AjustementModeleDroite", "AjustementModeleParabole",    "AjustementModelePoly3",     "AjustementModeleExp",
    "AjustementModeleSinus",  "AjustementModeleSinusAmorti", "AjustementModeleExpression"};

} // namespace

TPanneauAjustement::TPanneauAjustement(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PanneauAjustement"));
    setAccessibleName(Chaines::Texte("AjustementTitre"));
    setFixedWidth(Largeur);
    setAutoFillBackground(true);

    ComboModele = new QComboBox(this);
    for (TModele m : Modeles()) ComboModele->addItem(Chaines::Texte(NomsModeles[int(m)]), int(m));
    ComboModele->setCurrentIndex(int(TModele::Parabole));
    EditExpression = new QLineEdit(this);
    EditDeparts = new QLineEdit(this);
    SpinDe = new QSpinBox(this);
    SpinA = new QSpinBox(this);
    SpinEchelle = new QDoubleSpinBox(this);
    SpinEchelle->setRange(0.0, 100.0);
    SpinEchelle->setDecimals(2);
    SpinEchelle->setSingleStep(0.1);
    CheckResidus = new QCheckBox(Chaines::Texte("AjustementResidus"), this);
    BoutonProlozit = new QPushButton(Chaines::Texte("AjustementProlozit"), this);
    LabelResultat = new QLabel(this);
    LabelResultat->setObjectName(QStringLiteral("ResultatAjustement"));
    LabelResultat->setWordWrap(true);
    LabelResultat->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelResultat->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    LabelResultat->setAccessibleName(Chaines::Texte("AjustementTitre"));

    auto* titre = new QLabel(QStringLiteral("<b>%1</b>").arg(Chaines::Texte("AjustementTitre")), this);
    auto* formulaire = new QFormLayout;
    formulaire->setRowWrapPolicy(QFormLayout::WrapAllRows);
    formulaire->addRow(Chaines::Texte("AjustementModele"), ComboModele);
    formulaire->addRow(Chaines::Texte("AjustementExpression"), EditExpression);
    formulaire->addRow(Chaines::Texte("AjustementDeparts"), EditDeparts);
    auto* plage = new QHBoxLayout;
    plage->addWidget(SpinDe);
    plage->addWidget(new QLabel(Chaines::Texte("AjustementA"), this));
    plage->addWidget(SpinA);
    formulaire->addRow(Chaines::Texte("AjustementDe"), plage);
    formulaire->addRow(Chaines::Texte("AjustementEchelleLongueur"), SpinEchelle);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(titre);
    colonne->addLayout(formulaire);
    colonne->addWidget(CheckResidus);
    colonne->addWidget(BoutonProlozit);
    colonne->addWidget(LabelResultat, 1);
    setStatusTip(Chaines::Texte("AjustementNapoveda").mid(1));

    connect(ComboModele, &QComboBox::currentIndexChanged, this, [this] { ModeleChange(); });
    connect(BoutonProlozit, &QPushButton::clicked, this, &TPanneauAjustement::Prolozit);
    connect(CheckResidus, &QCheckBox::toggled, this, &TPanneauAjustement::ResidusChange);
    ModeleChange();
}

void TPanneauAjustement::ModeleChange()
{
    const bool expression = Modele() == TModele::Expression;
    EditExpression->setEnabled(expression);
    EditDeparts->setEnabled(expression);
}

TModele TPanneauAjustement::Modele() const
{
    return TModele(ComboModele->currentData().toInt());
}

std::string TPanneauAjustement::Expression() const
{
    return EditExpression->text().toStdString();
}

std::vector<double> TPanneauAjustement::Departs() const
{
    std::vector<double> v;
    for (const QString& s :
         EditDeparts->text().split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts))
        if (const auto x = LireReel(s)) v.push_back(*x);
    return v;
}

double TPanneauAjustement::IncertitudeLongueur() const
{
    return SpinEchelle->value() / 100.0;
}

bool TPanneauAjustement::Residus() const
{
    return CheckResidus->isChecked();
}

int TPanneauAjustement::De() const
{
    return SpinDe->value();
}

int TPanneauAjustement::A() const
{
    return SpinA->value();
}

void TPanneauAjustement::PoserImages(int premiere, int derniere)
{
    for (QSpinBox* s : {SpinDe, SpinA}) s->setRange(premiere, std::max(premiere, derniere));
}

void TPanneauAjustement::PoserPlage(int de, int a)
{
    SpinDe->setValue(de);
    SpinA->setValue(a);
}

void TPanneauAjustement::PoserDemande(const TDemandeAjustement& d, int de, int a)
{
    ComboModele->setCurrentIndex(ComboModele->findData(int(d.Modele)));
    EditExpression->setText(QString::fromStdString(d.Expression));
    SpinEchelle->setValue(d.IncertitudeLongueur * 100.0);
    PoserPlage(de, a);
}

void TPanneauAjustement::PoserResultat(const QString& texte)
{
    LabelResultat->setText(texte);
}
