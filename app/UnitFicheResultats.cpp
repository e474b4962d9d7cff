// The main window's Results menu: the measurement is checked, handed to the
// results window for computation, and the chosen view shown.

#include "app/UnitFiche.h"

#include "app/UnitApplication.h"
#include "kinematics/UnitSeries.h"
#include "kit/Dialogues.h"
#include "resources/UnitChainesRessources.h"
#include "resources/UnitImages.h"
#include "results/UnitResultats.h"
#include "video/UnitAviPlay.h"
#include "video/UnitMesure.h"

#include <QAction>
#include <QPixmap>
#include <QToolButton>

namespace {

// A precondition that does not hold: its picture and its line.
void refuser(const char* image, const char* ligne, QWidget* parent)
{
    Message m = MessageSimple(IconeMessage::Image, {Chaines::Texte(ligne)});
    m.image = QPixmap::fromImage(Images::Image(image));
    Afficher(m, parent);
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
}

TEntreesSeries TFiche::EntreesResultats() const
{
    const TMesure& m = Vue_->Mesure();
    TEntreesSeries e;
    e.ModeTransparent = m.ModeTransparent();
    e.AxeVersLeBas = m.AxeVersLeBas;
    e.Origine = m.Origine;
    e.MarquesParImage = m.MarquesParImage;
    e.EtatEtalon = m.EtatEtalon;
    e.NombreDePoints = m.NombreDePoints();
    e.Marques = m.Marques;
    e.NombreDePointsTsp = m.NombreDePointsTsp();
    e.MarquesTsp = m.MarquesTsp;
    e.LongueurEtalon = m.LongueurEtalon;
    e.FrameTime = Vue_->FrameTime();
    e.AspectRatio = Vue_->AspectRatio();
    e.PointsEtalon = m.PointsEtalon;
    e.FichierVideo = Vue_->FileName().toStdString();
    return e;
}

void TFiche::MenuResultatsItemClick(TVueResultats vue)
{
    const TMesure& m = Vue_->Mesure();
    const bool transparent = SpeedButtonTransparent->isChecked();
    if (m.EtatEtalon != 2) return refuser("BmpEchelleSeule", "MsgResultatsEchelle", this);
    if (!transparent && m.NombreDePoints() < 1) return refuser("BmpMarqueSeule", "MsgResultatsMarques", this);
    if (!transparent && m.OriginePlacee != 1) return refuser("BmpOrigineSeule", "MsgResultatsOrigine", this);
    if (transparent && m.NombreDePointsTsp() < 1)
        return refuser("BmpTransparentSeul", "MsgResultatsTransparent", this);

    TResultats& resultats = Fenetres::Instance().Resultats();
    switch (resultats.CalculerResultats(EntreesResultats(), AfficherVitesse, AfficherAcceleration)) {
    case CodePivotNul:
        Afficher(MessageSimple(IconeMessage::Information, {Chaines::Texte("MsgDivisionParZero")}), this);
        return;
    case CodeErreurInconnue:
    case CodeEtalonNul:
        Afficher(MessageSimple(IconeMessage::Information, {Chaines::Texte("MsgErreurInconnue")}), this);
        return;
    default: break;
    }
    if (resultats.Afficher(vue)) Dialogues::Courant().Executer(resultats, this);
}
