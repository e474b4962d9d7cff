#include "view/UnitFournisseurImages.h"

#include "media/FrameSource.h"
#include "media/UnitChargeurImage.h"

#include <cstdlib>

namespace {
// Beyond this many pictures to decode, the worker decodes while the window
// stays responsive; fewer come at once (a step, a jump within a short group).
constexpr int DecodagesImmediats = 24;
} // namespace

FournisseurImages::FournisseurImages(QObject* destinataire, std::function<void()> arrivee)
    : source_(std::make_unique<FrameSource>()), arrivee_(std::move(arrivee))
{
    chargeur_ = std::make_unique<ChargeurImage>(*source_, destinataire,
                                                [this](int numero, const QImage& image) { chargee(numero, image); });
}

FournisseurImages::~FournisseurImages()
{
    // The worker stops before the source it reads goes.
    chargeur_.reset();
}

bool FournisseurImages::Ouvrir(const QString& nom)
{
    chargeur_->Attendre();
    ++generation_;
    affichee_ = {};
    numeroAffiche_ = -1;
    return source_->Ouvrir(nom);
}

void FournisseurImages::Fermer()
{
    chargeur_->Attendre();
    source_->Fermer();
    affichee_ = {};
    numeroAffiche_ = -1;
}

int FournisseurImages::Tourner(int degres)
{
    chargeur_->Attendre();
    // The picture on screen, and one the worker may bring, are the old turn's.
    ++generation_;
    affichee_ = {};
    numeroAffiche_ = -1;
    const int avant = source_->Rotation();
    source_->FixerRotation(degres);
    return (source_->Rotation() - avant) / 90;
}

void FournisseurImages::CompterChamps(bool champs)
{
    chargeur_->Attendre();
    // The frame numbers change meaning: a picture on screen or on its way is dropped.
    ++generation_;
    affichee_ = {};
    numeroAffiche_ = -1;
    source_->FixerChamps(champs);
}

FrameSource& FournisseurImages::Source()
{
    chargeur_->Attendre();
    return *source_;
}

const QImage& FournisseurImages::Image(int numero)
{
    voulu_ = numero;
    if (numeroAffiche_ == numero || chargeur_->Occupe()) return affichee_;
    if (source_->CoutImage(numero) <= DecodagesImmediats) {
        affichee_ = source_->Image(numero);
        numeroAffiche_ = numero;
        return affichee_;
    }
    montrerLaPlusProche(numero);
    if (chargeur_->Demander(numero)) generationDemandee_ = generation_;
    return affichee_;
}

// Only while the worker is idle: the source is the caller's then.
void FournisseurImages::montrerLaPlusProche(int numero)
{
    const int proche = source_->ImageEnMainProche(numero);
    if (proche < 0 || (numeroAffiche_ >= 0 && std::abs(proche - numero) >= std::abs(numeroAffiche_ - numero))) return;
    QImage image = source_->Image(proche);
    if (image.isNull()) return;
    affichee_ = std::move(image);
    numeroAffiche_ = proche;
    remplacante_ = true;
}

void FournisseurImages::chargee(int numero, const QImage& image)
{
    if (generationDemandee_ == generation_ && numero == voulu_ && source_->Opened()) {
        affichee_ = image;
        numeroAffiche_ = numero;
    }
    if (arrivee_) arrivee_(); // the exact picture, or the next request
}

bool FournisseurImages::EnRoute(int numero) const
{
    return source_->Opened() && numeroAffiche_ != numero && chargeur_->Occupe();
}

int FournisseurImages::NumeroAffiche(int numero) const
{
    return EnRoute(numero) ? numeroAffiche_ : numero;
}

bool FournisseurImages::PrendreRemplacante()
{
    const bool r = remplacante_;
    remplacante_ = false;
    return r;
}
