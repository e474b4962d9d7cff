#include "media/FormatsVideo.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

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

namespace {

constexpr char Synchro = 0x47;
constexpr int PaquetsLus = 8;

bool paquetsSynchronises(const QByteArray& debut, int pas, int decalage)
{
    const int paquets = std::min(PaquetsLus, int((debut.size() - decalage) / pas));
    if (paquets < 2) return false;
    for (int k = 0; k < paquets; ++k)
        if (debut[decalage + k * pas] != Synchro) return false;
    return true;
}

} // namespace

bool EstFluxTransport(const QByteArray& debut)
{
    return paquetsSynchronises(debut, 188, 0) || paquetsSynchronises(debut, 192, 4);
}

bool ContenuContredit(const QString& chemin)
{
    static const QStringList partagees = {QStringLiteral("ts"), QStringLiteral("mts")};
    if (!partagees.contains(QFileInfo(chemin).suffix().toLower())) return false;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return false;
    return !EstFluxTransport(f.read(PaquetsLus * 192));
}
