// The picture of a graphical view saved to a file.

#include "results/UnitResultats.h"

#include "core/UnitEcriture.h"
#include "graph/UnitGraphPlus.h"
#include "kit/Dialogues.h"
#include "resources/UnitChainesRessources.h"
#include "results/UnitVueAjustement.h"
#include "results/UnitVueVecteurs.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QBuffer>

QImage TResultats::ImageVue() const
{
    QImage image = Graphe->Image();
    if (disposition_ == TVueResultats::Vecteurs)
        VueVecteurs::DessinerLegende(image, Graphe->EchelleVecteurs(), VueVecteurs::Sorte(Graphe->SerieVecteurs()));
    // A fit's result goes under the graph, with its residuals when shown.
    if (const QStringList lignes = LignesAjustementAffiche(); !lignes.isEmpty())
        image = VueAjustement::AvecTexte(image, BandeResidus->isVisible() ? BandeResidus->pixmap().toImage() : QImage(),
                                         lignes);
    return image;
}

void TResultats::EnregistrerImage()
{
    DemandeFichier d;
    d.titre = Chaines::Texte(disposition_ == TVueResultats::Temps ? "TitreEnregistrerGraphe" : "TitreEnregistrerImage");
    d.filtre = Chaines::Texte("FiltreEnregistrerImage");
    d.extensionDefaut = QStringLiteral("bmp");
    const auto choisi = dialogues_.Enregistrer(d, this);
    if (!choisi) return;
    QString chemin = choisi->chemin;
    // A name without extension takes the one of the filter left selected.
    if (QFileInfo(chemin).suffix().isEmpty()) chemin += choisi->indexFiltre == 2 ? ".png" : ".bmp";
    const bool png = QFileInfo(chemin).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
    QByteArray contenu;
    QBuffer tampon(&contenu);
    tampon.open(QIODevice::WriteOnly);
    CauseEcriture cause;
    if (!ImageVue().save(&tampon, png ? "PNG" : "BMP") ||
        EcrireFichier(chemin, contenu, &cause) != ResultatEcriture::Ok) {
        Signaler(IconeMessage::Avertissement, "MsgErreurInconnue", cause);
        return;
    }
    Signaler(IconeMessage::Information, png ? "MsgImagePngEnregistree" : "MsgImageEnregistree");
}
