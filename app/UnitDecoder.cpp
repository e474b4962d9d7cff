#include "app/UnitDecoder.h"

QByteArray Decoder(const QByteArray& cle, const QByteArray& donnees)
{
    if (cle.isEmpty()) return donnees;
    const int h = int(cle.size() / 2);
    QByteArray r(donnees.size(), '\0');
    for (qsizetype i = 0; i < donnees.size(); ++i) {
        const int c = quint8(donnees[i]) - quint8(cle[i % cle.size()]) - h;
        r[i] = char(quint8(c & 0xff));
    }
    return r;
}
