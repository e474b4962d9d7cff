// libFuzzer target: the work-file reader must turn any bytes into either a
// work or a read error, without crashing, hanging or allocating wildly.

#include "app/UnitTravail.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QString texte = QString::fromUtf8(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    QStringList lignes = texte.split(u'\n');
    for (QString& l : lignes)
        if (l.endsWith(u'\r')) l.chop(1);
    const LectureTravail r = LireLignesTravail(lignes);
    if (r.etat == LectureTravail::Etat::Ok) {
        // What was read writes back to as many lines as the counts say.
        const EtatMesure& m = r.travail.Mesure;
        const qsizetype attendu = 24 + 2 * qsizetype(m.Marques.size()) + 4 * qsizetype(m.MarquesTsp.size())
                                + 2 * m.BoutsEtalon() + (m.OrigineEstPlacee() ? 2 : 0);
        if (LignesTravail(r.travail, u'.').size() != attendu) __builtin_trap();
    }
    return 0;
}
