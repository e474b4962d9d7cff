#pragma once
// The words the main window shows about a video: why it did not open, the
// extra lines of the video properties box, and the one-time notice about a
// variable rate or a slow-motion recording.

#include "media/FrameSource.h"

#include <QString>
#include <QStringList>

// One line saying why the last open failed.
QString RaisonEchec(FrameSource::Echec echec, const FrameSource::DetailEchec& detail);

// Container and codec, turn, rate, repeated frames, capture rate.
QStringList LignesDescription(const DescriptionVideo& d);

// What a user measuring this video should know before starting; empty when
// the frames come at a steady rate, as filmed.
QStringList AvisVideo(const DescriptionVideo& d, double frameTime);
