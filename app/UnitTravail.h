#pragma once
// The work file: one piece of measuring work as text, one value per line in a
// fixed order, CR LF line ends, UTF-8. This is the file's content as plain
// values; the main window maps them to and from the view and its menus.

#include "app/UnitFormatReel.h"
#include "video/UnitMath.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct Travail {
    QString CheminVideo;
    int NumeroImage = 0;
    int MarquesParImage = 1;     // line 3: 1..3 (other values are ignored on load)
    int Outil = 1;               // line 4: 1 marks, 2 scale, 3 origin, 4 overlay
    int Curseur = 0;             // line 5: the view's cursor number
    int CouleurCurseur = 3;      // line 6: 1 black, 2 white, 3 black and white
    int MarquesDerniereImage = 0;
    VecteurPointD Marques;       // its length is the mark count
    int MarquesTspDerniereImage = 0;
    VecteurPointD MarquesTsp;    // its length is the overlay mark count
    int EtatTransparentFichier = 1; // as stored: EtatTransparent + 1
    PointD CentreTsp;
    VecteurPointD CentresTsp{PointD{}}; // overlay mark count + 1 entries
    PointD DemiTailleTsp;
    PointD DecalageTsp;
    int EtatEtalon = 0;          // 0..2
    std::array<PointD, 2> PointsEtalon{};
    double LongueurEtalon = 0;
    int OriginePlacee = 0;
    PointD Origine;
    std::int64_t Couleur = 255;  // red in the low byte
    int DessinMarques = 2;       // 1 only the last mark, 2 all marks
    // The frame each mark was placed on (the block after the last line);
    // empty when the file has none.
    std::vector<int> ImagesDesMarques;
    std::vector<int> ImagesDesMarquesTsp;

    // EtatTransparent as the view holds it: 2 -> 1, 3 -> 2, anything else -> 0.
    int EtatTransparent() const;
};


// The lines of the file, in order.
QStringList LignesTravail(const Travail& t, QChar separateurDecimal);
// Writes the file, replacing an existing one only once the new one is
// complete: a failed write leaves the previous file as it was.
enum class ResultatEcriture { Ok, CreationImpossible, EcritureEchouee };
ResultatEcriture EcrireTravail(const QString& chemin, const Travail& t, QChar separateurDecimal);

struct LectureTravail {
    enum class Etat {
        Illisible, // the file cannot be opened or its first line read
        Contenu,   // line 1 was read, a later line is wrong or missing
        Ok
    };
    Etat etat = Etat::Illisible;
    Travail travail; // complete only with Ok; CheminVideo set from Contenu on
};

// Files larger than this are no work file: refused without being read.
constexpr qint64 TailleMaxTravail = 256LL * 1024 * 1024;

LectureTravail LireTravail(const QString& chemin);
// The same from lines already split (the tests and the fuzz target use it).
LectureTravail LireLignesTravail(const QStringList& lignes);
