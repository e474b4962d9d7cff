#pragma once
// How a stored picture is turned to be seen upright: a phone films with its
// sensor sideways and writes a display matrix instead of turning the pixels.

#include <QImage>
#include <cstdint>

struct Orientation {
    int QuartsHoraires = 0; // quarter turns clockwise, 0..3
    bool Miroir = false;    // then mirrored left to right
    int Degres() const { return 90 * QuartsHoraires; }
    bool Echange() const { return QuartsHoraires % 2 == 1; } // width and height swap
    friend bool operator==(const Orientation&, const Orientation&) = default;
};

// The turn a display matrix (FFmpeg's 3 x 3, 16.16 fixed point) asks for; the
// identity for none or for an angle that is no multiple of 90 degrees.
Orientation OrientationDeMatrice(const std::int32_t* matrice);

// `image` turned and mirrored as `o` says (an exact permutation of pixels).
QImage Redresser(const QImage& image, Orientation o);
