// The Measures menu's calibration beyond the scale segment: turning the
// axes, and the plane seen in perspective from its four clicked corners.

#include "app/UnitFiche.h"

#include "kit/Dialogues.h"
#include "kit/Hint.h"
#include "media/FrameSource.h"
#include "measure/UnitMesure.h"
#include "resources/UnitChainesRessources.h"
#include "view/UnitAviPlay.h"
#include "view/UnitBoitesCalibration.h"

#include <QAction>
#include <QMenu>

namespace {

const char* HintOutil(TOutil o)
{
    switch (o) {
    case TOutil::Etalon: return "HintVueEtalon";
    case TOutil::Origine: return "HintVueOrigine";
    case TOutil::Transparent: return "HintVueTransparent";
    case TOutil::Marque: break;
    }
    return "HintVueMarque";
}

const char* RefusPlan(DefautPlan d)
{
    switch (d) {
    case DefautPlan::CoinRepete: return "PlanRefusCoinRepete";
    case DefautPlan::TroisAlignes: return "PlanRefusAlignes";
    case DefautPlan::Croise: return "PlanRefusCroise";
    case DefautPlan::Dimensions: return "PlanRefusDimensions";
    case DefautPlan::Aucun: break;
    }
    return nullptr;
}

} // namespace

void TFiche::CreerMenusCalibration()
{
    const auto action = [this](const char* nom) {
        auto* a = MenuMesures->addAction(Chaines::Texte(nom));
        a->setObjectName(QString::fromLatin1(nom));
        return a;
    };
    MenuMesuresAxes = action("MenuMesuresAxes");
    MenuMesuresPlan = action("MenuMesuresPlan");
    MenuMesuresRetirerPlan = action("MenuMesuresRetirerPlan");
    connect(MenuMesuresAxes, &QAction::triggered, this, &TFiche::MenuMesuresAxesClick);
    connect(MenuMesuresPlan, &QAction::triggered, this, &TFiche::MenuMesuresPlanClick);
    connect(MenuMesuresRetirerPlan, &QAction::triggered, this, &TFiche::MenuMesuresRetirerPlanClick);
}

void TFiche::MenuMesuresAxesClick()
{
    if (!Vue_->Opened()) return;
    TMesure& m = Vue_->Mesure();
    TBoiteAxes boite(this);
    boite.Angle = m.Etat().AngleAxes;
    boite.EtalonDisponible = m.Etat().EtalonPlace();
    if (dialogues_.Executer(boite, this) != QDialog::Accepted) return;
    if (boite.SelonEtalon)
        m.AxesSelonEtalon(Vue_->Source().AspectRatio());
    else
        m.SetAngleAxes(boite.Angle);
}

void TFiche::MenuMesuresPlanClick()
{
    if (!Vue_->Opened()) return;
    coinsPlan_ = true;
    PoserHintLigne(Vue_, Chaines::Texte("HintVuePlan"));
    Vue_->Mesure().CommencerCoinsPlan();
}

void TFiche::MenuMesuresRetirerPlanClick()
{
    if (Vue_->Opened()) Vue_->Mesure().RetirerPlan();
}

void TFiche::OnCoinsPlan()
{
    TMesure& m = Vue_->Mesure();
    TPlan plan;
    for (std::size_t i = 0; i < plan.Coins.size(); ++i) plan.Coins[i] = m.CoinsPlan()[i];
    // The corners first, so that a wrong click is told before any typing.
    TPlan essai = plan;
    essai.Largeur = essai.Hauteur = 1.0;
    if (const char* refus = RefusPlan(VerifierPlan(essai))) {
        information(refus);
        m.AbandonnerCoinsPlan();
        return;
    }
    TBoitePlan boite(this);
    if (m.Etat().Plan) {
        boite.Largeur = m.Etat().Plan->Largeur;
        boite.Hauteur = m.Etat().Plan->Hauteur;
    }
    if (dialogues_.Executer(boite, this) != QDialog::Accepted) {
        m.AbandonnerCoinsPlan();
        return;
    }
    plan.Largeur = boite.Largeur;
    plan.Hauteur = boite.Hauteur;
    if (const char* refus = RefusPlan(m.PlacerPlan(plan))) {
        information(refus);
        m.AbandonnerCoinsPlan();
    }
}

void TFiche::SuivreCoinsPlan()
{
    if (!coinsPlan_ || (Vue_ && Vue_->Mesure().CoinsPlanEnCours())) return;
    coinsPlan_ = false;
    if (Vue_) PoserHintLigne(Vue_, Chaines::Texte(HintOutil(Vue_->Mesure().Etat().Outil)));
}
