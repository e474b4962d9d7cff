#include "print/UnitApercu.h"

#include "print/UnitDessinPage.h"

#include <QMouseEvent>
#include <QPainter>

TApercu::TApercu(const PageImpression& page, QWidget* parent) : QWidget(parent), page_(page)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Actualiser();
}

double TApercu::PixelsParUnite() const
{
    return page_.PixelsParPouce() / 2540.0 * zoom_ / 100.0;
}

void TApercu::SetZoom(int pourcent)
{
    zoom_ = pourcent;
    Actualiser();
}

void TApercu::Actualiser()
{
    const double s = PixelsParUnite();
    setFixedSize(Arrondi(page_.Largeur() * s) + 2 * Bord, Arrondi(page_.Hauteur() * s) + 2 * Bord);
    update();
}

MPoint TApercu::VersPage(QPointF p) const
{
    const double s = PixelsParUnite();
    return {Arrondi((p.x() - Bord) / s), Arrondi((p.y() - Bord) / s)};
}

QPoint TApercu::VersEcran(MPoint p) const
{
    const double s = PixelsParUnite();
    return {Arrondi(p.X * s) + Bord, Arrondi(p.Y * s) + Bord};
}

void TApercu::paintEvent(QPaintEvent*)
{
    // Composed off screen, shown in one copy.
    QImage vue(size(), QImage::Format_RGB32);
    vue.fill(QColor(128, 128, 128));
    const QImage papier = ImageApercu(page_, PixelsParUnite());
    {
        QPainter p(&vue);
        p.fillRect(QRect(QPoint(Bord + 3, Bord + 3), papier.size()), QColor(64, 64, 64)); // shadow
        p.drawImage(Bord, Bord, papier);
    }
    QPainter(this).drawImage(0, 0, vue);
}

void TApercu::mousePressEvent(QMouseEvent* e)
{
    emit Appui(VersPage(e->position()));
}

void TApercu::mouseMoveEvent(QMouseEvent* e)
{
    emit Deplacement(VersPage(e->position()));
}

void TApercu::mouseReleaseEvent(QMouseEvent* e)
{
    emit Relachement(VersPage(e->position()));
}
