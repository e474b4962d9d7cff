#include "app/UnitFichiersRecents.h"

#include "core/IniFile.h"

#include <QFileInfo>
#include <algorithm>

namespace {
const QString Section = QStringLiteral("RecentFiles");
}

void ListeFichiersRecents::FixerCapacite(int n)
{
    capacite_ = std::clamp(n, CapaciteMin, CapaciteMax);
    while (fichiers_.size() > capacite_) fichiers_.removeLast();
}

void ListeFichiersRecents::Ajouter(const QString& chemin)
{
    if (chemin.isEmpty() || fichiers_.contains(chemin, Qt::CaseSensitive)) return;
    while (fichiers_.size() >= capacite_) fichiers_.removeLast();
    fichiers_.prepend(chemin);
}

void ListeFichiersRecents::RetirerAbsents()
{
    fichiers_.removeIf([](const QString& f) { return !QFileInfo::exists(f); });
}

void ListeFichiersRecents::Charger(const IniFile& ini)
{
    fichiers_.clear();
    // Oldest first, each put on top, so index 0 ends up newest.
    for (int i = capacite_ - 1; i >= 0; --i) {
        const QString f = ini.ReadString(Section, QStringLiteral("File%1").arg(i));
        if (!f.isEmpty() && !fichiers_.contains(f)) fichiers_.prepend(f);
    }
}

bool ListeFichiersRecents::Enregistrer(IniFile& ini) const
{
    if (!ini.EraseSection(Section)) return false;
    for (int i = 0; i < fichiers_.size(); ++i) {
        if (!ini.WriteString(Section, QStringLiteral("File%1").arg(i), fichiers_[i])) return false;
        if (!ini.DeleteKey(Section, QStringLiteral("User_%1").arg(i))) return false;
    }
    return true;
}

QString ListeFichiersRecents::Legende(int index, const QString& chemin)
{
    const QChar acc = index < 9 ? QChar(u'1' + index) : QChar(u'A' + (index - 9));
    return QStringLiteral("&%1 : %2").arg(acc, QFileInfo(chemin).fileName());
}
