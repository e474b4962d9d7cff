// The print of the current graph: repainted on white, with its axis bands and
// margins, handed to the print window, then repainted in the view's colours.

#include "results/UnitResultats.h"

#include "graph/UnitGraphPlus.h"
#include "print/UnitImprimer.h"
#include "resources/UnitChainesRessources.h"

#include <QFileInfo>
#include <QScopeGuard>

void TResultats::MenuFichierImprimerClick()
{
    // The view's colours come back however the print ends, a failure
    // included, before anything reports it.
    const auto restaurer = qScopeGuard([this] {
        VuesGraphe::AppliquerFond(*Graphe, FondVue(disposition_));
        Graphe->SetColorAxe(Couleur::FaceBouton);
        Graphe->Paint();
    });
    VuesGraphe::AppliquerFond(*Graphe, {Couleur::Blanc, Couleur::Blanc});
    Graphe->SetColorAxe(Couleur::Blanc);
    Graphe->Paint();
    // The picture as saved: the scale legend is on it in the vectors view.
    imprimer_.Imprimer(ImageVue(),
                       document_.isEmpty() ? Chaines::Texte("ImprimerDocument") : QFileInfo(document_).fileName());
}
