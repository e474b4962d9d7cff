#include "media/FormatsVideo.h"

#include <QFileInfo>

const QStringList& ExtensionsVideo()
{
    static const QStringList extensions = {
        QStringLiteral("avi"),  QStringLiteral("mp4"),  QStringLiteral("m4v"), QStringLiteral("mov"),
        QStringLiteral("3gp"),  QStringLiteral("3g2"),  QStringLiteral("mkv"), QStringLiteral("webm"),
        QStringLiteral("mts"),  QStringLiteral("m2ts"), QStringLiteral("ts"),  QStringLiteral("mpg"),
        QStringLiteral("mpeg"), QStringLiteral("wmv"),  QStringLiteral("asf"), QStringLiteral("flv"),
        QStringLiteral("ogv"),  QStringLiteral("mxf"),  QStringLiteral("dv"),
    };
    return extensions;
}

bool EstCheminVideo(const QString& chemin)
{
    return ExtensionsVideo().contains(QFileInfo(chemin).suffix().toLower());
}

QString MotifsVideo()
{
    QStringList motifs;
    for (const QString& e : ExtensionsVideo()) motifs << QStringLiteral("*.") + e;
    return motifs.join(u' ');
}
