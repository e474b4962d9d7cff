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
