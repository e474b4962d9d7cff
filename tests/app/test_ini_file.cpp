#include "core/IniFile.h"
#include "resources/UnitChainesRessources.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString contenu(const QString& chemin)
{
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll());
}

class IniFileTest : public ::testing::Test {
protected:
    QTemporaryDir dossier;
    QString chemin = dossier.filePath(QStringLiteral("Kinotab.ini"));
};

TEST_F(IniFileTest, MissingFileReadsAsEmpty)
{
    const IniFile ini(chemin);
    EXPECT_EQ(ini.ReadString("Options", "Speedy", "x"), "x");
    EXPECT_EQ(ini.ReadInteger("Options", "NumFiles", 8), 8);
    EXPECT_FALSE(ini.ValueExists("Options", "NumFiles"));
    EXPECT_TRUE(ini.ReadSection("Options").isEmpty());
}

TEST_F(IniFileTest, LookupsIgnoreCaseAndKeysAreWrittenAsGiven)
{
    IniFile ini(chemin);
    ASSERT_TRUE(ini.WriteString("MainForm", "MinMaxPos(1024x768)", "0,0,-1,-1"));
    ASSERT_TRUE(ini.WriteString("MainForm", "NormPos", "10,20,452,400"));
    EXPECT_EQ(ini.ReadString("MAINFORM", "minmaxpos(1024X768)"), "0,0,-1,-1");
    EXPECT_EQ(ini.ReadString("mainform", "NORMPOS"), "10,20,452,400");
    EXPECT_EQ(contenu(chemin), "[MainForm]\r\nMinMaxPos(1024x768)=0,0,-1,-1\r\nNormPos=10,20,452,400\r\n");

    // Rewriting a key through another case replaces it in place.
    ASSERT_TRUE(ini.WriteString("MAINFORM", "normpos", "1,2,3,4"));
    EXPECT_EQ(contenu(chemin), "[MainForm]\r\nMinMaxPos(1024x768)=0,0,-1,-1\r\nnormpos=1,2,3,4\r\n");
}

TEST_F(IniFileTest, EraseSectionKeepsTheOthersInPlace)
{
    IniFile ini(chemin);
    ini.WriteString("MainForm", "Directory", "/home/u/videa");
    ini.WriteString("RecentFiles", "File0", "/a.avi");
    ini.WriteString("RecentFiles", "File1", "/b.avi");
    ini.WriteString("Options", "Speedy", "*");
    ASSERT_TRUE(ini.EraseSection("recentfiles"));
    EXPECT_FALSE(ini.ValueExists("RecentFiles", "File0"));
    EXPECT_EQ(ini.ReadString("MainForm", "Directory"), "/home/u/videa");
    EXPECT_EQ(ini.ReadString("Options", "Speedy"), "*");
    EXPECT_EQ(contenu(chemin), "[MainForm]\r\nDirectory=/home/u/videa\r\n\r\n[Options]\r\nSpeedy=*\r\n");
}

TEST_F(IniFileTest, KeysListAndDeleteAndUtf8)
{
    IniFile ini(chemin);
    ini.WriteString("RecentFiles", "File0", "/home/žák/pád.avi");
    ini.WriteString("RecentFiles", "User_0", "3");
    EXPECT_EQ(ini.ReadSection("RecentFiles"), QStringList({"File0", "User_0"}));
    ASSERT_TRUE(ini.DeleteKey("RecentFiles", "user_0"));
    EXPECT_EQ(ini.ReadSection("RecentFiles"), QStringList({"File0"}));
    EXPECT_EQ(IniFile(chemin).ReadString("RecentFiles", "File0"), "/home/žák/pád.avi");
}

TEST_F(IniFileTest, ValuesAreUnquotedAndIntegersFallBack)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Options]\nNumFiles = 12 \nSpeed=\nBad=abc\n");
    f.close();
    const IniFile ini(chemin);
    EXPECT_EQ(ini.ReadInteger("Options", "NumFiles", 8), 12);
    EXPECT_EQ(ini.ReadInteger("Options", "Bad", 8), 8);
    EXPECT_TRUE(ini.ValueExists("Options", "Speed"));
    EXPECT_EQ(ini.ReadString("Options", "Speed", "d"), "");
}

TEST_F(IniFileTest, UnwritableFileReportsThePath)
{
    // A folder standing where the file should be cannot be written, whatever
    // the rights of the user running the test.
    const QString bloque = dossier.filePath(QStringLiteral("Kinotab.ini"));
    ASSERT_TRUE(QDir().mkdir(bloque));
    IniFile ini(bloque);
    EXPECT_FALSE(ini.WriteString("Options", "Speedy", "*"));
    EXPECT_TRUE(ini.EchecEcriture());
    EXPECT_EQ(Chaines::MessageEcritureIni(ini.Chemin()), "Impossible d'écrire dans " + bloque);
    EXPECT_FALSE(ini.EraseSection("Options") && ini.WriteInteger("Options", "NumFiles", 3));
}

} // namespace
