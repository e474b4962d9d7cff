#pragma once
// The frame source's road for containers that carry time stamps (MP4, MOV,
// MKV, WebM, MPEG-TS, WMV, ...): frame N is the N-th picture in presentation
// order, edit lists honoured, each with its own time; the pictures' displayed
// proportions and the turn the display matrix asks for are said with them.

#include "media/FrameSource.h"
#include "media/FrameSourceDecodeurTemps.h"
#include "media/FrameSourceFFmpeg.h"
#include "media/FrameSourceLecteur.h"
#include "media/FrameSourceSonConteneur.h"

#include <QString>
#include <memory>
#include <vector>

class SourceConteneur : public LecteurVideo {
public:
    // Opens `chemin` and decodes its first frame into a cache of
    // `budgetCache` bytes; anything but Aucun leaves the source unusable.
    // `detail` says more about the failure.
    FrameSource::Echec Ouvrir(const QString& chemin, std::size_t budgetCache, FrameSource::DetailEchec& detail);

    double Temps(int numero) const override { return temps_[std::size_t(numero)]; }
    std::int32_t ImageDe(int numero) const override { return numero; }
    bool Repetee(int) const override { return false; } // a picture is never a copy
    ff::Image Decodee(std::int32_t image) override { return decodeur_->Image(image); }
    int Cout(std::int32_t image) const override { return decodeur_->Cout(image); }
    int EnMainProche(int numero) const override { return decodeur_->Cache().PlusProche(numero); }
    CacheImages& Cache() override { return decodeur_->Cache(); }
    const CacheImages& Cache() const override { return decodeur_->Cache(); }

    // The first audio stream, or null when there is none the program reads.
    SourceAudio* Audio() override { return son_.get(); }
    // The samples that go with the frames premiere..derniere, by each frame's own time.
    PlageEchantillons PlageAudio(int premiere, int derniere) const override;

private:
    FrameSource::Echec Indexer(std::vector<PaquetTemps>& paquets);
    void Decrire(const QString& chemin);
    int FrameCount() const { return valeurs_.FrameCount; }

    ff::Format demuxeur_;
    int flux_ = -1;
    std::unique_ptr<DecodeurTemps> decodeur_;
    std::vector<double> temps_;
    std::unique_ptr<SonConteneur> son_; // reads the file beside demuxeur_
};

// Opens `chemin` with any demuxer but those that would open other files or
// addresses the file names; null when none reads it.
ff::Format OuvrirConteneur(const QString& chemin);

// Whether the file starts as a RIFF AVI (which the AVI road reads).
bool EstFichierAvi(const QString& chemin);
