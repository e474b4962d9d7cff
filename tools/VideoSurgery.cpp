#include "tools/VideoSurgery.h"

#include <cstdint>

namespace {

std::uint32_t Mot(const QByteArray& d, qsizetype i)
{
    return std::uint32_t(std::uint8_t(d[i])) | std::uint32_t(std::uint8_t(d[i + 1])) << 8 |
        std::uint32_t(std::uint8_t(d[i + 2])) << 16 | std::uint32_t(std::uint8_t(d[i + 3])) << 24;
}

QByteArray EnMot(std::uint32_t v)
{
    QByteArray d(4, 0);
    for (int i = 0; i < 4; ++i) d[i] = char((v >> (8 * i)) & 0xFF);
    return d;
}

QByteArray Morceau(const char* id, const QByteArray& contenu)
{
    QByteArray d = QByteArray(id, 4) + EnMot(std::uint32_t(contenu.size())) + contenu;
    if (contenu.size() & 1) d += '\0';
    return d;
}

} // namespace

QByteArray SansIndexOpenDml(QByteArray avi)
{
    for (qsizetype i = avi.indexOf("indx"); i >= 0; i = avi.indexOf("indx", i + 4)) avi.replace(i, 4, "JUNK");
    return avi;
}

QByteArray EnOpenDml(const QByteArray& source, int imagesPremiereForme)
{
    const QByteArray avi = SansIndexOpenDml(source);
    const qsizetype movi = avi.indexOf("movi") - 8; // its 'LIST'
    if (movi < 12 || avi.mid(movi, 4) != "LIST") return {};
    const qsizetype fin = std::min<qsizetype>(avi.size(), movi + 8 + Mot(avi, movi + 4));
    // The data chunks in order, cut after the chosen frame.
    QByteArray premiers = "movi", seconds = "movi", idx1;
    int images = 0;
    for (qsizetype pos = movi + 12; pos + 8 <= fin;) {
        const QByteArray id = avi.mid(pos, 4);
        const qsizetype taille = Mot(avi, pos + 4);
        const QByteArray morceau = avi.mid(pos, 8 + taille + (taille & 1));
        pos += morceau.size();
        if (id.startsWith("ix") || id == "JUNK") continue;
        const bool image = id.endsWith("dc") || id.endsWith("db");
        if (images < imagesPremiereForme) {
            // Offsets count from the 'movi' of the list.
            idx1 += id + EnMot(image ? 0x10 : 0) + EnMot(std::uint32_t(premiers.size())) + EnMot(std::uint32_t(taille));
            premiers += morceau;
        } else {
            seconds += morceau;
        }
        if (image) ++images;
    }
    const QByteArray premiere = avi.mid(12, movi - 12) + Morceau("LIST", premiers) + Morceau("idx1", idx1);
    return Morceau("RIFF", "AVI " + premiere) + Morceau("RIFF", "AVIX" + Morceau("LIST", seconds));
}
