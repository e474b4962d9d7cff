#pragma once
// Small videos made at test time, each frame showing its own index.

#include "tools/VideoWriter.h"

#include <QFile>
#include <QSize>
#include <QString>

inline bool EcrireVideoTest(const QString& chemin, int images, QSize taille, int cadence,
                            OptionsVideo::Codec codec = OptionsVideo::Codec::Mjpeg)
{
    OptionsVideo o;
    o.codec = codec;
    o.images = images;
    o.largeur = taille.width();
    o.hauteur = taille.height();
    o.cadence = cadence;
    return EcrireVideo(QFile::encodeName(chemin).toStdString(), o).empty();
}
