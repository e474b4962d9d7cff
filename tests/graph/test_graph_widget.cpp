// The control: it lays itself out on SetBounds, shows Image, forwards the
// mouse to the drawing and sets the cursors.

#include "graph/UnitGraphPlus.h"
#include "resources/UnitCurseurs.h"

#include "OutilsImage.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

void Souris(QWidget& w, QEvent::Type type, Qt::MouseButton bouton, QPoint point, Qt::MouseButtons enfonces)
{
    QMouseEvent e(type, QPointF(point), w.mapToGlobal(QPointF(point)), bouton, enfonces, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

void Appuyer(QWidget& w, Qt::MouseButton b, QPoint p)
{
    Souris(w, QEvent::MouseButtonPress, b, p, b);
}
void Deplacer(QWidget& w, Qt::MouseButton b, QPoint p)
{
    Souris(w, QEvent::MouseMove, Qt::NoButton, p, b);
}
void Relacher(QWidget& w, Qt::MouseButton b, QPoint p)
{
    Souris(w, QEvent::MouseButtonRelease, b, p, Qt::NoButton);
}

bool MemeCurseur(const QCursor& a, int numero)
{
    return a.pixmap().cacheKey() == Curseurs::Curseur(numero).pixmap().cacheKey();
}

struct Fenetre {
    QWidget proprietaire;
    TGraphPlus* graphe = new TGraphPlus(&proprietaire);
    Fenetre()
    {
        proprietaire.resize(500, 400);
        graphe->SetBounds(10, 20, 400, 300);
        proprietaire.show();
    }
};

} // namespace

TEST(GraphPlus, AWindowlessControlWithItsCursor)
{
    Fenetre f;
    EXPECT_EQ(f.graphe->parentWidget(), &f.proprietaire);
    EXPECT_EQ(f.graphe->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(MemeCurseur(f.graphe->cursor(), 21));
    EXPECT_EQ(f.graphe->geometry(), QRect(10, 20, 400, 300));
    EXPECT_EQ(f.graphe->Image().size(), QSize(400, 300));
}

TEST(GraphPlus, SetBoundsLaysOutEvenAtTheSameSize)
{
    Fenetre f;
    f.graphe->SetAxeYFromLeft(0);
    f.graphe->SetAxeYFromRight(0);
    f.graphe->SetBounds(10, 20, 400, 300);
    EXPECT_EQ(f.graphe->Fond().width(), 400);
    f.proprietaire.resize(600, 400);
    f.graphe->resize(300, 200);
    EXPECT_EQ(f.graphe->Width(), 300);
    EXPECT_EQ(f.graphe->Image().size(), QSize(300, 200));
}

TEST(GraphPlus, ShowsImage)
{
    Fenetre f;
    f.graphe->SetColorBegin(Couleur::RGB(255, 0, 0));
    f.graphe->Paint();
    const QImage ecran = f.graphe->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(ecran, f.graphe->Image());
}

TEST(GraphPlus, LeftDragPansWithThePanCursorForTheWholeApplication)
{
    Fenetre f;
    Appuyer(*f.graphe, Qt::LeftButton, {100, 100});
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(MemeCurseur(*QGuiApplication::overrideCursor(), 19));
    Deplacer(*f.graphe, Qt::LeftButton, {140, 100});
    EXPECT_DOUBLE_EQ(f.graphe->Limites().Xmin, -10);
    Relacher(*f.graphe, Qt::LeftButton, {140, 100});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(GraphPlus, RightDragZoomsWithTheZoomCursor)
{
    Fenetre f;
    Appuyer(*f.graphe, Qt::RightButton, {200, 100});
    EXPECT_TRUE(MemeCurseur(f.graphe->cursor(), 22));
    Deplacer(*f.graphe, Qt::RightButton, {190, 100});
    EXPECT_DOUBLE_EQ(f.graphe->FacteurZoom().X, 1.05);
    Relacher(*f.graphe, Qt::RightButton, {190, 100});
    EXPECT_TRUE(MemeCurseur(f.graphe->cursor(), 21));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(GraphPlus, LeavingDuringASelectionAppliesItWithTheLastPointInside)
{
    Fenetre f;
    TGraphPlus& g = *f.graphe;
    g.AddCourbe(2, {PointD{25, 50}, PointD{75, 50}}, {{PointD{0, 1}, PointD{0, 1}}}, {QStringLiteral("m/s")});
    g.SelectCourbes({0}, {0}, {Couleur::Rouge}, 0);
    g.SetModeVecteurs(true);
    const QPoint p1 = g.Courbe(0).PositionPixel(0);
    Appuyer(g, Qt::LeftButton, p1 - QPoint(10, 10));
    Deplacer(g, Qt::LeftButton, p1 + QPoint(10, 10));
    // Outside the control: the selection ends where the pointer last was inside.
    Deplacer(g, Qt::LeftButton, {450, 350});
    EXPECT_EQ(g.Courbe(0).Visibles(), (std::vector<bool>{false, true}));
    Deplacer(g, Qt::LeftButton, {399, 299});
    EXPECT_EQ(g.Courbe(0).Visibles(), (std::vector<bool>{false, true}));

    // A leave event ends it likewise.
    Appuyer(g, Qt::RightButton, p1 - QPoint(10, 10));
    Deplacer(g, Qt::RightButton, p1 + QPoint(10, 10));
    QEvent depart(QEvent::Leave);
    QApplication::sendEvent(&g, &depart);
    EXPECT_EQ(g.Courbe(0).Visibles(), (std::vector<bool>{true, true}));
}
