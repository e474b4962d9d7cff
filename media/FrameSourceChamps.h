#pragma once
// Interlaced video seen field by field: a camcorder films 50 fields a second
// and stores them in pairs, one in the even lines, one in the odd lines.
// Shown on its own, a field fills the picture's height by line doubling.

#include <QImage>

// How the pictures of a video are interlaced, as its first decoded picture (or
// an AVI stream's header, as nothing is decoded at its open) says.
enum class Entrelacement { Aucun, HautDAbord, BasDAbord };

// The field of `image` (RGB32) in its even lines (`impaires` false: the top
// field) or its odd lines, each line repeated to the full height.
QImage DemiImage(const QImage& image, bool impaires);
