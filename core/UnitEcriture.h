#pragma once
// Writes a whole file safely: into a temporary file beside it, every byte
// checked, then put in place of the old one. A failed write (a full disk, a
// size limit) leaves the earlier file as it was and no new one.

#include <QByteArray>
#include <QString>

enum class ResultatEcriture { Ok, CreationImpossible, EcritureEchouee };

ResultatEcriture EcrireFichier(const QString& chemin, const QByteArray& contenu);
