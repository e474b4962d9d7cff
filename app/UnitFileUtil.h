#pragma once
// The program's environment: where the settings file lives, special folders,
// and the process-wide date format.

#include <QDate>
#include <QString>

// The full path of the settings file, fixed by PreparerFichierIni.
const QString& FichierIni();
void ViderFichierIni();

// $XDG_CONFIG_HOME/Kinotab/Kinotab.ini (~/.config when unset), the folder
// created when missing. A folder shared by every user would let another user
// plant or alter the file, so the path is per user. On failure the path is
// ./Kinotab.ini of the current directory and the result is false.
bool PreparerFichierIni();

// The user's desktop folder, the home folder when there is none.
QString DossierBureau();

// A date in the user's short format with "_" between its fields, so that it
// can stand in a file name.
QString FormaterDate(const QDate& date);
