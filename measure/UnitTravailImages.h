#pragma once
// The frames of the marks in the work file: a block after the last line of
// the measurement, so that files without it (older ones) still read as
// before, with consecutive frames.
//
//   Images
//   <video mark count>, then one line per mark: the 0-based frame it was placed on
//   <overlay mark count>, then one line per overlay mark: its frame

#include <QStringList>

struct Travail;

// Appends the block (with its tag) when the measurement knows the frame of
// every mark and has at least one mark; otherwise (after loading a file
// without the block) nothing is written.
void EcrireImagesTravail(QStringList& lignes, const Travail& t);

// Reads the block's lines after its tag from `pos` into the measurement: true
// when they are complete and sound: counts equal to the marks, frames not
// negative and never decreasing for each moving point. Without the block the
// frames stay unknown (empty).
bool LireImagesTravail(const QStringList& lignes, qsizetype& pos, Travail& t);

// Whether the frames of the marks lie within a video of `nombreImages` frames.
bool ImagesTravailDansLaVideo(const Travail& t, int nombreImages);
