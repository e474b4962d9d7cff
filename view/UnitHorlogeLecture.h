#pragma once
// The clock of playback: which frame is due at each tick. Playback keeps the
// video's rate and drops frames when drawing is slow instead of drifting
// behind; a pass ends on the last frame, and the next one starts on the tick
// after, or playback stops when the passes are done.

#include <QtGlobal>
#include <functional>

class HorlogeLecture {
public:
    // The time in milliseconds; tests give their own.
    using Horloge = std::function<qint64()>;

    HorlogeLecture();

    void FixerHorloge(Horloge horloge) { horloge_ = std::move(horloge); }

    // Playback from `premiere`, a frame every `periodeMs`, for `passes`
    // passes (0: without end).
    void Demarrer(int premiere, int periodeMs, int passes);

    enum class Suite {
        Image,         // show the frame due
        NouvellePasse, // show the first frame again: the sound starts again with it
        Fin            // the passes are done: stop on the last frame shown
    };
    struct Tic {
        Suite suite = Suite::Image;
        int numero = 0;
    };
    // The frame due after `courant` in a video of `nombre` frames, for passes
    // from `premiere` to `derniere`.
    Tic Suivant(int courant, int nombre, int premiere, int derniere);

    int PeriodeMs() const { return periode_; }
    int PassesRestantes() const { return passesRestantes_; }

private:
    Horloge horloge_;
    qint64 debut_ = 0;
    int depart_ = 0; // the frame the clock counts from
    int periode_ = 0;
    int passesRestantes_ = 0;
    bool reprendre_ = false;
};
