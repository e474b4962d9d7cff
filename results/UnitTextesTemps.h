#pragma once
// Number formats and texts of the time-step dialog, kept apart from the
// widgets so that tests check them directly. Decimal separator of QLocale().

#include <QString>

namespace TextesTemps {

// The edit box's display format "0.###": at least one integer digit, up to
// three decimals, no trailing zeros.
QString FormatAffichage(double v);

// The edit box's text while edited: up to 12 decimals, no trailing zeros.
QString FormatEdition(double v);

// Frames per second of a time step, rounded to the nearest integer, halves to even.
long long ImagesParSeconde(double T);

// The four lines above the choices, for the video's time step.
QString Information(double TDefaut);

// The line saying that the default is the capture interval of a slow-motion
// video played back at 1 / pasVideo frames per second.
QString Capture(double pasVideo);

// Caption of the default choice.
QString ChoixDefaut(double TDefaut);

} // namespace TextesTemps
