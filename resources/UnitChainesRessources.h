#pragma once
// The string table: every caption, hint and message the program shows, by name.
// The texts live in resources/strings/*.txt (one "Name=Text" per line) and are
// loaded at run time, so the whole interface can be translated there. The
// English texts live beside them in resources/strings/en/*.txt under the same
// names; a name without an English text keeps its Czech one.

#include "core/UnitEcriture.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <string_view>

namespace Chaines {

enum class Langue { Tcheque, Anglais };

// The interface language: `variable` (KINOTAB_LANG) when it is "cs" or "en",
// otherwise English for an English locale name (`locale`, such as "en_GB")
// and Czech for every other.
Langue ChoisirLangue(const QString& variable, const QString& locale);
// The language of this process, from KINOTAB_LANG and the system locale.
Langue LangueDuSysteme();

// Loads every table file under the resource folder ":/strings", then, for
// English, those of ":/strings/en" over them. Idempotent.
void Charger();

// The names and texts of one table file's text.
QHash<QString, QString> Lire(const QString& contenu);

// Parses one table file's text into the table. Returns the names that were
// already present (a name must be unique across every file).
QStringList Ajouter(const QString& contenu);

// The text stored under `nom`. A missing name yields "<nom>" so the fault is
// visible on screen instead of an empty caption.
QString Texte(std::string_view nom);

bool Existe(std::string_view nom);

// The message of a settings file that could not be written.
QString MessageEcritureIni(const QString& chemin);
// The line that says why a write failed ("Disk je plný.", or the system's own
// words); empty when nothing is known.
QString LigneCause(const CauseEcriture& cause);
// `lignes` followed by that line, when there is one.
QStringList AvecCause(QStringList lignes, const CauseEcriture& cause);
QStringList Noms();

} // namespace Chaines
