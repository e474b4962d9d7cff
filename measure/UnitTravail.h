#pragma once
// The work file: one piece of measuring work as text, one value per line in a
// fixed order, CR LF line ends, UTF-8. The file's integer codes for the tool,
// the cursor colour, the drawing choice, the overlay state, the segment and
// the origin are mapped to the measurement's own values here and nowhere else.

#include "core/UnitEcriture.h"
#include "core/UnitFormatReel.h"
#include "kinematics/UnitRefusGrandeur.h"
#include "measure/UnitEtatMesure.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

// A quantity of the user's that the file holds but that cannot be taken
// (its formula no longer parses): the quantities were dropped on reading.
struct TQuantiteIllisible {
    std::string Nom;
    TRefusGrandeur Refus;
};

struct Travail {
    QString CheminVideo;
    int NumeroImage = 0;
    // AxeVersLeBas and CacherImage are not stored: a loaded measurement has
    // them at their initial values. The frames of the marks are, in a block
    // after the last line (UnitTravailImages).
    EtatMesure Mesure;
    std::optional<TQuantiteIllisible> QuantiteIllisible{}; // reported once loaded
};

// The lines of the file, in order.
QStringList LignesTravail(const Travail& t, QChar separateurDecimal);
// Writes the file, replacing an existing one only once the new one is
// complete: a failed write leaves the previous file as it was, and `cause`
// says why.
ResultatEcriture EcrireTravail(const QString& chemin, const Travail& t, QChar separateurDecimal,
                               CauseEcriture* cause = nullptr);

struct LectureTravail {
    enum class Etat {
        Illisible, // the file cannot be opened or its first line read
        Contenu,   // line 1 was read, a later line is wrong or missing
        Ok
    };
    Etat etat = Etat::Illisible;
    Travail travail; // complete only with Ok; CheminVideo set from Contenu on
};

// More marks (or overlay marks) than any measurement takes: a read error.
constexpr int MarquesMax = 1000000;

// Files larger than this are no work file: refused without being read.
constexpr qint64 TailleMaxTravail = 256LL * 1024 * 1024;

LectureTravail LireTravail(const QString& chemin);
// The same from lines already split (the tests and the fuzz target use it).
LectureTravail LireLignesTravail(const QStringList& lignes);
