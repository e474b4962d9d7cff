#include "measure/UnitTravailBlocs.h"

#include "measure/UnitChampsImages.h"
#include "measure/UnitRotationImage.h"
#include "measure/UnitTravailCalibration.h"
#include "measure/UnitTravailGrandeurs.h"
#include "measure/UnitTravailAjustements.h"
#include "measure/UnitTravailImages.h"
#include "measure/UnitTravailOrigines.h"

#include <QSet>
#include <array>

namespace {

struct Bloc {
    QLatin1StringView Entete;
    // Appends the tag and the block's lines, or nothing when there is nothing to keep.
    void (*Ecrire)(QStringList& lignes, const Travail& t);
    // Reads the lines after the tag from `pos`, leaving `pos` after the block.
    bool (*Lire)(const QStringList& lignes, qsizetype& pos, Travail& t);
};

// One entry a block, in the order they are written.
constexpr std::array Blocs{
    Bloc{QLatin1StringView("Images"), EcrireImagesTravail, LireImagesTravail},
    Bloc{QLatin1StringView("Origines"), EcrireOriginesTravail, LireOriginesTravail},
    Bloc{QLatin1StringView("Rotation"), EcrireRotationTravail, LireRotationTravail},
    Bloc{QLatin1StringView("Axes"), EcrireAxesTravail, LireAxesTravail},
    Bloc{QLatin1StringView("Plane"), EcrirePlanTravail, LirePlanTravail},
    Bloc{QLatin1StringView("Masses"), EcrireMassesTravail, LireMassesTravail},
    Bloc{QLatin1StringView("Quantities"), EcrireQuantitesTravail, LireQuantitesTravail},
    Bloc{QLatin1StringView("Fits"), EcrireAjustementsTravail, LireAjustementsTravail},
    Bloc{QLatin1StringView("Fields"), EcrireChampsTravail, LireChampsTravail},
    Bloc{QLatin1StringView("QuantityFits"), EcrireAjustementsQuantitesTravail, LireAjustementsQuantitesTravail},
};

const Bloc* BlocNomme(const QString& entete)
{
    for (const Bloc& b : Blocs)
        if (entete == b.Entete) return &b;
    return nullptr;
}

} // namespace

void EcrireBlocsTravail(QStringList& lignes, const Travail& t)
{
    for (const Bloc& b : Blocs) b.Ecrire(lignes, t);
}

bool LireBlocsTravail(const QStringList& lignes, Travail& t)
{
    QSet<const Bloc*> lus;
    qsizetype pos = 0;
    while (pos < lignes.size()) {
        const Bloc* b = BlocNomme(lignes[pos]);
        if (!b) return true;
        if (lus.contains(b)) return false;
        lus.insert(b);
        ++pos;
        if (!b->Lire(lignes, pos, t)) return false;
    }
    return true;
}
