#pragma once
// A temporary folder for one test, and XDG_CONFIG_HOME pointed into it.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class ConfigTemporaire {
public:
    ConfigTemporaire() : ancien_(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", dossier_.path().toUtf8()); }
    ~ConfigTemporaire() { qputenv("XDG_CONFIG_HOME", ancien_); }

    QString Dossier() const { return dossier_.path(); }
    QString FichierIni() const { return dossier_.path() + QStringLiteral("/Kinotab/Kinotab.ini"); }

private:
    QTemporaryDir dossier_;
    QByteArray ancien_;
};
