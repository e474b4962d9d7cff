// The graphs view of the results window: one quantity of one point against time.

#include "results/UnitResultats.h"

#include "graph/UnitGraphPlus.h"
#include "resources/UnitChainesRessources.h"
#include "results/UnitVueTemps.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

namespace {

VueTemps::Choix choix(const TResultats& r)
{
    VueTemps::Choix c;
    c.grandeur = VueTemps::Grandeur(r.ComboBoxChoix1->currentData().toInt());
    c.point = r.ComboBoxChoix2->currentIndex();
    c.courbe = r.MenuAffichageDessinerUneCourbe->isChecked();
    c.zoomX = r.MenuAffichageZoomX->isChecked();
    c.zoomY = r.MenuAffichageZoomY->isChecked();
    c.incertitudes = r.MenuAffichageIncertitudes->isChecked();
    return c;
}

} // namespace

bool TResultats::AfficherGraphes()
{
    if (Series().NbMarques <= 1) return false;
    Selectionner(TVueResultats::Temps);
    PreparerTemps();
    return true;
}

void TResultats::PreparerTemps()
{
    LabelChoix1->setText(Chaines::Texte("ChoixTemps1"));
    LabelChoix2->setText(Chaines::Texte("ChoixTemps2"));
    LabelChoix1->adjustSize();
    LabelChoix2->adjustSize();
    ComboBoxChoix1->setFixedWidth(257);
    ComboBoxChoix2->setFixedWidth(81);
    VueTemps::Preparer(*Graphe);
    RDim();
    const QSignalBlocker b1(ComboBoxChoix1), b2(ComboBoxChoix2);
    ComboBoxChoix1->clear();
    for (VueTemps::Grandeur g : VueTemps::Grandeurs(Series())) ComboBoxChoix1->addItem(VueTemps::Libelle(g), int(g));
    ComboBoxChoix1->setCurrentIndex(0);
    Remplir(ComboBoxChoix2, VueTemps::Points(Series()));
}

void TResultats::DessinerTemps(TEtendue& e)
{
    VueTemps::Dessiner(*Graphe, Series(), choix(*this), e);
}

void TResultats::OptionsTemps()
{
    Graphe->SetZoomX(MenuAffichageZoomX->isChecked());
    Graphe->SetZoomY(MenuAffichageZoomY->isChecked());
    VueTemps::AppliquerCourbe(*Graphe, choix(*this));
}
