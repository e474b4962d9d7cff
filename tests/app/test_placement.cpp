#include "core/IniFile.h"
#include "core/UnitPlacement.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PlacementTest : public ::testing::Test {
protected:
    QTemporaryDir dossier;
    IniFile ini{dossier.filePath("Kinotab.ini")};
    Placement p = [] {
        Placement p;
        p.ShowCmd = 3;
        p.PixelsPerInch = 96;
        p.Normale = QRect(100, 50, 450, 380);
        return p;
    }();
};

TEST_F(PlacementTest, RoundTripWritesEveryKey)
{
    ASSERT_TRUE(EcrirePlacement(ini, "MainForm", p, QSize(1024, 768), false));
    EXPECT_EQ(ini.ReadSection("MainForm"),
              QStringList({"FormVersion", "Flags", "ShowCmd", "PixelsPerInch", "MinMaxPos(1024x768)", "MinMaxPos",
                           "NormPos(1024x768)", "NormPos", "Visible"}));
    EXPECT_EQ(ini.ReadString("MainForm", "NormPos"), "100,50,550,430");
    EXPECT_EQ(ini.ReadString("MainForm", "MinMaxPos(1024x768)"), "-1,-1,-1,-1");
    EXPECT_EQ(ini.ReadString("MainForm", "Visible"), "0");
    const auto relu = LirePlacement(ini, "MainForm", QSize(1024, 768), 96);
    ASSERT_TRUE(relu);
    EXPECT_EQ(*relu, p);
    EXPECT_EQ(EtatDepuisShowCmd(relu->ShowCmd), EtatFenetre::Maximisee);

    ASSERT_TRUE(EcrirePlacement(ini, "MainForm", p, QSize(1024, 768), true));
    EXPECT_EQ(ini.ReadString("MainForm", "Visible"), "1");
}

TEST_F(PlacementTest, SuffixedKeyOfTheCurrentScreenWinsOverThePlainOne)
{
    ASSERT_TRUE(EcrirePlacement(ini, "Options", p, QSize(1920, 1080), false));
    ini.WriteString("Options", "NormPos", "0,0,500,400");
    EXPECT_EQ(LirePlacement(ini, "Options", QSize(1920, 1080), 96)->Normale, QRect(100, 50, 450, 380));
    EXPECT_EQ(LirePlacement(ini, "Options", QSize(800, 600), 96)->Normale, QRect(0, 0, 500, 400));
}

TEST_F(PlacementTest, AnotherResolutionOrNothingStoredGivesNoPlacement)
{
    EXPECT_FALSE(LirePlacement(ini, "MainForm", QSize(1024, 768), 96));
    ASSERT_TRUE(EcrirePlacement(ini, "MainForm", p, QSize(1024, 768), false));
    EXPECT_FALSE(LirePlacement(ini, "MainForm", QSize(1024, 768), 120));
}

TEST(ShowCmd, MapsTheStoredStates)
{
    for (int c : {1, 5, 9, 0, 4}) EXPECT_EQ(EtatDepuisShowCmd(c), EtatFenetre::Normale) << c;
    for (int c : {2, 6, 7}) EXPECT_EQ(EtatDepuisShowCmd(c), EtatFenetre::Minimisee) << c;
    EXPECT_EQ(EtatDepuisShowCmd(3), EtatFenetre::Maximisee);
}

} // namespace

TEST(Placement, OuterAndClientRectanglesAreTheSameWindowWhateverTheFrame)
{
    const QRect client(130, 95, 442, 356);
    for (const QMargins cadre : {QMargins(), QMargins(1, 25, 1, 1), QMargins(4, 30, 4, 4)}) {
        const QRect exterieur = RectangleExterieur(client, cadre);
        EXPECT_EQ(exterieur.topLeft(), client.topLeft() - QPoint(cadre.left(), cadre.top()));
        EXPECT_EQ(exterieur.size(), client.size() + QSize(cadre.left() + cadre.right(), cadre.top() + cadre.bottom()));
        EXPECT_EQ(RectangleClient(exterieur, cadre), client);
    }
    // Restoring what was stored, start after start, never moves nor grows the window.
    QRect r = client;
    const QMargins cadre(1, 25, 1, 1);
    for (int i = 0; i < 5; ++i) r = RectangleClient(RectangleExterieur(r, cadre), cadre);
    EXPECT_EQ(r, client);
}
