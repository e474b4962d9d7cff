#pragma once
// Byte surgery on AVI files the writer made, for tests and fuzz seeds: the
// layouts other writers leave, which FFmpeg's muxer does not write itself.

#include <QByteArray>

// The file with its OpenDML index chunks ('indx') turned to filler, so that
// readers go by 'idx1' alone, as with most writers.
QByteArray SansIndexOpenDml(QByteArray avi);

// The file split into OpenDML forms: the first RIFF 'AVI ' keeps the chunks
// of the first `imagesPremiereForme` frames (with the sound between) and an
// 'idx1' for them, a RIFF 'AVIX' holds the rest in its own 'movi' list. Its
// OpenDML index is turned to filler as above. Empty when `avi` has no
// 'movi' list.
QByteArray EnOpenDml(const QByteArray& avi, int imagesPremiereForme);
