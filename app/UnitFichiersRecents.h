#pragma once
// The recent-files list: full paths, newest first, no duplicates, capacity 1..20.

#include <QString>
#include <QStringList>

class IniFile;

class ListeFichiersRecents {
public:
    static constexpr int CapaciteMin = 1;
    static constexpr int CapaciteMax = 20;
    static constexpr int CapaciteDefaut = 8;

    int Capacite() const { return capacite_; }
    // Clamps to 1..20 and drops the oldest entries beyond it at once.
    void FixerCapacite(int n);

    const QStringList& Fichiers() const { return fichiers_; }
    bool EstVide() const { return fichiers_.isEmpty(); }

    // Puts a path first; a path already listed keeps its place. The existence
    // and "Freeze" rules are the caller's.
    void Ajouter(const QString& chemin);
    // Drops every entry whose file no longer exists.
    void RetirerAbsents();

    // [RecentFiles] "File%d": indices capacity-1 down to 0, empty keys skipped,
    // higher indices ignored.
    void Charger(const IniFile& ini);
    // Erases the section, then writes "File%d" and removes "User_%d".
    bool Enregistrer(IniFile& ini) const;

    // "&1 : name" ... "&9 : name", "&A : name" ...
    static QString Legende(int index, const QString& chemin);

private:
    int capacite_ = CapaciteDefaut;
    QStringList fichiers_;
};
