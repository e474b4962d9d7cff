#pragma once
// The pictures of the open video for the frame view. It owns the frame source
// and the worker that decodes on it: a frame at hand is decoded at once; a
// far one (a cold jump into a long group of pictures) is asked of the worker
// while the nearest picture at hand stands in, and comes back on the view's
// thread.
//
// The source is the worker's while it decodes: Source() waits for it first.

#include <QImage>
#include <QString>
#include <functional>
#include <memory>

class ChargeurImage;
class FrameSource;
class QObject;

class FournisseurImages {
public:
    // `arrivee` runs on `destinataire`'s thread when a picture asked of the
    // worker came back: the view repaints.
    FournisseurImages(QObject* destinataire, std::function<void()> arrivee);
    ~FournisseurImages();
    FournisseurImages(const FournisseurImages&) = delete;
    FournisseurImages& operator=(const FournisseurImages&) = delete;

    bool Ouvrir(const QString& nom);
    void Fermer();
    // Turns the picture to `degres` clockwise in place of the file's turn;
    // the quarter turns it moved by.
    int Tourner(int degres);
    // Each field of an interlaced video a frame of its own, or not.
    void CompterChamps(bool champs);

    // The source, once the worker is idle.
    FrameSource& Source();
    // What the source says of the open video; its values do not change while
    // the worker decodes.
    const FrameSource& Video() const { return *source_; }

    // The picture to show for frame `numero`: its own, or the one standing in
    // while the worker decodes it.
    const QImage& Image(int numero);
    // Whether the picture of `numero` is still being decoded.
    bool EnRoute(int numero) const;
    // The frame of the picture on screen for `numero`: `numero` itself, or
    // while it is decoded the frame standing in (-1 for none).
    int NumeroAffiche(int numero) const;
    // Whether a picture standing in came since the last call.
    bool PrendreRemplacante();

private:
    void montrerLaPlusProche(int numero);
    void chargee(int numero, const QImage& image);

    std::unique_ptr<FrameSource> source_;
    std::unique_ptr<ChargeurImage> chargeur_;
    std::function<void()> arrivee_;
    QImage affichee_;          // the picture on screen
    int numeroAffiche_ = -1;   // its frame
    int voulu_ = -1;           // the frame last asked for
    bool remplacante_ = false; // a picture standing in came since it was last asked
    int generation_ = 0;       // one more at each open, so a picture of the file before is dropped
    int generationDemandee_ = 0;
};
