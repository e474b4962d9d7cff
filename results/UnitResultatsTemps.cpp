// The graphs view of the results window: one quantity of one point against time.

#include "results/UnitResultats.h"

#include "graph/UnitGraphPlus.h"
#include "resources/UnitChainesRessources.h"
#include "results/UnitVueTemps.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

VueTemps::Choix TResultats::ChoixTemps() const
{
    VueTemps::Choix c;
    c.grandeur = VueTemps::Grandeur(ComboBoxChoix1->currentData().toInt());
    c.point = ComboBoxChoix2->currentIndex();
    c.courbe = MenuAffichageDessinerUneCourbe->isChecked();
    c.zoomX = MenuAffichageZoomX->isChecked();
    c.zoomY = MenuAffichageZoomY->isChecked();
    c.incertitudes = MenuAffichageIncertitudes->isChecked();
    return c;
}

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
    VueTemps::Dessiner(*Graphe, Series(), ChoixTemps(), e);
    DessinerAjustement();
}

void TResultats::OptionsTemps()
{
    Graphe->SetZoomX(MenuAffichageZoomX->isChecked());
    Graphe->SetZoomY(MenuAffichageZoomY->isChecked());
    VueTemps::AppliquerCourbe(*Graphe, ChoixTemps());
}
