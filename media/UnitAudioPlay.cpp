#include "media/UnitAudioPlay.h"

#include "media/UnitPeripheriqueSonQt.h"

#include <algorithm>

TAudioPlay::TAudioPlay() : TAudioPlay(std::make_unique<PeripheriqueSonQt>()) {}

TAudioPlay::TAudioPlay(std::unique_ptr<PeripheriqueSon> peripherique) : peripherique_(std::move(peripherique))
{
    peripherique_->FixerTermine([this](std::unique_ptr<TamponSon> tampon) { TamponTermine(std::move(tampon)); });
}

TAudioPlay::~TAudioPlay()
{
    Couper();
}

bool TAudioPlay::Jouer(SourceAudio& source, std::int64_t premier, std::int64_t fin)
{
    if (joue_) Couper();
    if (premier < 0) premier = source.Debut();
    if (fin < 0) fin = source.Debut() + source.Longueur();
    if (premier >= fin) return false;
    source_ = &source;
    if (!OuvrirPeripherique()) {
        source_ = nullptr;
        return false;
    }
    peripherique_->Pause();
    suivant_ = premier;
    fin_ = fin;
    joue_ = true;
    ++passe_;
    for (int i = 0; i < NombreTampons; ++i) MettreEnFile();
    peripherique_->Reprendre();
    return true;
}

bool TAudioPlay::OuvrirPeripherique()
{
    tailleEchantillon_ = source_->TailleEchantillon();
    if (tailleEchantillon_ <= 0) return false;
    tailleTampon_ = std::max(tailleEchantillon_, TailleTamponMin);
    return peripherique_->Ouvrir(source_->Format());
}

void TAudioPlay::MettreEnFile()
{
    const std::int64_t nombre = std::min<std::int64_t>(fin_ - suivant_, tailleTampon_ / tailleEchantillon_);
    if (nombre <= 0) return;
    auto tampon = std::make_unique<TamponSon>();
    tampon->Octets.resize(static_cast<std::size_t>(tailleTampon_));
    tampon->Passe = passe_;
    // A short read leaves the buffer unqueued: the ring shrinks by one.
    if (source_->Lire(suivant_, nombre, tampon->Octets) != nombre) return;
    tampon->Octets.resize(static_cast<std::size_t>(nombre * tailleEchantillon_));
    suivant_ += nombre;
    ++enVol_;
    peripherique_->Ecrire(std::move(tampon));
}

void TAudioPlay::TamponTermine(std::unique_ptr<TamponSon> tampon)
{
    --enVol_;
    if (joue_ && tampon->Passe == passe_) MettreEnFile();
}

void TAudioPlay::Couper()
{
    if (!joue_) return;
    joue_ = false;
    peripherique_->Reinitialiser();
    peripherique_->Fermer();
    source_ = nullptr;
}
