// The graphs view of the results window: one quantity of one point against time.

#include "results/UnitResultats.h"

#include "graph/UnitGraphPlus.h"
#include "resources/UnitChainesRessources.h"
#include "results/UnitVueTemps.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

namespace {

// The quantity list's data: a series of the points (VueTemps::Grandeur), or
// from here on the table's quantities in their order.
constexpr int PremiereGrandeur = 100;

} // namespace

VueTemps::Choix TResultats::ChoixTemps() const
{
    VueTemps::Choix c;
    const int donnee = ComboBoxChoix1->currentData().toInt();
    c.grandeur = donnee < PremiereGrandeur ? VueTemps::Grandeur(donnee) : VueTemps::Grandeur::X;
    c.point = ComboBoxChoix2->currentIndex();
    const std::vector<TGrandeurDefinie>& grandeurs = modele_.GrandeursTableau();
    if (const std::size_t i = std::size_t(donnee - PremiereGrandeur);
        donnee >= PremiereGrandeur && i < grandeurs.size()) {
        c.quantite = grandeurs[i].Nom;
        c.point = grandeurs[i].Point > 0 ? grandeurs[i].Point - 1 : 0;
    }
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
    const std::vector<TGrandeurDefinie>& grandeurs = modele_.GrandeursTableau();
    for (std::size_t i = 0; i < grandeurs.size(); ++i)
        ComboBoxChoix1->addItem(VueTemps::LibelleGrandeur(grandeurs[i]), PremiereGrandeur + int(i));
    ComboBoxChoix1->setCurrentIndex(0);
    ComboBoxChoix2->setEnabled(true);
    Remplir(ComboBoxChoix2, VueTemps::Points(Series()));
}

void TResultats::DessinerTemps(TEtendue& e)
{
    // A quantity has its own point, or none: the point list says nothing then.
    const int i = ComboBoxChoix1->currentData().toInt() - PremiereGrandeur;
    const std::vector<TGrandeurDefinie>& grandeurs = modele_.GrandeursTableau();
    ComboBoxChoix2->setEnabled(i < 0);
    if (i < 0 || i >= int(grandeurs.size())) {
        VueTemps::Dessiner(*Graphe, Series(), ChoixTemps(), e);
        DessinerAjustement();
        return;
    }
    if (const auto s = modele_.SerieNommee(grandeurs[std::size_t(i)].Nom)) {
        VueTemps::DessinerGrandeur(*Graphe, *s, grandeurs[std::size_t(i)], ChoixTemps(), e);
        DessinerAjustement();
    }
}

void TResultats::OptionsTemps()
{
    Graphe->SetZoomX(MenuAffichageZoomX->isChecked());
    Graphe->SetZoomY(MenuAffichageZoomY->isChecked());
    VueTemps::AppliquerCourbe(*Graphe, ChoixTemps());
}
