#pragma once
// kinotab-cli run as a child process by the tests of its verbs (KINOTAB_CLI
// names the binary).

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// Runs kinotab-cli with `arguments`; its exit status, -1 when it crashed.
inline int Cli(const QStringList& arguments, QString* sortie = nullptr, QString* erreurs = nullptr, int delaiMs = 60000)
{
    QProcess p;
    p.start(QStringLiteral(KINOTAB_CLI), arguments);
    EXPECT_TRUE(p.waitForFinished(delaiMs));
    if (sortie) *sortie = QString::fromUtf8(p.readAllStandardOutput());
    if (erreurs) *erreurs = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}
