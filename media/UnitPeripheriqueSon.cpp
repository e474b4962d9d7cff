#include "media/UnitPeripheriqueSon.h"

#include <QMetaObject>

void PeripheriqueSon::Rendre(std::unique_ptr<TamponSon> tampon)
{
    rendus_.push_back(std::move(tampon));
    if (rendus_.size() == 1)
        QMetaObject::invokeMethod(
            &contexte_, [this] { Livrer(); }, Qt::QueuedConnection);
}

void PeripheriqueSon::Livrer()
{
    // The receiver may write again, which may finish more buffers: those wait
    // for a delivery of their own.
    std::deque<std::unique_ptr<TamponSon>> rendus;
    rendus.swap(rendus_);
    for (auto& tampon : rendus) {
        if (termine_) termine_(std::move(tampon));
    }
}
