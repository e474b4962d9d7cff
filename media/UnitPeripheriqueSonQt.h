#pragma once
// The sound device over a Qt Multimedia audio sink in push mode, on the
// default output.
//
// The sink takes more bytes than it can hold without refusing any, and may
// not start playing until its buffer is filled up to a threshold that
// writing whole buffers can miss by a few bytes. So the device keeps the
// queued buffers and tops the sink up to exactly its free space, whole frames
// at a time, as the sink drains; a buffer is finished once the sink has taken
// all of its bytes.

#include "media/UnitPeripheriqueSon.h"

#include <QTimer>
#include <cstddef>
#include <deque>
#include <memory>

class QAudioSink;
class QIODevice;

class PeripheriqueSonQt : public PeripheriqueSon {
public:
    PeripheriqueSonQt();
    ~PeripheriqueSonQt() override;

    bool Ouvrir(const FormatAudio& format) override;
    void Ecrire(std::unique_ptr<TamponSon> tampon) override;
    void Pause() override;
    void Reprendre() override;
    void Reinitialiser() override;
    void Fermer() override;

private:
    // Moves queued bytes into the sink as far as its free space allows.
    void Alimenter();
    void RendreFile();

    std::unique_ptr<QAudioSink> sortie_;
    QIODevice* flux_ = nullptr;
    std::deque<std::unique_ptr<TamponSon>> file_;
    std::size_t entames_ = 0; // bytes of the first queued buffer already in the sink
    bool enPause_ = false;
    // Nothing tells when the sink has room again: look at it regularly while
    // bytes are waiting.
    QTimer minuterie_;
};
