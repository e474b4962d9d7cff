// Automatic tracking from the main window: the run starts on a worker from the
// last frame with all its points marked; each frame's positions are placed as
// marks when they come back, each knowing how it was found, the view
// advancing as a press makes it; the hint line shows the progress and why the
// run ended; the whole run undoes as one step. After a stop the user corrects
// the mark by hand (or erases the marks from a frame on) and runs again.

#include "app/UnitFiche.h"

#include "resources/UnitChainesRessources.h"
#include "view/UnitAviPlay.h"
#include "measure/UnitMesure.h"
#include "tracking/UnitTravailleurSuivi.h"

#include <QLabel>
#include <QMenu>
#include <QToolButton>

void TFiche::MenuMesuresSuiviClick()
{
    if (!Vue_->Opened() || suiviEnCours_) return;
    // The run places the video's marks.
    if (!SpeedButtonMarque->isChecked()) SpeedButtonMarqueClick();
    TMesure& m = Vue_->Mesure();
    const DepartSuivi depart = Depart(m.Etat(), Vue_->NumeroImage());
    if (depart.Image < 0) {
        information("MsgSuiviSansMarque");
        return;
    }
    Vue_->AllerImage(depart.Image + 1);
    suivi_.reset(); // the worker of the run before, long finished
    suiviEnCours_ = true;
    marquesAttendues_ = m.NombreDePoints();
    m.CommencerSuite(TAction::Suivi);
    ParametresSuivi p;
    p.SuivreAuRepos = MenuMesuresSuivreAuRepos->isChecked();
    suivi_ = std::make_unique<TravailleurSuivi>(
        Vue_->FileName(), depart, this, [this](const EtapeSuivi& e) { EtapeSuivie(e); }, p);
    StatusBar1->setText(Chaines::Texte("SuiviEnCours").arg(Vue_->NumeroImage() + 1).arg(Vue_->FrameCount()));
    MettreAJourAnnulation();
}

void TFiche::EtapeSuivie(const EtapeSuivi& e)
{
    if (!suiviEnCours_) return; // stopped: what the worker still sends is dropped
    const QString image = QString::number(e.Image + 1);
    switch (e.Fin) {
    case FinSuivi::Aucune: break;
    case FinSuivi::DerniereImage: TerminerSuivi(Chaines::Texte("SuiviDerniereImage")); return;
    case FinSuivi::Perdu: TerminerSuivi(Chaines::Texte("SuiviPerdu").arg(image)); return;
    case FinSuivi::HorsImage: TerminerSuivi(Chaines::Texte("SuiviHorsImage").arg(image)); return;
    case FinSuivi::SansImage: TerminerSuivi(Chaines::Texte("SuiviSansImage").arg(image)); return;
    case FinSuivi::Immobile: TerminerSuivi(Chaines::Texte("SuiviImmobile").arg(e.Image)); return;
    case FinSuivi::Doute: TerminerSuivi(Chaines::Texte("SuiviDoute").arg(image)); return;
    }
    TMesure& m = Vue_->Mesure();
    // The user marked, removed or moved meanwhile: the run gives way.
    if (Vue_->NumeroImage() != e.Image || m.NombreDePoints() != marquesAttendues_ || !m.ModeMarque()) {
        ArreterSuivi();
        return;
    }
    for (std::size_t k = 0; k < e.Points.size(); ++k) m.PlacerMarque(e.Points[k], e.Origines[k]);
    marquesAttendues_ += int(e.Points.size());
    StatusBar1->setText(Chaines::Texte("SuiviEnCours").arg(e.Image + 1).arg(Vue_->FrameCount()));
}

void TFiche::ArreterSuivi()
{
    if (suiviEnCours_) TerminerSuivi(Chaines::Texte("SuiviArrete").arg(Vue_->NumeroImage() + 1));
}

void TFiche::TerminerSuivi(const QString& ligne)
{
    suiviEnCours_ = false;
    suivi_->Arreter();
    Vue_->Mesure().TerminerSuite();
    StatusBar1->setText(ligne);
    MettreAJourAnnulation();
    emit SuiviTermine();
}

void TFiche::CreerMenusSuivi()
{
    MenuMesuresSuivreAuRepos = new QAction(Chaines::Texte("MenuMesuresSuivreAuRepos"), MenuMesures);
    MenuMesuresSuivreAuRepos->setObjectName(QStringLiteral("MenuMesuresSuivreAuRepos"));
    MenuMesuresSuivreAuRepos->setCheckable(true);
    MenuMesuresEffacerDepuis = new QAction(Chaines::Texte("MenuMesuresEffacerDepuis"), MenuMesures);
    MenuMesuresEffacerDepuis->setObjectName(QStringLiteral("MenuMesuresEffacerDepuis"));
    MenuMesures->addActions({MenuMesuresSuivreAuRepos, MenuMesuresEffacerDepuis});
    connect(MenuMesuresEffacerDepuis, &QAction::triggered, this, &TFiche::MenuMesuresEffacerDepuisClick);
}

void TFiche::MenuMesuresEffacerDepuisClick()
{
    if (!Vue_->Opened() || suiviEnCours_) return;
    TMesure& m = Vue_->Mesure();
    const int image = Vue_->NumeroImage();
    if (!m.PeutEffacerMarquesDepuis(image)) {
        StatusBar1->setText(Chaines::Texte("EffacerDepuisRien").arg(image + 1));
        return;
    }
    m.EffacerMarquesDepuis(image);
}
