#include "media/UnitChargeurImage.h"

#include "media/FrameSource.h"

#include <QMetaObject>

ChargeurImage::ChargeurImage(FrameSource& source, QObject* destinataire, std::function<void(int, QImage)> pret)
    : source_(source), destinataire_(destinataire), pret_(std::move(pret)), fil_([this] { Travailler(); })
{
}

ChargeurImage::~ChargeurImage()
{
    {
        std::lock_guard<std::mutex> l(verrou_);
        fin_ = true;
    }
    signal_.notify_all();
    fil_.join();
}

bool ChargeurImage::Demander(int numero)
{
    {
        std::lock_guard<std::mutex> l(verrou_);
        if (enCours_) return false;
        demande_ = numero;
        enCours_ = true;
    }
    signal_.notify_all();
    return true;
}

bool ChargeurImage::Occupe() const
{
    std::lock_guard<std::mutex> l(verrou_);
    return enCours_;
}

void ChargeurImage::Attendre()
{
    std::unique_lock<std::mutex> l(verrou_);
    signal_.wait(l, [this] { return demande_ < 0; });
}

void ChargeurImage::Travailler()
{
    std::unique_lock<std::mutex> l(verrou_);
    for (;;) {
        signal_.wait(l, [this] { return fin_ || demande_ >= 0; });
        if (fin_) return;
        const int numero = demande_;
        l.unlock();
        const QImage image = source_.Image(numero);
        l.lock();
        demande_ = -1;
        signal_.notify_all();
        // Handed back on the receiver's thread, where the request is then over.
        QMetaObject::invokeMethod(
            destinataire_,
            [this, numero, image] {
                {
                    std::lock_guard<std::mutex> g(verrou_);
                    enCours_ = false;
                }
                pret_(numero, image);
            },
            Qt::QueuedConnection);
    }
}
