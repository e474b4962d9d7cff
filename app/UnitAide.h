#pragma once
// The help page carried in the program's resources (":/aide"): the page, its
// scripts and its pictures, written out to a folder with the same relative
// paths so that any browser can show them.

#include "resources/UnitChainesRessources.h"

#include <QString>

// Writes every help file below `dossier`; the path of the page in `langue`,
// empty on failure.
QString EcrireAide(const QString& dossier, Chaines::Langue langue);

// Writes the help to this process's own temporary folder (made once, private
// to the user, removed when the program ends) and gives the path of the page
// in the interface's language.
QString PreparerAide();
