#include "options/UnitOptions.h"

#include "core/IniFile.h"
#include "kit/Centrer.h"
#include "kit/Dialogues.h"
#include "kit/Hint.h"
#include "options/Association.h"
#include "options/MotDePasse.h"
#include "resources/UnitChainesRessources.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace {

const QString Section = QStringLiteral("Options");

// The on/off keys, each with its box.
struct Cle {
    const char* nom;
    QCheckBox* TOptions::*caseACocher;
};
constexpr Cle Cles[] = {
    {"Speedy", &TOptions::CheckBoxVitesse},
    {"Acceleration", &TOptions::CheckBoxAcceleration},
    {"Proportions", &TOptions::CheckBoxProportions},
    {"Freeze", &TOptions::CheckBoxFigerMRU},
    {"Confirmation", &TOptions::CheckBoxConfirmation},
};

} // namespace

DemandeMotDePasse DemandeMotDePasseOptions()
{
    DemandeMotDePasse d;
    d.titre = Chaines::Texte("TitreMotDePasse");
    d.libelle = Chaines::Texte("LibelleMotDePasse");
    d.ok = Chaines::Texte("BoutonMotDePasseOK");
    d.annuler = Chaines::Texte("BoutonMotDePasseAnnuler");
    return d;
}

TOptions::TOptions(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Chaines::Texte("TitreOptions"));
    auto* tout = new QVBoxLayout(this);
    tout->setContentsMargins(0, 8, 0, 0);
    auto* cases = new QVBoxLayout;
    cases->setContentsMargins(12, 0, 12, 0);
    tout->addLayout(cases);
    CheckBoxMotDePasse = creerCase("OptionsMotDePasse", "HintOptionsMotDePasse");
    CheckBoxAssociation = creerCase("OptionsAssociation", "HintOptionsAssociation");
    CheckBoxProportions = creerCase("OptionsProportions", "HintOptionsProportions");
    CheckBoxVitesse = creerCase("OptionsVitesse", "HintOptionsVitesse");
    CheckBoxAcceleration = creerCase("OptionsAcceleration", "HintOptionsAcceleration");
    CheckBoxConfirmation = creerCase("OptionsConfirmation", "HintOptionsConfirmation");
    CheckBoxFigerMRU = creerCase("OptionsFigerMRU", "HintOptionsFigerMRU");
    for (QCheckBox* c : {CheckBoxMotDePasse, CheckBoxAssociation, CheckBoxProportions, CheckBoxVitesse,
                         CheckBoxAcceleration, CheckBoxConfirmation, CheckBoxFigerMRU})
        cases->addWidget(c);
    // The user's click only: ticking the box while preparing runs nothing.
    connect(CheckBoxMotDePasse, &QCheckBox::clicked, this, &TOptions::CheckBoxMotDePasseClick);

    LabelMRU1 = new QLabel(Chaines::Texte("OptionsMRU1"));
    RxSpinEditMRU = new QSpinBox;
    RxSpinEditMRU->setRange(1, 20);
    RxSpinEditMRU->setAccessibleName(Chaines::Texte("OptionsMRU1"));
    LabelMRU2 = new QLabel(Chaines::Texte("OptionsMRU2"));
    LabelMRU1->setBuddy(RxSpinEditMRU);
    auto* compte = new QHBoxLayout;
    compte->setContentsMargins(12, 4, 12, 0);
    compte->addWidget(LabelMRU1);
    compte->addWidget(RxSpinEditMRU);
    compte->addWidget(LabelMRU2);
    compte->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{LabelMRU1, RxSpinEditMRU, LabelMRU2})
        PoserHint(w, Chaines::Texte("HintOptionsMRU"));
    tout->addLayout(compte);

    BitBtn1 = new QPushButton(Chaines::Texte("BoutonOK"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    auto* bas = new QHBoxLayout;
    bas->setContentsMargins(12, 4, 12, 4);
    bas->addStretch();
    bas->addWidget(BitBtn1);
    bas->addStretch();
    tout->addLayout(bas);

    StatusBar = new QStatusBar;
    StatusBar->setSizeGripEnabled(false);
    StatusBar->setFixedHeight(19);
    tout->addWidget(StatusBar);

    setFixedSize(360, sizeHint().height());
    ReglerNombreFichiers(NombreFichiers);
}

QCheckBox* TOptions::creerCase(const char* legende, const char* hint)
{
    auto* c = new QCheckBox(Chaines::Texte(legende));
    PoserHint(c, Chaines::Texte(hint));
    return c;
}

void TOptions::PreparerOptions(const QString& chemin)
{
    CheminIni = chemin;
    CheckBoxAssociation->setChecked(Association::Presente());
    if (CheminIni.isEmpty()) return;
    const IniFile ini(CheminIni);
    MotDePasseEnregistre = ini.ReadString(Section, QStringLiteral("Password"));
    CheckBoxMotDePasse->setChecked(!MotDePasseEnregistre.isEmpty());
    for (const Cle& c : Cles)
        (this->*c.caseACocher)->setChecked(!ini.ReadString(Section, QString::fromLatin1(c.nom)).isEmpty());
}

void TOptions::ReglerNombreFichiers(int n)
{
    NombreFichiers = n;
    RxSpinEditMRU->setValue(n);
}

int TOptions::NombreFichiersAffiche() const
{
    return RxSpinEditMRU->value();
}

void TOptions::CheckBoxMotDePasseClick()
{
    if (CheminIni.isEmpty()) return;
    if (!CheckBoxMotDePasse->isChecked()) {
        ecrire(QStringLiteral("Password"), QString());
        return;
    }
    const auto saisi = Dialogues::Courant().MotDePasse(DemandeMotDePasseOptions(), this);
    if (!saisi) {
        CheckBoxMotDePasse->setChecked(false);
        return;
    }
    // The new password locks the dialog from its next opening on.
    ecrire(QStringLiteral("Password"), MotDePasse::Hacher(*saisi));
}

void TOptions::Fermer()
{
    const bool presente = Association::Presente();
    bool registreOk = true;
    if (CheckBoxAssociation->isChecked() && !presente)
        registreOk = Association::AssocierExtension(QCoreApplication::applicationFilePath());
    else if (!CheckBoxAssociation->isChecked() && presente)
        registreOk = Association::DissocierExtension();
    if (!registreOk) avertirRegistre();

    if (CheminIni.isEmpty()) return;
    for (const Cle& c : Cles)
        if (!ecrire(QString::fromLatin1(c.nom), (this->*c.caseACocher)->isChecked() ? QStringLiteral("*") : QString()))
            return;
    if (!ecrire(QStringLiteral("NumFiles"), QString::number(RxSpinEditMRU->value()))) return;
    if (montre_) ecrire(QStringLiteral("FormVersion"), QStringLiteral("0"));
}

bool TOptions::ecrire(const QString& cle, const QString& valeur)
{
    IniFile ini(CheminIni);
    if (ini.WriteString(Section, cle, valeur)) return true;
    // The general error report: the text, then the program goes on.
    Afficher(MessageSimple(IconeMessage::Erreur,
                           Chaines::AvecCause({Chaines::MessageEcritureIni(ini.Chemin())}, ini.CauseEchecEcriture())),
             this);
    return false;
}

void TOptions::avertirRegistre()
{
    Message m = MessageSimple(IconeMessage::Avertissement, {Chaines::Texte("MsgErreurRegistre")});
    m.titre.clear();
    Afficher(m, this);
}

void TOptions::done(int r)
{
    Fermer();
    QDialog::done(r);
}

void TOptions::showEvent(QShowEvent* e)
{
    montre_ = true;
    CentrerSurEcran(this);
    QDialog::showEvent(e);
}

bool TOptions::event(QEvent* e)
{
    // Hints beginning with "|" show only here, on the dialog's status bar.
    if (e->type() == QEvent::StatusTip) {
        StatusBar->showMessage(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QDialog::event(e);
}
