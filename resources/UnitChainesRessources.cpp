#include "resources/UnitChainesRessources.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
#include <QLocale>
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
            if (n == u'n')
                r += u'\n';
            else if (n == u't')
                r += u'\t';
            else
                r += n;
        } else {
            r += c;
        }
    }
    return r;
}

// The (name, text) pairs of a table file, in order; comments and lines
// without a name are skipped.
QList<std::pair<QString, QString>> lignes(const QString& contenu)
{
    QList<std::pair<QString, QString>> r;
    for (QString ligne : contenu.split(u'\n')) {
        if (ligne.endsWith(u'\r')) ligne.chop(1);
        if (ligne.isEmpty() || ligne.startsWith(u'#')) continue;
        const auto egal = ligne.indexOf(u'=');
        if (egal <= 0) continue;
        r.append({ligne.left(egal).trimmed(), decoder(QStringView(ligne).mid(egal + 1))});
    }
    return r;
}

// Adds every table file of a resource folder; returns the names met twice.
QStringList chargerDossier(const QString& chemin)
{
    QStringList doubles;
    const QDir dossier(chemin);
    for (const QString& nom : dossier.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile f(dossier.filePath(nom));
        if (f.open(QIODevice::ReadOnly)) doubles << Ajouter(QString::fromUtf8(f.readAll()));
    }
    return doubles;
}

} // namespace

QHash<QString, QString> Lire(const QString& contenu)
{
    QHash<QString, QString> lus;
    for (const auto& [nom, texte] : lignes(contenu)) lus.insert(nom, texte);
    return lus;
}

QStringList Ajouter(const QString& contenu)
{
    QStringList doubles;
    for (const auto& [nom, texte] : lignes(contenu)) {
        if (table().contains(nom)) doubles << nom;
        table().insert(nom, texte);
    }
    return doubles;
}

Langue ChoisirLangue(const QString& variable, const QString& locale)
{
    if (variable == QLatin1String("cs")) return Langue::Tcheque;
    if (variable == QLatin1String("en")) return Langue::Anglais;
    return locale.startsWith(QLatin1String("en")) ? Langue::Anglais : Langue::Tcheque;
}

Langue LangueDuSysteme()
{
    return ChoisirLangue(qEnvironmentVariable("KINOTAB_LANG"), QLocale::system().name());
}

void Charger()
{
    static bool charge = false;
    if (charge) return;
    charge = true;
    for (const QString& d : chargerDossier(QStringLiteral(":/strings")))
        qWarning("string table: name %s defined twice", qPrintable(d));
    if (LangueDuSysteme() == Langue::Anglais) {
        // The English texts replace the Czech ones of the same names.
        const QHash<QString, QString> tcheque = table();
        table().clear();
        for (const QString& d : chargerDossier(QStringLiteral(":/strings/en")))
            qWarning("string table: English name %s defined twice", qPrintable(d));
        for (auto it = tcheque.cbegin(); it != tcheque.cend(); ++it)
            if (!table().contains(it.key())) table().insert(it.key(), it.value());
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

QString LigneCause(const CauseEcriture& cause)
{
    switch (cause.genre) {
    case CauseEchec::Aucune: return {};
    case CauseEchec::DisquePlein: return Texte("CauseDisquePlein");
    case CauseEchec::Permission: return Texte("CausePermission");
    case CauseEchec::LectureSeule: return Texte("CauseLectureSeule");
    case CauseEchec::Systeme: break;
    }
    const QString t = cause.texteSysteme.trimmed();
    return t.isEmpty() || t.endsWith(u'.') ? t : t + u'.';
}

QStringList AvecCause(QStringList lignes, const CauseEcriture& cause)
{
    const QString ligne = LigneCause(cause);
    if (!ligne.isEmpty()) lignes << ligne;
    return lignes;
}

} // namespace Chaines
