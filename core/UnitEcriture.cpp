#include "core/UnitEcriture.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

CauseEcriture CauseDepuisErreur(int erreur, const QString& texte)
{
    CauseEcriture c;
    c.texteSysteme = erreur != 0 ? QString::fromLocal8Bit(std::strerror(erreur)) : texte;
    switch (erreur) {
    case ENOSPC:
    case EDQUOT: c.genre = CauseEchec::DisquePlein; break;
    case EACCES:
    case EPERM: c.genre = CauseEchec::Permission; break;
    case EROFS:
    case ETXTBSY: c.genre = CauseEchec::LectureSeule; break;
    default: c.genre = CauseEchec::Systeme; break;
    }
    return c;
}

namespace {

ResultatEcriture echec(ResultatEcriture r, int erreur, const QSaveFile& f, CauseEcriture* cause)
{
    if (cause) *cause = CauseDepuisErreur(erreur, f.errorString());
    return r;
}

} // namespace

ResultatEcriture EcrireFichier(const QString& chemin, const QByteArray& contenu, CauseEcriture* cause)
{
    const QFileInfo existant(chemin);
    constexpr auto ecriture = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (existant.isFile() && !(existant.permissions() & ecriture)) {
        if (cause) *cause = {CauseEchec::LectureSeule, {}};
        return ResultatEcriture::CreationImpossible;
    }
    QSaveFile f(chemin);
    // errno is read straight after the call that failed, before anything
    // else can change it.
    errno = 0;
    // Unbuffered, so that a short write is seen here: a buffered write that
    // fails while flushing still lets commit() succeed with a cut file.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return echec(ResultatEcriture::CreationImpossible, errno, f, cause);
    if (f.write(contenu) != contenu.size()) return echec(ResultatEcriture::EcritureEchouee, errno, f, cause);
    if (!f.commit()) return echec(ResultatEcriture::EcritureEchouee, errno, f, cause);
    if (cause) *cause = {};
    return ResultatEcriture::Ok;
}
