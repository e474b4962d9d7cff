#pragma once
// The embedded Times-compatible font every window, graph and page is drawn with.

#include <QFont>

// Registers the embedded font for the process and makes "Times New Roman"
// resolve to it when the system has no such family. False only when the
// registration failed.
bool InstallerPolice();

// The font every window and message box uses: Times New Roman, 13 pixels.
QFont PoliceProgramme();
