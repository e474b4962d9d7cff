#pragma once
// The sound device as the audio player sees it: it is opened for a PCM
// format, takes buffers one after another, plays them in order and hands each
// finished buffer back. The real device sits over Qt Multimedia; tests give a
// fake one.

#include "media/UnitSourceAudio.h"

#include <QObject>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

// One buffer of sound bytes on its way through the device.
struct TamponSon {
    std::vector<std::byte> Octets; // the bytes to play, all of them
    unsigned Passe = 0;            // left to the writer: which pass queued it
};

class PeripheriqueSon {
public:
    using Termine = std::function<void(std::unique_ptr<TamponSon>)>;

    virtual ~PeripheriqueSon() = default;

    // Who receives the finished buffers. Reports arrive through the event loop
    // of the thread that created the device, never from inside a device call.
    void FixerTermine(Termine termine) { termine_ = std::move(termine); }

    // False when there is no device or it refuses the format.
    virtual bool Ouvrir(const FormatAudio& format) = 0;
    virtual void Ecrire(std::unique_ptr<TamponSon> tampon) = 0;
    virtual void Pause() = 0;
    virtual void Reprendre() = 0;
    // Silences the device at once and reports every queued buffer finished.
    virtual void Reinitialiser() = 0;
    // Closes the device; buffers still queued are reported finished.
    virtual void Fermer() = 0;

protected:
    // Hands a finished buffer back to its writer.
    void Rendre(std::unique_ptr<TamponSon> tampon);

private:
    void Livrer();

    Termine termine_;
    // Finished buffers waiting for the event loop. Destroying the device
    // frees them and drops the pending delivery with the context object.
    std::deque<std::unique_ptr<TamponSon>> rendus_;
    QObject contexte_;
};
