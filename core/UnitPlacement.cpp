#include "core/UnitPlacement.h"

#include "core/IniFile.h"

#include <QStringList>

#include <array>

namespace {

QString suffixe(const QString& cle, QSize ecran)
{
    return QStringLiteral("%1(%2x%3)").arg(cle).arg(ecran.width()).arg(ecran.height());
}

QString quatre(int a, int b, int c, int d)
{
    return QStringLiteral("%1,%2,%3,%4").arg(a).arg(b).arg(c).arg(d);
}

std::optional<std::array<int, 4>> lireQuatre(const QString& texte)
{
    const QStringList morceaux = texte.split(u',');
    if (morceaux.size() != 4) return std::nullopt;
    std::array<int, 4> r{};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        r[i] = morceaux[i].trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
    }
    return r;
}

QString lireSuffixeOuNon(const IniFile& ini, const QString& section, const QString& cle, QSize ecran)
{
    const QString v = ini.ReadString(section, suffixe(cle, ecran));
    return v.isEmpty() ? ini.ReadString(section, cle) : v;
}

} // namespace

QRect RectangleExterieur(const QRect& client, const QMargins& cadre)
{
    return client.marginsAdded(cadre);
}

QRect RectangleClient(const QRect& exterieur, const QMargins& cadre)
{
    return exterieur.marginsRemoved(cadre);
}

EtatFenetre EtatDepuisShowCmd(int showCmd)
{
    switch (showCmd) {
    case 2:
    case 6:
    case 7: return EtatFenetre::Minimisee;
    case 3: return EtatFenetre::Maximisee;
    default: return EtatFenetre::Normale;
    }
}

bool EcrirePlacement(IniFile& ini, const QString& section, const Placement& p, QSize ecran, bool pendantDestruction)
{
    const QString minMax = quatre(p.PosMin.x(), p.PosMin.y(), p.PosMax.x(), p.PosMax.y());
    // Right and bottom are exclusive, as the stored rectangle always was.
    const QString norm = quatre(p.Normale.left(), p.Normale.top(), p.Normale.left() + p.Normale.width(),
                                p.Normale.top() + p.Normale.height());
    return ini.WriteInteger(section, QStringLiteral("FormVersion"), 0) &&
        ini.WriteInteger(section, QStringLiteral("Flags"), p.Flags) &&
        ini.WriteInteger(section, QStringLiteral("ShowCmd"), p.ShowCmd) &&
        ini.WriteInteger(section, QStringLiteral("PixelsPerInch"), p.PixelsPerInch) &&
        ini.WriteString(section, suffixe(QStringLiteral("MinMaxPos"), ecran), minMax) &&
        ini.WriteString(section, QStringLiteral("MinMaxPos"), minMax) &&
        ini.WriteString(section, suffixe(QStringLiteral("NormPos"), ecran), norm) &&
        ini.WriteString(section, QStringLiteral("NormPos"), norm) &&
        ini.WriteString(section, QStringLiteral("Visible"),
                        pendantDestruction ? QStringLiteral("1") : QStringLiteral("0"));
}

bool PlacementVisible(const QRect& fenetre, const QList<QRect>& ecrans)
{
    if (fenetre.width() <= 0 || fenetre.height() <= 0) return false;
    qint64 visible = 0;
    for (const QRect& e : ecrans) {
        const QRect commun = fenetre.intersected(e);
        if (!commun.isEmpty()) visible += qint64(commun.width()) * commun.height();
    }
    return 2 * visible >= qint64(fenetre.width()) * fenetre.height();
}

std::optional<Placement> LirePlacement(const IniFile& ini, const QString& section, QSize ecran, int pixelsParPouce)
{
    Placement p;
    p.PixelsPerInch = ini.ReadInteger(section, QStringLiteral("PixelsPerInch"), pixelsParPouce);
    if (p.PixelsPerInch != pixelsParPouce) return std::nullopt;
    const auto norm = lireQuatre(lireSuffixeOuNon(ini, section, QStringLiteral("NormPos"), ecran));
    if (!norm) return std::nullopt;
    const auto& n = *norm;
    p.Normale = QRect(n[0], n[1], n[2] - n[0], n[3] - n[1]);
    if (const auto mm = lireQuatre(lireSuffixeOuNon(ini, section, QStringLiteral("MinMaxPos"), ecran))) {
        p.PosMin = QPoint((*mm)[0], (*mm)[1]);
        p.PosMax = QPoint((*mm)[2], (*mm)[3]);
    }
    p.Flags = ini.ReadInteger(section, QStringLiteral("Flags"), 0);
    p.ShowCmd = ini.ReadInteger(section, QStringLiteral("ShowCmd"), 1);
    return p;
}
