// The main window's Results menu: the measurement is checked, handed to the
// results window for computation, and the chosen view shown.

#include "app/UnitFiche.h"

#include "app/UnitFenetresFiche.h"
#include "measure/UnitEntreesSeries.h"
#include "media/FrameSource.h"
#include "kit/Dialogues.h"
#include "resources/UnitChainesRessources.h"
#include "resources/UnitImages.h"
#include "results/UnitResultats.h"
#include "view/UnitAviPlay.h"
#include "measure/UnitMesure.h"

#include <QAction>
#include <QGuiApplication>
#include <QPixmap>

namespace {

// A precondition that does not hold: its picture and its line.
Message refus(const char* image, const char* ligne)
{
    Message m = MessageSimple(IconeMessage::Image, {Chaines::Texte(ligne)});
    m.image = QPixmap::fromImage(Images::Image(image, qGuiApp->devicePixelRatio()));
    return m;
}

} // namespace

void TFiche::BrancherMenusResultats()
{
    const struct {
        QAction* item;
        TVueResultats vue;
    } items[] = {
        {MenuResultatsTableauDesValeurs, TVueResultats::Tableau},
        {MenuResultatsVariationsEnFonctionDuTemps, TVueResultats::Temps},
        {MenuResultatsTrajectoireDansUnReferentiel, TVueResultats::Trajectoire},
        {MenuResultatsRepresentationDesVecteurs, TVueResultats::Vecteurs},
    };
    for (const auto& i : items)
        connect(i.item, &QAction::triggered, this, [this, vue = i.vue] { MenuResultatsItemClick(vue); });
    connect(MenuResultatsMasses, &QAction::triggered, this, &TFiche::MenuResultatsMassesClick);
    connect(MenuResultatsGrandeur, &QAction::triggered, this, &TFiche::MenuResultatsGrandeurClick);
}

void TFiche::MenuResultatsItemClick(TVueResultats vue)
{
    const EtatMesure& m = Vue_->Mesure().Etat();
    // With the overlay tool the video's marks and origin are not needed.
    const bool transparent = m.Outil == TOutil::Transparent;
    // A plane replaces the scale segment.
    if (!m.Etalonne()) {
        Afficher(refus("BmpEchelleSeule", "MsgResultatsEchelle"));
        return;
    }
    if (!transparent && m.NombreDePoints() < 1) {
        Afficher(refus("BmpMarqueSeule", "MsgResultatsMarques"));
        return;
    }
    if (!transparent && !m.OrigineEstPlacee()) {
        Afficher(refus("BmpOrigineSeule", "MsgResultatsOrigine"));
        return;
    }
    if (transparent && m.NombreDePointsTsp() < 1) {
        Afficher(refus("BmpTransparentSeul", "MsgResultatsTransparent"));
        return;
    }

    TResultats& resultats = fenetres_.Resultats();
    resultats.Modele().PoserGrandeurs(m.Grandeurs);
    resultats.PoserAjustements(m.Ajustements);
    const TEntreesSeries entrees = EntreesSeries(m, Vue_->Source().Faits(), Vue_->FileName().toStdString());
    switch (resultats.CalculerResultats(entrees, AfficherVitesse, AfficherAcceleration)) {
    case CodePivotNul: information("MsgDivisionParZero"); return;
    case CodeErreurInconnue:
    case CodeEtalonNul: information("MsgErreurInconnue"); return;
    default: break;
    }
    // A print is named after the work file, or after the video.
    resultats.FixerDocument(cheminTravail_.isEmpty() ? Vue_->FileName() : cheminTravail_);
    if (!resultats.Afficher(vue)) return;
    dialogues_.Executer(resultats, this);
    // The fits made in the results are kept with the work.
    Vue_->Mesure().SetAjustements(resultats.Ajustements());
}
