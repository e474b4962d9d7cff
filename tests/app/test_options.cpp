#include "core/IniFile.h"
#include "app/UnitOptionsFiche.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(OptionFlags, DefaultsWithoutAFile)
{
    QTemporaryDir dossier;
    const OptionsFiche o = LireOptionsFiche(IniFile(dossier.filePath("none.ini")));
    EXPECT_TRUE(o.TailleLibre);
    EXPECT_FALSE(o.FigerMRU);
    EXPECT_TRUE(o.AfficherVitesse);
    EXPECT_TRUE(o.AfficherAcceleration);
    EXPECT_FALSE(o.ConfirmerFermeture);
    EXPECT_EQ(o.NombreFichiers, 8);
}

TEST(OptionFlags, AnyNonEmptyValueIsOnAndTheCountIsClamped)
{
    QTemporaryDir dossier;
    IniFile ini(dossier.filePath("Kinotab.ini"));
    ini.WriteString("Options", "Proportions", "*");
    ini.WriteString("Options", "Freeze", "no"); // any text switches it on
    ini.WriteString("Options", "Speedy", "0");
    ini.WriteString("Options", "Acceleration", "");
    ini.WriteString("Options", "Confirmation", "x");
    ini.WriteString("Options", "NumFiles", "45");
    const OptionsFiche o = LireOptionsFiche(ini);
    EXPECT_FALSE(o.TailleLibre);
    EXPECT_TRUE(o.FigerMRU);
    EXPECT_FALSE(o.AfficherVitesse);
    EXPECT_TRUE(o.AfficherAcceleration);
    EXPECT_TRUE(o.ConfirmerFermeture);
    EXPECT_EQ(o.NombreFichiers, 20);
    ini.WriteString("Options", "NumFiles", "-3");
    EXPECT_EQ(LireOptionsFiche(ini).NombreFichiers, 1);
}
