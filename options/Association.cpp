#include "options/Association.h"

#include "resources/UnitChainesRessources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString TypeMime = QStringLiteral("application/x-kinotab-work");

QString dossierDonnees()
{
    // Honours XDG_DATA_HOME, ~/.local/share when unset.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

bool ecrire(const QString& chemin, const QByteArray& contenu)
{
    if (!QDir().mkpath(QFileInfo(chemin).absolutePath())) return false;
    QSaveFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size() && f.commit();
}

bool supprimer(const QString& chemin)
{
    return !QFileInfo::exists(chemin) || QFile::remove(chemin);
}

// Runs a database tool when the desktop has it; the files written stand
// whatever the tool says.
void rafraichir(const QString& outil, const QString& dossier)
{
    const QString executable = QStandardPaths::findExecutable(outil);
    if (executable.isEmpty() || !QFileInfo(dossier).isDir()) return;
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(executable, {dossier});
    p.waitForFinished(10000);
}

void rafraichirBases()
{
    rafraichir(QStringLiteral("update-mime-database"), dossierDonnees() + QStringLiteral("/mime"));
    rafraichir(QStringLiteral("update-desktop-database"), dossierDonnees() + QStringLiteral("/applications"));
}

// The same definition the installation puts in the system's MIME folder.
QByteArray paquetMime()
{
    QFile f(QStringLiteral(":/mime/kinotab-ktb.xml"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray entreeBureau(const QString& programme)
{
    // Hidden from the menus: the installed launcher is the program's entry
    // there; this one only opens work files.
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Comment=%2\n"
                          "Exec=%3\n"
                          "MimeType=%4;\n"
                          "NoDisplay=true\n"
                          "Terminal=false\n")
        .arg(Chaines::Texte("TitreApplication"), Chaines::Texte("AssociationTypeFichier"),
             Association::LigneExec(programme), TypeMime)
        .toUtf8();
}

} // namespace

namespace Association {

QString FichierMime()
{
    return dossierDonnees() + QStringLiteral("/mime/packages/kinotab-ktb.xml");
}

QString FichierBureau()
{
    return dossierDonnees() + QStringLiteral("/applications/kinotab-ktb.desktop");
}

bool Presente()
{
    return QFileInfo::exists(FichierBureau());
}

bool AssocierExtension(const QString& programme)
{
    const bool ok = ecrire(FichierMime(), paquetMime()) && ecrire(FichierBureau(), entreeBureau(programme));
    rafraichirBases();
    return ok;
}

bool DissocierExtension()
{
    const bool entree = supprimer(FichierBureau());
    const bool mime = supprimer(FichierMime());
    rafraichirBases();
    return entree && mime;
}

QString LigneExec(const QString& programme)
{
    // Inside a quoted argument ", `, $ and \ take a backslash; the value is
    // then a desktop-entry string, where a backslash is doubled, and "%"
    // stands for a field code unless doubled.
    QString argument = QStringLiteral("\"");
    for (const QChar c : programme) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') argument += u'\\';
        argument += c;
    }
    argument += u'"';
    argument.replace(u'\\', QLatin1String("\\\\")).replace(u'%', QLatin1String("%%"));
    return argument + QStringLiteral(" %f");
}

} // namespace Association
