#pragma once
// The extensions of the video files the program opens, wherever a video is
// named: the open dialog, the recent-files list, the command line, the
// file search.

#include <QString>
#include <QStringList>

// Lower case, without the dot; "avi" first.
const QStringList& ExtensionsVideo();
// Whether `chemin` ends in one of them, in any case.
bool EstCheminVideo(const QString& chemin);
// "*.avi *.mp4 ...": the patterns of a file dialog's filter.
QString MotifsVideo();

// Whether `debut`, the first bytes of a file, is an MPEG transport stream:
// the sync byte 0x47 every 188 bytes, or every 192 bytes after a 4-byte time
// stamp (M2TS), over the first packets (two at least).
bool EstFluxTransport(const QByteArray& debut);
// True when `chemin` is named with a video extension that other files share
// (TypeScript's "ts" and "mts") and its first bytes show it holds no
// transport stream; a file that cannot be read is not contradicted.
bool ContenuContredit(const QString& chemin);
