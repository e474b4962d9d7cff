#pragma once
// A settings file in the Windows initialisation-file format: "[Section]" lines
// and "Key=Value" lines. Sections and keys are compared without regard to
// case, keys are written as given (parentheses and all), values unquoted,
// lines of other sections kept in place. Every write goes to disk at once.
// Lines that are not UTF-8 read as CP1250 (files of the Windows program);
// a line a write does not change is written back byte for byte, whatever it
// holds, so a rewrite never damages nor grows what it does not touch. Only a
// regular file is read or written: a pipe or a device reads as empty and
// cannot be written.

#include "core/UnitEcriture.h"

#include <QString>
#include <QStringList>
#include <optional>

class IniFile {
public:
    explicit IniFile(QString chemin);

    const QString& Chemin() const { return chemin_; }

    // A missing file reads as empty: every key takes its default.
    QString ReadString(const QString& section, const QString& cle, const QString& defaut = {}) const;
    int ReadInteger(const QString& section, const QString& cle, int defaut) const;
    bool ValueExists(const QString& section, const QString& cle) const;
    QStringList ReadSection(const QString& section) const; // the keys, in file order

    // A failed write leaves the file as it was and sets EchecEcriture() until the next write.
    bool WriteString(const QString& section, const QString& cle, const QString& valeur);
    bool WriteInteger(const QString& section, const QString& cle, int valeur);
    bool DeleteKey(const QString& section, const QString& cle);
    bool EraseSection(const QString& section);

    bool EchecEcriture() const { return echecEcriture_; }
    // Why the last write failed.
    const CauseEcriture& CauseEchecEcriture() const { return cause_; }

private:
    struct Contenu;
    Contenu lireContenu() const;
    QStringList lire() const;
    bool ecrire(const Contenu& contenu);
    static std::optional<std::pair<qsizetype, qsizetype>> bornesSection(const QStringList& lignes,
                                                                        const QString& section);
    static qsizetype ligneCle(const QStringList& lignes, qsizetype debut, qsizetype fin, const QString& cle);

    QString chemin_;
    bool echecEcriture_ = false;
    CauseEcriture cause_;
};
