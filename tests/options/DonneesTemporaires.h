#pragma once
// XDG_DATA_HOME pointed at a temporary folder for one test, so that the
// association lands there.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class DonneesTemporaires {
public:
    DonneesTemporaires() : ancien_(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", dossier_.path().toUtf8()); }
    ~DonneesTemporaires() { qputenv("XDG_DATA_HOME", ancien_); }
    QString Dossier() const { return dossier_.path(); }

private:
    QTemporaryDir dossier_;
    QByteArray ancien_;
};
