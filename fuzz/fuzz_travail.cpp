// libFuzzer target: the work-file reader must turn any bytes into either a
// work or a read error, without crashing, hanging or allocating wildly; and
// whatever it accepts must write back and read back to the same lines.

#include "measure/UnitTravail.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unistd.h>

namespace {

QString Chemin(const char* nom)
{
    return QStringLiteral("/tmp/fuzz_travail_%1_%2.ktb").arg(::getpid()).arg(QLatin1String(nom));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QString lu = Chemin("lu"), ecrit = Chemin("ecrit");
    {
        QFile f(lu);
        if (!f.open(QIODevice::WriteOnly)) return 0;
        f.write(reinterpret_cast<const char*>(donnees), qint64(taille));
    }
    const LectureTravail r = LireTravail(lu);
    if (r.etat != LectureTravail::Etat::Ok) return 0;
    // What was read writes back to as many lines as the counts say.
    const Travail& t = r.travail;
    const EtatMesure& m = t.Mesure;
    const QStringList lignes = LignesTravail(t, u'.');
    const qsizetype attendu = 24 + 2 * qsizetype(m.Marques.size()) + 4 * qsizetype(m.MarquesTsp.size()) +
        2 * m.BoutsEtalon() + (m.OrigineEstPlacee() ? 2 : 0);
    if (lignes.size() != attendu) __builtin_trap();
    // Saved under either separator, it reads back to the same lines.
    for (const QChar separateur : {QChar(u'.'), QChar(u',')}) {
        if (EcrireTravail(ecrit, t, separateur) != ResultatEcriture::Ok) __builtin_trap();
        const LectureTravail relu = LireTravail(ecrit);
        if (relu.etat != LectureTravail::Etat::Ok || LignesTravail(relu.travail, u'.') != lignes) __builtin_trap();
    }
    return 0;
}
