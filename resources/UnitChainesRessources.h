#pragma once
// The string table: every caption, hint and message the program shows, by name.
// The texts live in resources/strings/*.txt (one "Name=Text" per line) and are
// loaded at run time, so the whole interface can be translated there.

#include <QString>
#include <QStringList>
#include <string_view>

namespace Chaines {

// Loads every table file under the resource folder ":/strings". Idempotent.
void Charger();

// Parses one table file's text into the table. Returns the names that were
// already present (a name must be unique across every file).
QStringList Ajouter(const QString& contenu);

// The text stored under `nom`. A missing name yields "<nom>" so the fault is
// visible on screen instead of an empty caption.
QString Texte(std::string_view nom);

bool Existe(std::string_view nom);

// The message of a settings file that could not be written.
QString MessageEcritureIni(const QString& chemin);
QStringList Noms();

} // namespace Chaines
