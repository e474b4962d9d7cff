#include "measure/UnitChampsImages.h"

#include "measure/UnitTravail.h"

void EcrireChampsTravail(QStringList& lignes, const Travail& t)
{
    if (!t.Mesure.ChampsImages) return;
    lignes << QStringLiteral("Fields") << QStringLiteral("1");
}

bool LireChampsTravail(const QStringList& lignes, qsizetype& pos, Travail& t)
{
    if (pos >= lignes.size()) return false;
    const QString& ligne = lignes[pos++];
    if (ligne != QLatin1String("0") && ligne != QLatin1String("1")) return false;
    t.Mesure.ChampsImages = ligne == QLatin1String("1");
    return true;
}
