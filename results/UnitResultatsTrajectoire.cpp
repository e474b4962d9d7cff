// The trajectory view of the results window: one or every point, from the
// camera or from another point.

#include "results/UnitResultats.h"

#include "graph/UnitGraphPlus.h"
#include "resources/UnitChainesRessources.h"
#include "results/UnitVueTrajectoire.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

namespace {

VueTrajectoire::Choix choix(const TResultats& r)
{
    VueTrajectoire::Choix c;
    c.point = r.ComboBoxChoix1->currentIndex();
    c.referentiel = r.ComboBoxChoix2->currentIndex();
    c.numeros = r.MenuAffichageNumeroterLesPoints->isChecked();
    c.courbe = r.MenuAffichageDessinerUneCourbe->isChecked();
    return c;
}

} // namespace

bool TResultats::AfficherTrajectoire()
{
    Selectionner(TVueResultats::Trajectoire);
    PreparerTrajectoire();
    return true;
}

void TResultats::PreparerTrajectoire()
{
    LabelChoix1->setText(Chaines::Texte("ChoixTrajectoire1"));
    LabelChoix2->setText(Chaines::Texte("ChoixTrajectoire2"));
    LabelChoix1->adjustSize();
    LabelChoix2->adjustSize();
    ComboBoxChoix1->setFixedWidth(56);
    ComboBoxChoix2->setFixedWidth(113);
    VueTrajectoire::Preparer(*Graphe);
    RDim();
    Remplir(ComboBoxChoix1, VueTrajectoire::Points(Series()));
    Remplir(ComboBoxChoix2, VueTrajectoire::Referentiels(Series()));
}

void TResultats::DessinerTrajectoire(TEtendue& e)
{
    VueTrajectoire::Dessiner(*Graphe, Series(), choix(*this), e);
}

void TResultats::OptionsTrajectoire()
{
    VueTrajectoire::AppliquerOptions(*Graphe, Series(), choix(*this));
}
