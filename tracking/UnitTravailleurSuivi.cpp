#include "tracking/UnitTravailleurSuivi.h"

#include <QMetaObject>

TravailleurSuivi::TravailleurSuivi(const QString& chemin, DepartSuivi depart, QObject* destinataire,
                                   std::function<void(const EtapeSuivi&)> etape, ParametresSuivi p)
    : etape_(std::move(etape)), contexte_(std::make_unique<QObject>())
{
    contexte_->moveToThread(destinataire->thread());
    fil_ = std::thread([this, chemin, depart = std::move(depart), p] { Travailler(chemin, depart, p); });
}

TravailleurSuivi::~TravailleurSuivi()
{
    arret_ = true;
    fil_.join();
}

void TravailleurSuivi::Rendre(const EtapeSuivi& e)
{
    QMetaObject::invokeMethod(
        contexte_.get(), [this, e] { etape_(e); }, Qt::QueuedConnection);
}

void TravailleurSuivi::Travailler(const QString& chemin, const DepartSuivi& depart, ParametresSuivi p)
{
    FrameSource source;
    if (depart.Image < 0 || !source.Ouvrir(chemin)) {
        Rendre(EtapeSuivi{depart.Image + 1, {}, {}, 0, FinSuivi::SansImage});
        return;
    }
    const double largeur = source.VideoWidth(), hauteur = source.VideoHeight();
    std::vector<std::vector<PointD>> trajectoires = depart.Trajectoires;
    for (auto& t : trajectoires)
        for (PointD& q : t) q = {q.X * largeur, q.Y * hauteur};
    ImagesSource images(source);
    TSuivi suivi(images, depart.Image, trajectoires, p);
    while (!arret_) {
        EtapeSuivi e = suivi.Suivante();
        for (PointD& q : e.Points) q = {q.X / largeur, q.Y / hauteur};
        Rendre(e);
        if (e.Fin != FinSuivi::Aucune) return;
    }
}
