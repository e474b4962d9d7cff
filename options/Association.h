#pragma once
// The desktop's registration of work files (*.ktb) for the user: a MIME type
// application/x-kinotab-work under $XDG_DATA_HOME/mime/packages/ and a desktop
// entry under $XDG_DATA_HOME/applications/ that starts the program with the
// work file as its single argument. The association is present when the
// desktop entry exists.

#include <QString>

namespace Association {

QString FichierMime();   // the MIME package file
QString FichierBureau(); // the desktop entry

bool Presente();
// Writes both files for `programme` (the executable's full path) and
// refreshes the MIME and desktop databases. False when a file could not be
// written.
bool AssocierExtension(const QString& programme);
// Removes both files and refreshes the databases. False when one remains.
bool DissocierExtension();

// The Exec value that runs `programme` on one file, quoted and escaped as
// desktop entries require.
QString LigneExec(const QString& programme);

} // namespace Association
