#include "resources/UnitPolice.h"

#include <QFontDatabase>
#include <QStringList>

bool InstallerPolice()
{
    bool ok = true;
    for (const char* f : {":/font/LiberationSerif-Regular.ttf", ":/font/LiberationSerif-Bold.ttf"})
        ok = QFontDatabase::addApplicationFont(QString::fromLatin1(f)) >= 0 && ok;
    if (!QFontDatabase::families().contains(QStringLiteral("Times New Roman"), Qt::CaseInsensitive))
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    return ok;
}

QFont PoliceProgramme()
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(13);
    return f;
}
