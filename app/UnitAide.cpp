#include "app/UnitAide.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

const QString Racine = QStringLiteral(":/aide");

bool copier(const QString& source, const QString& cible)
{
    QFile f(source);
    if (!f.open(QIODevice::ReadOnly)) return false;
    QSaveFile s(cible);
    const QByteArray contenu = f.readAll();
    return s.open(QIODevice::WriteOnly) && s.write(contenu) == contenu.size() && s.commit();
}

} // namespace

QString EcrireAide(const QString& dossier, Chaines::Langue langue)
{
    QDirIterator it(Racine, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString cible = dossier + source.mid(Racine.size());
        if (!QDir().mkpath(QFileInfo(cible).absolutePath()) || !copier(source, cible)) return {};
    }
    const QString page = dossier +
        (langue == Chaines::Langue::Anglais ? QStringLiteral("/Kinotab.en.html") : QStringLiteral("/Kinotab.html"));
    return QFileInfo::exists(page) ? page : QString();
}

QString PreparerAide()
{
    // Written again at every call, so a page the user deleted comes back.
    static QTemporaryDir dossier(QDir::tempPath() + QStringLiteral("/kinotab-aide-XXXXXX"));
    return dossier.isValid() ? EcrireAide(dossier.path(), Chaines::LangueDuSysteme()) : QString();
}
