#include "core/IniFile.h"
#include "app/UnitFichiersRecents.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RecentFiles : public ::testing::Test {
protected:
    QString fichier(const QString& nom)
    {
        const QString c = dossier.filePath(nom);
        QFile f(c);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return c;
    }
    QTemporaryDir dossier;
    IniFile ini{dossier.filePath("Kinotab.ini")};
};

TEST_F(RecentFiles, FifthFileDropsTheOldestAndListedFilesKeepTheirPlace)
{
    ListeFichiersRecents mru;
    mru.FixerCapacite(4);
    for (auto n : {"a", "b", "c", "d"}) mru.Ajouter(n);
    EXPECT_EQ(mru.Fichiers(), QStringList({"d", "c", "b", "a"}));
    mru.Ajouter("b");
    EXPECT_EQ(mru.Fichiers(), QStringList({"d", "c", "b", "a"}));
    mru.Ajouter("e");
    EXPECT_EQ(mru.Fichiers(), QStringList({"e", "d", "c", "b"}));
    mru.Ajouter("E"); // comparison is case-sensitive
    EXPECT_EQ(mru.Fichiers().first(), "E");
    mru.FixerCapacite(2);
    EXPECT_EQ(mru.Fichiers(), QStringList({"E", "e"}));
}

TEST_F(RecentFiles, CapacityIsClamped)
{
    ListeFichiersRecents mru;
    mru.FixerCapacite(0);
    EXPECT_EQ(mru.Capacite(), 1);
    mru.FixerCapacite(99);
    EXPECT_EQ(mru.Capacite(), 20);
}

TEST_F(RecentFiles, LoadingSkipsEmptyKeysIgnoresHigherIndicesAndDropsMissingFiles)
{
    const QString a = fichier("a.avi"), b = fichier("b.ktb"), c = fichier("c.avi");
    ini.WriteString("RecentFiles", "File0", a);
    ini.WriteString("RecentFiles", "File1", "");
    ini.WriteString("RecentFiles", "File2", dossier.filePath("gone.avi"));
    ini.WriteString("RecentFiles", "File3", b);
    ini.WriteString("RecentFiles", "File4", c); // beyond a capacity of 4
    ListeFichiersRecents mru;
    mru.FixerCapacite(4);
    mru.Charger(ini);
    EXPECT_EQ(mru.Fichiers(), QStringList({a, dossier.filePath("gone.avi"), b}));
    mru.RetirerAbsents();
    EXPECT_EQ(mru.Fichiers(), QStringList({a, b}));
}

TEST_F(RecentFiles, SavingErasesTheSectionAndRoundTrips)
{
    ini.WriteString("RecentFiles", "File7", "/old.avi");
    ini.WriteString("RecentFiles", "User_0", "5");
    ini.WriteString("MainForm", "Directory", "/d");
    ListeFichiersRecents mru;
    mru.Ajouter("/x.avi");
    mru.Ajouter("/y.ktb");
    ASSERT_TRUE(mru.Enregistrer(ini));
    EXPECT_EQ(ini.ReadSection("RecentFiles"), QStringList({"File0", "File1"}));
    EXPECT_EQ(ini.ReadString("RecentFiles", "File0"), "/y.ktb");
    EXPECT_EQ(ini.ReadString("MainForm", "Directory"), "/d");
    ListeFichiersRecents relue;
    relue.Charger(ini);
    EXPECT_EQ(relue.Fichiers(), mru.Fichiers());
}

TEST_F(RecentFiles, CaptionsUseDigitsThenLetters)
{
    EXPECT_EQ(ListeFichiersRecents::Legende(0, "/v/chute.avi"), "&1 : chute.avi");
    EXPECT_EQ(ListeFichiersRecents::Legende(8, "/v/x.ktb"), "&9 : x.ktb");
    EXPECT_EQ(ListeFichiersRecents::Legende(9, "/v/x.ktb"), "&A : x.ktb");
    EXPECT_EQ(ListeFichiersRecents::Legende(19, "/v/x.ktb"), "&K : x.ktb");
}

} // namespace
