#pragma once
// The frame source's reader for AVI files: frames by stream position from the
// file's own headers and index. An empty chunk (a frame the camera dropped)
// is a frame that repeats the picture before it, as the platform's reader
// shows it.

#include "media/FrameSourceAudio.h"
#include "media/FrameSourceAvi.h"
#include "media/FrameSourceDecodeur.h"
#include "media/FrameSourceIndex.h"
#include "media/FrameSourceLecteur.h"

#include <QString>
#include <atomic>
#include <memory>

class LecteurAvi : public LecteurVideo {
public:
    // Opens `chemin`; anything but Aucun leaves the reader unusable. `detail`
    // says more about the failure.
    FrameSource::Echec Ouvrir(const QString& chemin, std::size_t budgetCache, FrameSource::DetailEchec& detail);

    double Temps(int numero) const override { return numero * valeurs_.FrameTime; }
    std::int32_t ImageDe(int numero) const override;
    bool Repetee(int numero) const override;
    // A header that does not say the video is interlaced leaves it to the first picture decoded.
    ff::Image Decodee(std::int32_t image) override;
    // Read by the window while the worker decodes: kept apart from Valeurs.
    Entrelacement Entrelace() const override { return entrelace_.load(); }
    int Cout(std::int32_t image) const override { return decodeur_->Cout(image); }
    int EnMainProche(int numero) const override;
    CacheImages& Cache() override { return decodeur_->Cache(); }
    const CacheImages& Cache() const override { return decodeur_->Cache(); }
    SourceAudio* Audio() override { return son_.get(); }
    PlageEchantillons PlageAudio(int premiere, int derniere) const override;

private:
    FrameSource::Echec Lire(const QString& chemin);
    int MorceauxVides() const;

    // Declared in the order they depend on one another, so they are
    // destroyed the other way round.
    FichierAvi fichier_;
    FluxAvi video_;
    IndexVideo indexVideo_;
    IndexAudio indexAudio_;
    ff::Parametres parametresVideo_;
    ff::Parametres parametresAudio_;
    std::unique_ptr<DecodeurImages> decodeur_;
    std::unique_ptr<SonAvi> son_;
    std::atomic<Entrelacement> entrelace_{Entrelacement::Aucun};
};
