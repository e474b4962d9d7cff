// Undo and redo of the measuring actions from the Measures menu and the keys,
// with the action named in the items' captions.

#include "app/UnitFiche.h"

#include "resources/UnitChainesRessources.h"
#include "view/UnitAviPlay.h"
#include "measure/UnitMesure.h"

#include <QMenu>

namespace {

QString Libelle(const ActionMesure& a)
{
    switch (a.Action) {
    case TAction::Marque: return Chaines::Texte("ActionMarque").arg(a.Numero);
    case TAction::RetraitMarque: return Chaines::Texte("ActionRetraitMarque").arg(a.Numero);
    case TAction::BoutEtalon: return Chaines::Texte("ActionBoutEtalon").arg(a.Numero);
    case TAction::RetraitBoutEtalon: return Chaines::Texte("ActionRetraitBoutEtalon").arg(a.Numero);
    case TAction::LongueurEtalon: return Chaines::Texte("ActionLongueurEtalon");
    case TAction::Origine: return Chaines::Texte("ActionOrigine");
    case TAction::RetraitOrigine: return Chaines::Texte("ActionRetraitOrigine");
    case TAction::DeplacementTransparent: return Chaines::Texte("ActionDeplacementTransparent");
    case TAction::MarqueTransparent: return Chaines::Texte("ActionMarqueTransparent").arg(a.Numero);
    case TAction::RetraitMarqueTransparent: return Chaines::Texte("ActionRetraitMarqueTransparent").arg(a.Numero);
    case TAction::EffacerMarques: return Chaines::Texte("ActionEffacerMarques");
    case TAction::EffacerTransparent: return Chaines::Texte("ActionEffacerTransparent");
    case TAction::EffacerTout: return Chaines::Texte("ActionEffacerTout");
    case TAction::MarquesParImage: return Chaines::Texte("ActionMarquesParImage");
    case TAction::Suivi: return Chaines::Texte("ActionSuivi");
    case TAction::EffacerMarquesDepuis: return Chaines::Texte("ActionEffacerMarquesDepuis").arg(a.Numero);
    case TAction::AngleAxes: return Chaines::Texte("ActionAngleAxes");
    case TAction::Plan: return Chaines::Texte("ActionPlan");
    case TAction::RetraitPlan: return Chaines::Texte("ActionRetraitPlan");
    }
    return {};
}

QAction* Action(QMenu* menu, QAction* avant, const char* nom)
{
    auto* a = new QAction(Chaines::Texte(nom), menu);
    a->setObjectName(QString::fromLatin1(nom));
    menu->insertAction(avant, a);
    return a;
}

} // namespace

void TFiche::CreerMenusAnnulation()
{
    QAction* premiere = MenuMesures->actions().value(0);
    MenuMesuresAnnuler = Action(MenuMesures, premiere, "MenuMesuresAnnuler");
    MenuMesuresRefaire = Action(MenuMesures, premiere, "MenuMesuresRefaire");
    MenuMesures->insertSeparator(premiere);
    MenuMesures->addSeparator();
    MenuMesuresSuivi = Action(MenuMesures, nullptr, "MenuMesuresSuivi");
    MenuMesuresAnnuler->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    MenuMesuresRefaire->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    MenuMesuresSuivi->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    // The keys work whether the menu can open or not.
    addActions({MenuMesuresAnnuler, MenuMesuresRefaire, MenuMesuresSuivi});
    connect(MenuMesuresAnnuler, &QAction::triggered, this, &TFiche::MenuMesuresAnnulerClick);
    connect(MenuMesuresRefaire, &QAction::triggered, this, &TFiche::MenuMesuresRefaireClick);
    connect(MenuMesuresSuivi, &QAction::triggered, this, &TFiche::MenuMesuresSuiviClick);
    CreerMenusSuivi();
}

void TFiche::MettreAJourAnnulation()
{
    const TMesure& m = Vue_->Mesure();
    const HistoriqueMesure& h = m.Historique();
    const bool ouverte = Vue_->Opened();
    // A run under way is the step the next undo takes back.
    const bool annulable = m.SuiteEnCours() || h.PeutAnnuler();
    MenuMesuresAnnuler->setEnabled(ouverte && annulable);
    MenuMesuresAnnuler->setText(
        !annulable ? Chaines::Texte("MenuMesuresAnnuler")
                   : Chaines::Texte("MenuMesuresAnnulerAction")
                         .arg(Libelle(m.SuiteEnCours() ? ActionMesure{TAction::Suivi} : h.AAnnuler())));
    const bool refaisable = !m.SuiteEnCours() && h.PeutRefaire();
    MenuMesuresRefaire->setEnabled(ouverte && refaisable);
    MenuMesuresRefaire->setText(refaisable ? Chaines::Texte("MenuMesuresRefaireAction").arg(Libelle(h.ARefaire()))
                                           : Chaines::Texte("MenuMesuresRefaire"));
    MenuMesuresSuivi->setEnabled(ouverte && !suiviEnCours_);
    MenuMesuresEffacerDepuis->setEnabled(ouverte && !suiviEnCours_ && m.NombreDePoints() > 0);
}

void TFiche::MenuMesuresAnnulerClick()
{
    if (!Vue_->Opened()) return;
    if (suiviEnCours_) {
        const std::size_t faites = Vue_->Mesure().Historique().Faites();
        ArreterSuivi();
        // Stopped before its first marks: taking back the run was all the user asked.
        if (Vue_->Mesure().Historique().Faites() == faites) return;
    }
    Vue_->Mesure().Annuler();
}

void TFiche::MenuMesuresRefaireClick()
{
    if (!Vue_->Opened() || suiviEnCours_) return;
    Vue_->Mesure().Refaire();
}
