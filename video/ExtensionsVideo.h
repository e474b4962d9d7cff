#pragma once
// The video files the program opens, by extension: the one list that the
// open dialog, the file search and the recent-files entries draw on.

#include <QString>
#include <QStringList>

// Lower case, without the dot.
QStringList ExtensionsVideo();

// "*.avi;*.mp4;...", the masks of every extension above.
QString MasquesVideo();

// True when the path ends with one of the extensions, in any case.
bool EstFichierVideo(const QString& chemin);
