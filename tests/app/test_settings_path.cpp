#include "app/UnitFileUtil.h"
#include "tests/support/Temporaire.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(SettingsPath, PerUserFolderIsCreated)
{
    ConfigTemporaire config;
    ASSERT_FALSE(QFileInfo::exists(config.Dossier() + "/Kinotab"));
    EXPECT_TRUE(PreparerFichierIni());
    EXPECT_EQ(FichierIni(), config.FichierIni());
    EXPECT_TRUE(QFileInfo(config.Dossier() + "/Kinotab").isDir());
    // An existing folder is used as it is.
    EXPECT_TRUE(PreparerFichierIni());
    EXPECT_EQ(FichierIni(), config.FichierIni());
}

TEST(SettingsPath, FallsBackToTheCurrentDirectoryWhenTheFolderCannotBeMade)
{
    ConfigTemporaire config;
    // A file where the folder should go cannot become a folder.
    QFile obstacle(config.Dossier() + "/Kinotab");
    ASSERT_TRUE(obstacle.open(QIODevice::WriteOnly));
    obstacle.close();
    EXPECT_FALSE(PreparerFichierIni());
    EXPECT_EQ(FichierIni(), QDir::currentPath() + "/Kinotab.ini");
}

TEST(SettingsPath, DateUsesUnderscores)
{
    const QString texte = FormaterDate(QDate(2026, 12, 9));
    EXPECT_TRUE(texte.contains(u'_')) << texte.toStdString();
    for (QChar c : texte) EXPECT_TRUE(c.isLetterOrNumber() || c == u'_') << texte.toStdString();
    EXPECT_TRUE(texte.contains("9")) << texte.toStdString();
}
