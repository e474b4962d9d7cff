#include "core/IniFile.h"

#include "core/UnitCp1250.h"
#include "core/UnitEcriture.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>

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

// The file's lines as text, with the bytes each was read from (its line end
// included); a line written anew has none.
struct IniFile::Contenu {
    QStringList textes;
    QList<QByteArray> octets;

    void Remplacer(qsizetype i, const QString& texte)
    {
        textes[i] = texte;
        octets[i] = QByteArray();
    }
    void Inserer(qsizetype i, const QString& texte)
    {
        textes.insert(i, texte);
        octets.insert(i, QByteArray());
    }
    void Retirer(qsizetype debut, qsizetype fin)
    {
        textes.remove(debut, fin - debut);
        octets.remove(debut, fin - debut);
    }
};

namespace {

// Anything else than a regular file would block the open, or never end.
bool PasUnFichier(const QString& chemin)
{
    const QFileInfo info(chemin);
    return info.exists() && !info.isFile();
}

QString TexteDeLigne(QByteArrayView ligne)
{
    if (ligne.isValidUtf8()) return QString::fromUtf8(ligne);
    if (auto cp1250 = DepuisCp1250(ligne)) return *cp1250;
    return QString::fromLatin1(ligne); // no text: kept as bytes, read as what it is
}

} // namespace

IniFile::Contenu IniFile::lireContenu() const
{
    Contenu c;
    if (PasUnFichier(chemin_)) return c;
    QFile f(chemin_);
    if (!f.open(QIODevice::ReadOnly)) return c;
    const QByteArray tout = f.readAll();
    for (qsizetype debut = 0; debut < tout.size();) {
        const qsizetype nl = tout.indexOf('\n', debut);
        const qsizetype fin = nl < 0 ? tout.size() : nl + 1;
        QByteArrayView ligne = QByteArrayView(tout).sliced(debut, fin - debut);
        c.octets << ligne.toByteArray();
        if (ligne.endsWith('\n')) ligne.chop(1);
        if (ligne.endsWith('\r')) ligne.chop(1);
        c.textes << TexteDeLigne(ligne);
        debut = fin;
    }
    while (!c.textes.isEmpty() && c.textes.last().isEmpty()) c.Retirer(c.textes.size() - 1, c.textes.size());
    return c;
}

QStringList IniFile::lire() const
{
    return lireContenu().textes;
}

bool IniFile::ecrire(const Contenu& c)
{
    if (PasUnFichier(chemin_)) {
        echecEcriture_ = true;
        cause_ = {CauseEchec::Systeme, {}};
        return false;
    }
    QByteArray texte;
    for (qsizetype i = 0; i < c.textes.size(); ++i) {
        if (c.octets[i].isNull()) {
            texte += c.textes[i].toUtf8() + "\r\n";
            continue;
        }
        texte += c.octets[i];
        // The file's last line had no end; a line now follows it.
        if (!c.octets[i].endsWith('\n') && i + 1 < c.textes.size()) texte += "\r\n";
    }
    echecEcriture_ = EcrireFichier(chemin_, texte, &cause_) != ResultatEcriture::Ok;
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
    Contenu c = lireContenu();
    const QString ligne = cle + u'=' + valeur;
    const auto bornes = bornesSection(c.textes, section);
    if (!bornes) {
        if (!c.textes.isEmpty()) c.Inserer(c.textes.size(), QString());
        c.Inserer(c.textes.size(), u'[' + section + u']');
        c.Inserer(c.textes.size(), ligne);
        return ecrire(c);
    }
    const qsizetype i = ligneCle(c.textes, bornes->first, bornes->second, cle);
    if (i >= 0) {
        if (c.textes[i] == ligne && !c.octets[i].isNull()) return ecrire(c); // the same: its bytes stay
        c.Remplacer(i, ligne);
    } else {
        // After the section's last non-empty line, before the blank separator.
        qsizetype pos = bornes->second;
        while (pos > bornes->first + 1 && c.textes[pos - 1].trimmed().isEmpty()) --pos;
        c.Inserer(pos, ligne);
    }
    return ecrire(c);
}

bool IniFile::WriteInteger(const QString& section, const QString& cle, int valeur)
{
    return WriteString(section, cle, QString::number(valeur));
}

bool IniFile::DeleteKey(const QString& section, const QString& cle)
{
    Contenu c = lireContenu();
    const auto bornes = bornesSection(c.textes, section);
    if (!bornes) return true;
    const qsizetype i = ligneCle(c.textes, bornes->first, bornes->second, cle);
    if (i < 0) return true;
    c.Retirer(i, i + 1);
    return ecrire(c);
}

bool IniFile::EraseSection(const QString& section)
{
    Contenu c = lireContenu();
    const auto bornes = bornesSection(c.textes, section);
    if (!bornes) return true;
    c.Retirer(bornes->first, bornes->second);
    return ecrire(c);
}
