#include "graph/UnitGraphPlus.h"

#include "resources/UnitCurseurs.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

TGraphPlus::TGraphPlus(QWidget* owner) : QWidget(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    AppliquerCurseurs();
}

TGraphPlus::~TGraphPlus()
{
    if (curseurEcranPose) QGuiApplication::restoreOverrideCursor();
}

void TGraphPlus::Paint()
{
    Dessiner();
    update();
}

void TGraphPlus::SetBounds(int Left, int Top, int Width, int Height)
{
    setGeometry(Left, Top, Width, Height);
    Dimensionner(Width, Height);
    Dessiner();
}

void TGraphPlus::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, Image());
}

void TGraphPlus::resizeEvent(QResizeEvent*)
{
    if (width() == Width() && height() == Height()) return;
    Dimensionner(width(), height());
    Dessiner();
}

void TGraphPlus::mousePressEvent(QMouseEvent* e)
{
    TBoutonSouris bouton;
    switch (e->button()) {
    case Qt::LeftButton: bouton = TBoutonSouris::Gauche; break;
    case Qt::RightButton: bouton = TBoutonSouris::Droit; break;
    case Qt::MiddleButton: bouton = TBoutonSouris::Milieu; break;
    default: return;
    }
    if (SourisEnfoncee(bouton, e->position().toPoint())) Paint();
    AppliquerCurseurs();
}

void TGraphPlus::mouseMoveEvent(QMouseEvent* e)
{
    // The press grabs the mouse, so leaving the control shows as a move outside it.
    const QPoint point = e->position().toPoint();
    if (!rect().contains(point)) {
        Relacher();
        return;
    }
    if (SourisDeplacee(point)) Paint();
}

void TGraphPlus::mouseReleaseEvent(QMouseEvent*)
{
    Relacher();
}

void TGraphPlus::leaveEvent(QEvent*)
{
    Relacher();
}

void TGraphPlus::Relacher()
{
    if (SourisRelachee()) Paint();
    AppliquerCurseurs();
}

void TGraphPlus::AppliquerCurseurs()
{
    setCursor(Curseurs::Curseur(CurseurControle()));
    const bool ecran = CurseurEcran() != CurseurAucun;
    if (ecran && !curseurEcranPose)
        QGuiApplication::setOverrideCursor(Curseurs::Curseur(CurseurEcran()));
    else if (!ecran && curseurEcranPose)
        QGuiApplication::restoreOverrideCursor();
    curseurEcranPose = ecran;
}
