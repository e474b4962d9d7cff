#include "resources/UnitChainesRessources.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QtGlobal>

namespace Chaines {
namespace {

QHash<QString, QString>& table()
{
    static QHash<QString, QString> t;
    return t;
}

QString decoder(QStringView brut)
{
    QString r;
    r.reserve(brut.size());
    for (qsizetype i = 0; i < brut.size(); ++i) {
        QChar c = brut[i];
        if (c == u'\\' && i + 1 < brut.size()) {
            QChar n = brut[++i];
            if (n == u'n') r += u'\n';
            else if (n == u't') r += u'\t';
            else r += n;
        } else {
            r += c;
        }
    }
    return r;
}

} // namespace

QStringList Ajouter(const QString& contenu)
{
    QStringList doubles;
    const auto lignes = contenu.split(u'\n');
    for (QString ligne : lignes) {
        if (ligne.endsWith(u'\r')) ligne.chop(1);
        if (ligne.isEmpty() || ligne.startsWith(u'#')) continue;
        const auto egal = ligne.indexOf(u'=');
        if (egal <= 0) continue;
        const QString nom = ligne.left(egal).trimmed();
        if (table().contains(nom)) doubles << nom;
        table().insert(nom, decoder(QStringView(ligne).mid(egal + 1)));
    }
    return doubles;
}

void Charger()
{
    static bool charge = false;
    if (charge) return;
    charge = true;
    const QDir dossier(QStringLiteral(":/strings"));
    for (const QString& nom : dossier.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile f(dossier.filePath(nom));
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QStringList doubles = Ajouter(QString::fromUtf8(f.readAll()));
        for (const QString& d : doubles) qWarning("string table: name %s defined twice", qPrintable(d));
    }
}

QString Texte(std::string_view nom)
{
    const QString cle = QString::fromUtf8(nom.data(), qsizetype(nom.size()));
    const auto it = table().constFind(cle);
    if (it != table().constEnd()) return *it;
    return u'<' + cle + u'>';
}

bool Existe(std::string_view nom)
{
    return table().contains(QString::fromUtf8(nom.data(), qsizetype(nom.size())));
}

QStringList Noms()
{
    return table().keys();
}

QString MessageEcritureIni(const QString& chemin)
{
    return Texte("MsgEcritureIni").replace(QStringLiteral("%s"), chemin);
}

} // namespace Chaines
