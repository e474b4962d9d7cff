#pragma once
// The frame source's road for containers that carry time stamps (MP4, MOV,
// MKV, WebM, MPEG-TS, WMV, ...): frame N is the N-th picture in presentation
// order, edit lists honoured, each with its own time; pictures are handed out
// upright and at their displayed proportions.

#include "media/FrameSource.h"
#include "media/FrameSourceDecodeurTemps.h"
#include "media/FrameSourceFFmpeg.h"
#include "media/FrameSourceImage.h"
#include "media/FrameSourceOrientation.h"
#include "media/FrameSourceSonConteneur.h"

#include <QImage>
#include <QString>
#include <memory>
#include <vector>

class SourceConteneur {
public:
    // Opens `chemin` and decodes its first frame into a cache of
    // `budgetCache` bytes; anything but Aucun leaves the source unusable.
    // `detail` says more about the failure.
    FrameSource::Echec Ouvrir(const QString& chemin, std::size_t budgetCache, FrameSource::DetailEchec& detail);

    int FrameCount() const { return decodeur_->FrameCount(); }
    int ImagesAnnoncees() const { return annoncees_; }
    int Largeur() const { return largeur_; } // displayed: proportions and turn applied
    int Hauteur() const { return hauteur_; }
    double FrameTime() const { return frameTime_; }
    double Temps(int numero) const { return temps_[std::size_t(numero)]; }
    const DescriptionVideo& Description() const { return description_; }

    // The upright picture of frame `numero`, Largeur x Hauteur, or null.
    QImage Image(int numero);
    CacheImages& Cache() { return decodeur_->Cache(); }
    const CacheImages& Cache() const { return decodeur_->Cache(); }
    int Cout(int numero) const { return numero == numeroConverti_ ? 0 : decodeur_->Cout(numero); }

    // The first audio stream, or null when there is none the program reads.
    SourceAudio* Audio() const { return son_.get(); }
    // The samples that go with the frames premiere..derniere, by each frame's own time.
    PlageEchantillons PlageAudio(int premiere, int derniere) const;

private:
    FrameSource::Echec Indexer(std::vector<PaquetTemps>& paquets);
    void Decrire(const QString& chemin);

    ff::Format demuxeur_;
    int flux_ = -1;
    std::unique_ptr<DecodeurTemps> decodeur_;
    ConvertisseurImage convertisseur_;
    Orientation orientation_;
    int largeurStockee_ = 0; // the picture before it is turned, at its displayed proportions
    int hauteurStockee_ = 0;
    int largeur_ = 0;
    int hauteur_ = 0;
    int annoncees_ = 0;
    double frameTime_ = 0;
    std::vector<double> temps_;
    DescriptionVideo description_;

    int numeroConverti_ = -1;
    QImage converti_;
    std::unique_ptr<SonConteneur> son_; // reads the file beside demuxeur_
};

// Opens `chemin` with any demuxer but those that would open other files or
// addresses the file names; null when none reads it.
ff::Format OuvrirConteneur(const QString& chemin);

// Whether the file starts as a RIFF AVI (which the AVI road reads).
bool EstFichierAvi(const QString& chemin);
