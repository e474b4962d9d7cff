// Aiming on the picture: the view's hint on the hint line only, the loupe,
// and presses finer than a view pixel.

#include "tests/app/FicheTest.h"
#include "tests/support/Enfant.h"

#include "media/FrameSource.h"
#include "view/UnitLoupe.h"

#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QTest>

namespace {

class Visee : public FicheTest {
protected:
    void SetUp() override
    {
        FicheTest::SetUp();
        chemin = Video();
        fiche->OuvrirVideo(chemin);
        ASSERT_TRUE(Vue().Opened());
    }
    QString chemin;
};

TEST_F(Visee, TheViewsHintGoesToTheHintLineWithoutATooltip)
{
    EXPECT_TRUE(Vue().toolTip().isEmpty());
    EXPECT_EQ(Vue().statusTip(), "Levym tlacitkem oznacite polohu predmetu. Pravym tlacitkem znacku smazete.");
    QStatusTipEvent e(Vue().statusTip());
    QApplication::sendEvent(&Vue(), &e);
    EXPECT_EQ(Enfant<QLabel>(*fiche, "StatusBar1")->text(), Vue().statusTip());
    Enfant<QToolButton>(*fiche, "SpeedButtonTransparent")->click();
    EXPECT_TRUE(Vue().toolTip().isEmpty());
    EXPECT_TRUE(Vue().statusTip().startsWith(QString::fromUtf8("Táhnout-pustit.")));
    Enfant<QToolButton>(*fiche, "SpeedButtonEtalon")->click();
    EXPECT_TRUE(Vue().toolTip().isEmpty());
    EXPECT_TRUE(Vue().statusTip().startsWith("Levym tlacitkem oznacte dva body"));
    // The command bar keeps its tooltips.
    EXPECT_EQ(Enfant<QToolButton>(*fiche, "SpeedButtonLecture")->toolTip(), "Prehrat");
}

TEST_F(Visee, TheLoupeShowsTheVideosOwnPixelsBesideThePointer)
{
    FrameSource source;
    ASSERT_TRUE(source.Ouvrir(chemin));
    const QImage image = source.Image(0).convertToFormat(QImage::Format_RGB32);
    const QImage sans = Vue().Composer().copy();

    ASSERT_TRUE(Enfant<QAction>(*fiche, "MenuAffichageLoupe")->isEnabled());
    Enfant<QAction>(*fiche, "MenuAffichageLoupe")->trigger();
    ASSERT_TRUE(Vue().Loupe());
    const QPoint p(Vue().width() / 2, Vue().height() / 2);
    QTest::mouseMove(&Vue(), p);
    const QImage avec = Vue().Composer().copy();
    const QRect cadre = Loupe::Placer(Vue().size(), p);
    const QPointF vise(p.x() * double(image.width()) / Vue().width(), p.y() * double(image.height()) / Vue().height());
    for (const QPoint ij : {QPoint(70, 50), QPoint(20, 100), QPoint(100, 20)}) {
        const int sx = int(std::floor(vise.x() + (ij.x() - Loupe::Cote / 2 + 0.5) / Loupe::Grossissement));
        const int sy = int(std::floor(vise.y() + (ij.y() - Loupe::Cote / 2 + 0.5) / Loupe::Grossissement));
        EXPECT_EQ(avec.pixel(cadre.topLeft() + ij), image.pixel(sx, sy)) << ij.x() << "," << ij.y();
    }
    // Framed in the measurement's colour, red at first.
    EXPECT_EQ(avec.pixel(cadre.topLeft() + QPoint(30, 0)), qRgb(255, 0, 0));
    EXPECT_NE(sans.pixel(cadre.topLeft() + QPoint(30, 0)), qRgb(255, 0, 0));
    // The pointer leaves the picture: so does the loupe.
    QEvent depart(QEvent::Leave);
    QApplication::sendEvent(&Vue(), &depart);
    EXPECT_EQ(Vue().Composer(), sans);

    // The choice carries over to the next video; without video the item is off.
    fiche->OuvrirVideo(Video("deux.avi"));
    EXPECT_TRUE(Vue().Loupe());
    QFile abimee(config.Dossier() + "/abimee.avi");
    ASSERT_TRUE(abimee.open(QIODevice::WriteOnly));
    abimee.write("RIFF, but no video");
    abimee.close();
    fiche->OuvrirVideo(abimee.fileName());
    ASSERT_FALSE(Vue().Opened());
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuAffichageLoupe")->isEnabled());
}

TEST_F(Visee, APressBetweenViewPixelsKeepsItsPosition)
{
    const QPointF p(20.25, 30.75);
    QMouseEvent appui(QEvent::MouseButtonPress, p, Vue().mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&Vue(), &appui);
    ASSERT_EQ(Mesure().Etat().Marques.size(), 1u);
    EXPECT_EQ(Mesure().Etat().Marques[0], FaitPointD(20.25 / Vue().width(), 30.75 / Vue().height()));
}

TEST_F(Visee, ShiftWithTheLoupeAimsAQuarterOfThePointersMotion)
{
    Enfant<QAction>(*fiche, "MenuAffichageLoupe")->trigger();
    const QPoint depart(40, 40);
    QTest::mouseMove(&Vue(), depart);
    QMouseEvent fin(QEvent::MouseMove, QPointF(depart), Vue().mapToGlobal(QPointF(depart)), Qt::NoButton, Qt::NoButton,
                    Qt::ShiftModifier);
    QApplication::sendEvent(&Vue(), &fin);
    const QPointF pointeur(depart + QPoint(3, -2));
    QMouseEvent bouge(QEvent::MouseMove, pointeur, Vue().mapToGlobal(pointeur), Qt::NoButton, Qt::NoButton,
                      Qt::ShiftModifier);
    QApplication::sendEvent(&Vue(), &bouge);
    QMouseEvent appui(QEvent::MouseButtonPress, pointeur, Vue().mapToGlobal(pointeur), Qt::LeftButton, Qt::LeftButton,
                      Qt::ShiftModifier);
    QApplication::sendEvent(&Vue(), &appui);
    ASSERT_EQ(Mesure().Etat().Marques.size(), 1u);
    EXPECT_EQ(Mesure().Etat().Marques[0], FaitPointD(40.75 / Vue().width(), 39.5 / Vue().height()));
    // Without the loupe, Shift changes nothing: the mark goes under the pointer.
    Enfant<QAction>(*fiche, "MenuAffichageLoupe")->trigger();
    QTest::mouseMove(&Vue(), depart);
    QApplication::sendEvent(&Vue(), &bouge);
    QApplication::sendEvent(&Vue(), &appui);
    ASSERT_EQ(Mesure().Etat().Marques.size(), 2u);
    EXPECT_EQ(Mesure().Etat().Marques[1], FaitPointD(pointeur.x() / Vue().width(), pointeur.y() / Vue().height()));
}

} // namespace
