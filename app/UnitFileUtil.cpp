#include "app/UnitFileUtil.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace {
QString& fichierIni()
{
    static QString chemin;
    return chemin;
}

const char* const NomFichierIni = "Kinotab.ini";
} // namespace

const QString& FichierIni()
{
    return fichierIni();
}

void ViderFichierIni()
{
    fichierIni().clear();
}

bool PreparerFichierIni()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
    const QString dossier = base + QStringLiteral("/Kinotab");
    const bool ok = QDir().mkpath(dossier) && QFileInfo(dossier).isDir() && QFileInfo(dossier).isWritable();
    fichierIni() =
        ok ? dossier + u'/' + QLatin1String(NomFichierIni) : QDir::currentPath() + u'/' + QLatin1String(NomFichierIni);
    return ok;
}

QString DossierBureau()
{
    const QString bureau = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!bureau.isEmpty() && QDir(bureau).exists()) return bureau;
    return QDir::homePath();
}

QString FormaterDate(const QDate& date)
{
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    // Every run of separators between the fields becomes one "_".
    QString r;
    bool separateur = false;
    for (QChar c : format) {
        if (c.isLetter()) {
            if (separateur && !r.isEmpty()) r += u'_';
            separateur = false;
            r += c;
        } else {
            separateur = true;
        }
    }
    return QLocale::system().toString(date, r);
}
