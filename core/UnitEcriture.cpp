#include "core/UnitEcriture.h"

#include <QSaveFile>

ResultatEcriture EcrireFichier(const QString& chemin, const QByteArray& contenu)
{
    QSaveFile f(chemin);
    // Unbuffered, so that a short write is seen here: a buffered write that
    // fails while flushing still lets commit() succeed with a cut file.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return ResultatEcriture::CreationImpossible;
    if (f.write(contenu) != contenu.size() || !f.commit()) return ResultatEcriture::EcritureEchouee;
    return ResultatEcriture::Ok;
}
