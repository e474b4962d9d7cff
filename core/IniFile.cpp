#include "core/IniFile.h"

#include "core/UnitEcriture.h"

#include <QFile>

namespace {

bool estSection(const QString& ligne, QString* nom)
{
    const QString t = ligne.trimmed();
    if (!t.startsWith(u'[')) return false;
    const auto fin = t.indexOf(u']');
    if (fin < 0) return false;
    if (nom) *nom = t.mid(1, fin - 1).trimmed();
    return true;
}

QString cleDe(const QString& ligne)
{
    const auto egal = ligne.indexOf(u'=');
    return egal < 0 ? QString() : ligne.left(egal).trimmed();
}

} // namespace

IniFile::IniFile(QString chemin) : chemin_(std::move(chemin)) {}

QStringList IniFile::lire() const
{
    QFile f(chemin_);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList lignes = QString::fromUtf8(f.readAll()).split(u'\n');
    for (QString& l : lignes)
        if (l.endsWith(u'\r')) l.chop(1);
    while (!lignes.isEmpty() && lignes.last().isEmpty()) lignes.removeLast();
    return lignes;
}

bool IniFile::ecrire(const QStringList& lignes)
{
    QByteArray texte;
    for (const QString& l : lignes) texte += l.toUtf8() + "\r\n";
    echecEcriture_ = EcrireFichier(chemin_, texte) != ResultatEcriture::Ok;
    return !echecEcriture_;
}

std::optional<std::pair<qsizetype, qsizetype>> IniFile::bornesSection(const QStringList& lignes, const QString& section)
{
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        QString nom;
        if (!estSection(lignes[i], &nom) || nom.compare(section, Qt::CaseInsensitive) != 0) continue;
        qsizetype fin = i + 1;
        while (fin < lignes.size() && !estSection(lignes[fin], nullptr)) ++fin;
        return std::make_pair(i, fin);
    }
    return std::nullopt;
}

qsizetype IniFile::ligneCle(const QStringList& lignes, qsizetype debut, qsizetype fin, const QString& cle)
{
    for (qsizetype i = debut + 1; i < fin; ++i)
        if (cleDe(lignes[i]).compare(cle, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QString IniFile::ReadString(const QString& section, const QString& cle, const QString& defaut) const
{
    const QStringList lignes = lire();
    const auto bornes = bornesSection(lignes, section);
    if (!bornes) return defaut;
    const qsizetype i = ligneCle(lignes, bornes->first, bornes->second, cle);
    if (i < 0) return defaut;
    return lignes[i].mid(lignes[i].indexOf(u'=') + 1).trimmed();
}

int IniFile::ReadInteger(const QString& section, const QString& cle, int defaut) const
{
    bool ok = false;
    const int v = ReadString(section, cle).toInt(&ok);
    return ok ? v : defaut;
}

bool IniFile::ValueExists(const QString& section, const QString& cle) const
{
    const QStringList lignes = lire();
    const auto bornes = bornesSection(lignes, section);
    return bornes && ligneCle(lignes, bornes->first, bornes->second, cle) >= 0;
}

QStringList IniFile::ReadSection(const QString& section) const
{
    const QStringList lignes = lire();
    const auto bornes = bornesSection(lignes, section);
    QStringList cles;
    if (!bornes) return cles;
    for (qsizetype i = bornes->first + 1; i < bornes->second; ++i) {
        const QString c = cleDe(lignes[i]);
        if (!c.isEmpty()) cles << c;
    }
    return cles;
}

bool IniFile::WriteString(const QString& section, const QString& cle, const QString& valeur)
{
    QStringList lignes = lire();
    const QString ligne = cle + u'=' + valeur;
    const auto bornes = bornesSection(lignes, section);
    if (!bornes) {
        if (!lignes.isEmpty()) lignes << QString();
        lignes << u'[' + section + u']' << ligne;
        return ecrire(lignes);
    }
    const qsizetype i = ligneCle(lignes, bornes->first, bornes->second, cle);
    if (i >= 0) {
        lignes[i] = ligne;
    } else {
        // After the section's last non-empty line, before the blank separator.
        qsizetype pos = bornes->second;
        while (pos > bornes->first + 1 && lignes[pos - 1].trimmed().isEmpty()) --pos;
        lignes.insert(pos, ligne);
    }
    return ecrire(lignes);
}

bool IniFile::WriteInteger(const QString& section, const QString& cle, int valeur)
{
    return WriteString(section, cle, QString::number(valeur));
}

bool IniFile::DeleteKey(const QString& section, const QString& cle)
{
    QStringList lignes = lire();
    const auto bornes = bornesSection(lignes, section);
    if (!bornes) return true;
    const qsizetype i = ligneCle(lignes, bornes->first, bornes->second, cle);
    if (i < 0) return true;
    lignes.removeAt(i);
    return ecrire(lignes);
}

bool IniFile::EraseSection(const QString& section)
{
    QStringList lignes = lire();
    const auto bornes = bornesSection(lignes, section);
    if (!bornes) return true;
    lignes.erase(lignes.begin() + bornes->first, lignes.begin() + bornes->second);
    return ecrire(lignes);
}
