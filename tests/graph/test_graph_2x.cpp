// The graph control on a screen of device pixel ratio 2 (this program runs
// with QT_SCALE_FACTOR=2). Its picture is composed in logical pixels, where
// its lines keep their end-point rules; on screen each of its pixels must
// become a 2 x 2 block, never a blend of its neighbours.

#include "graph/UnitGraphPlus.h"

#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

TEST(GraphPlusRatioDeux, EachPixelOfThePictureIsShownAsATwoByTwoBlock)
{
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2) << "run with QT_SCALE_FACTOR=2";
    QWidget proprietaire;
    auto* graphe = new TGraphPlus(&proprietaire);
    proprietaire.resize(240, 180);
    graphe->SetAxeYFromLeft(40);
    graphe->SetAxeXFromBottom(30);
    graphe->SetTitreAxeX(QStringLiteral("t (s)"));
    graphe->SetBounds(10, 10, 200, 150);
    graphe->Paint();
    proprietaire.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&proprietaire));
    const QImage ecran = graphe->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(ecran.size(), QSize(400, 300));
    const QImage& image = graphe->Image();
    int differences = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) differences += ecran.pixel(x, y) != image.pixel(x / 2, y / 2);
    EXPECT_EQ(differences, 0);
}
