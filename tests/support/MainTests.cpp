// The entry point of every test program: a QApplication on the offscreen
// platform, the string table and the cursors loaded.

#include "resources/UnitChainesRessources.h"
#include "resources/UnitCurseurs.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    Chaines::Charger();
    Curseurs::Enregistrer();
    return RUN_ALL_TESTS();
}
