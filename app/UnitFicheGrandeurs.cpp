// The main window's Results menu, beyond the four views: the masses of the
// moving points with g, and the user's own quantities, kept with the
// measurement.

#include "app/UnitFiche.h"

#include "app/UnitFenetresFiche.h"
#include "kit/Dialogues.h"
#include "measure/UnitEntreesSeries.h"
#include "measure/UnitMesure.h"
#include "media/FrameSource.h"
#include "results/UnitBoiteGrandeur.h"
#include "results/UnitBoiteMasses.h"
#include "results/UnitResultats.h"
#include "view/UnitAviPlay.h"

void TFiche::MenuResultatsMassesClick()
{
    if (!Vue_->Opened()) return;
    TMesure& mesure = Vue_->Mesure();
    TBoiteMasses boite(this);
    boite.Poser(mesure.Etat().Grandeurs, mesure.Etat().MarquesParImage);
    if (dialogues_.Executer(boite, this) == QDialog::Accepted) mesure.SetGrandeurs(boite.Grandeurs);
}

void TFiche::MenuResultatsGrandeurClick()
{
    if (!Vue_->Opened()) return;
    TMesure& mesure = Vue_->Mesure();
    TBoiteGrandeur boite(this);
    boite.Poser(mesure.Etat().Grandeurs, SeriesPourGrandeurs());
    if (dialogues_.Executer(boite, this) == QDialog::Accepted) mesure.SetGrandeurs(boite.Grandeurs);
}

const TResultatsSeries* TFiche::SeriesPourGrandeurs()
{
    const EtatMesure& m = Vue_->Mesure().Etat();
    // The preconditions of the Results commands, without their messages.
    const bool transparent = m.Outil == TOutil::Transparent;
    const bool complete =
        m.EtalonPlace() && (transparent ? m.NombreDePointsTsp() > 0 : m.NombreDePoints() > 0 && m.OrigineEstPlacee());
    if (!complete) return nullptr;
    TResultats& resultats = fenetres_.Resultats();
    resultats.Modele().PoserGrandeurs(m.Grandeurs);
    const CodeResultat code =
        resultats.CalculerResultats(EntreesSeries(m, Vue_->Source().Faits(), Vue_->FileName().toStdString()),
                                    AfficherVitesse, AfficherAcceleration);
    return code == CodeSucces || code == CodeTropPeuDeMesures ? &resultats.Series() : nullptr;
}
