#include "video/ExtensionsVideo.h"

#include <QFileInfo>

QStringList ExtensionsVideo()
{
    return {QStringLiteral("avi")};
}

QString MasquesVideo()
{
    QStringList masques;
    for (const QString& e : ExtensionsVideo()) masques << QStringLiteral("*.") + e;
    return masques.join(u';');
}

bool EstFichierVideo(const QString& chemin)
{
    return ExtensionsVideo().contains(QFileInfo(chemin).suffix().toLower());
}
