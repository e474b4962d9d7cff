// Settings files the program did not write: another encoding, bytes that are
// no text, a pipe or a device in place of the file, a placement off every
// screen. Nothing is lost, nothing grows, nothing blocks.

#include "core/IniFile.h"
#include "core/UnitPlacement.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace {

QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ecrire(const QString& chemin, const QByteArray& d)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(d), d.size());
}

TEST(DamagedSettings, Cp1250ValuesReadAndSurviveARewrite)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("Kinotab.ini");
    // "Měření" and "Žluťoučký" as the Windows program stored them.
    const QByteArray avant =
        "[MainForm]\r\nDirectory=C:\\M\xEC\xF8\x65n\xED\r\n[RecentFiles]\r\nFile0=D:\\\x8Elu\x9Dou\xE8k\xFD.ktb\r\n";
    ecrire(chemin, avant);
    IniFile ini(chemin);
    EXPECT_EQ(ini.ReadString("MainForm", "Directory"), QStringLiteral("C:\\Měření"));
    EXPECT_EQ(ini.ReadString("RecentFiles", "File0"), QStringLiteral("D:\\Žluťoučký.ktb"));
    // Another key written: the lines not touched keep their bytes.
    ASSERT_TRUE(ini.WriteString("Options", "NumFiles", "8"));
    EXPECT_TRUE(contenu(chemin).startsWith(avant));
    EXPECT_EQ(ini.ReadString("MainForm", "Directory"), QStringLiteral("C:\\Měření"));
    // The value itself rewritten: UTF-8 now, and read the same.
    ASSERT_TRUE(ini.WriteString("MainForm", "Directory", QStringLiteral("C:\\Měření\\2")));
    EXPECT_TRUE(contenu(chemin).contains(QStringLiteral("Directory=C:\\Měření\\2").toUtf8()));
    EXPECT_EQ(ini.ReadString("RecentFiles", "File0"), QStringLiteral("D:\\Žluťoučký.ktb"));
}

TEST(DamagedSettings, BinaryBytesAreKeptAndNeverGrow)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("Kinotab.ini");
    std::mt19937 g(7);
    QByteArray binaire(256 * 1024, 0);
    for (char& c : binaire) c = char(g());
    binaire[0] = 'x'; // no section header at its start
    ecrire(chemin, binaire);
    IniFile ini(chemin);
    const QString ajout = QStringLiteral("D:\\videa");
    ASSERT_TRUE(ini.WriteString("MainForm", "Directory", ajout));
    const QByteArray apres = contenu(chemin);
    EXPECT_TRUE(apres.startsWith(binaire));
    EXPECT_LE(apres.size(), binaire.size() + 40);
    EXPECT_EQ(ini.ReadString("MainForm", "Directory"), ajout);
    // Rewriting what is there changes nothing.
    ASSERT_TRUE(ini.WriteString("MainForm", "Directory", ajout));
    EXPECT_EQ(contenu(chemin), apres);
    ASSERT_TRUE(ini.EraseSection("MainForm"));
    EXPECT_TRUE(contenu(chemin).startsWith(binaire));
    EXPECT_LE(contenu(chemin).size(), binaire.size() + 4); // the end of its last line, a blank line
}

TEST(DamagedSettings, LineEndsAndAMissingLastEndStayAsTheyWere)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("Kinotab.ini");
    ecrire(chemin, "[Options]\nSpeedy=*\nFreeze=");
    IniFile ini(chemin);
    ASSERT_TRUE(ini.WriteString("Options", "Speedy", "*"));
    EXPECT_EQ(contenu(chemin), "[Options]\nSpeedy=*\nFreeze=");
    ASSERT_TRUE(ini.WriteString("Options", "NumFiles", "5"));
    EXPECT_EQ(contenu(chemin), "[Options]\nSpeedy=*\nFreeze=\r\nNumFiles=5\r\n");
}

TEST(DamagedSettings, APipeOrADeviceIsNeitherReadNorWritten)
{
    QTemporaryDir dossier;
    const QString tube = dossier.filePath("Kinotab.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    IniFile ini(tube);
    EXPECT_EQ(ini.ReadString("MainForm", "Directory", "defaut"), "defaut"); // an open would wait for a writer
    EXPECT_FALSE(ini.WriteString("MainForm", "Directory", "x"));
    EXPECT_TRUE(ini.EchecEcriture());
    struct stat etat {};
    ASSERT_EQ(::stat(QFile::encodeName(tube).constData(), &etat), 0);
    EXPECT_TRUE(S_ISFIFO(etat.st_mode)); // not replaced by a file
    IniFile zero("/dev/zero");
    EXPECT_EQ(zero.ReadInteger("Options", "NumFiles", 8), 8);
}

TEST(DamagedSettings, APlacementMostlyOffEveryScreenIsIgnored)
{
    const QList<QRect> ecrans = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_TRUE(PlacementVisible(QRect(100, 100, 800, 600), ecrans));
    EXPECT_TRUE(PlacementVisible(QRect(1500, 100, 800, 600), ecrans));  // across both screens
    EXPECT_TRUE(PlacementVisible(QRect(-390, 100, 800, 600), ecrans));  // half of it on the left edge
    EXPECT_FALSE(PlacementVisible(QRect(-500, 100, 800, 600), ecrans)); // most of it off
    EXPECT_FALSE(PlacementVisible(QRect(3100, 900, 800, 600), ecrans)); // a screen since removed
    EXPECT_FALSE(PlacementVisible(QRect(30000, -30000, 800, 600), ecrans));
    EXPECT_FALSE(PlacementVisible(QRect(100, 100, 0, 600), ecrans));
    EXPECT_FALSE(PlacementVisible(QRect(100, 100, 800, 600), {}));
}

} // namespace
