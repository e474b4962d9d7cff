#include "search/UnitAnimationRecherche.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

QImage ImageAnimationRecherche(int image)
{
    QImage r(TAnimationRecherche::Largeur, TAnimationRecherche::Hauteur, QImage::Format_ARGB32_Premultiplied);
    r.fill(Qt::transparent);
    QPainter p(&r);
    p.setRenderHint(QPainter::Antialiasing);
    // The folder.
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(5.5, 16.5, 14, 5));
    p.drawRect(QRectF(5.5, 19.5, 34, 22));
    // The glass goes round the folder's middle, one step a picture.
    const double angle = 2 * std::numbers::pi * image / TAnimationRecherche::NombreImages - std::numbers::pi / 2;
    const QPointF centre(22 + 8 * std::cos(angle), 28 + 8 * std::sin(angle));
    p.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(5, 5), centre + QPointF(12, 12));
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(200, 230, 255, 200));
    p.drawEllipse(centre, 7, 7);
    return r;
}

TAnimationRecherche::TAnimationRecherche(QWidget* parent) : QWidget(parent)
{
    setFixedSize(Largeur, Hauteur);
    minuterie_.setInterval(90);
    connect(&minuterie_, &QTimer::timeout, this, [this] {
        image_ = (image_ + 1) % NombreImages;
        update();
    });
}

void TAnimationRecherche::Demarrer()
{
    minuterie_.start();
}

void TAnimationRecherche::Arreter()
{
    minuterie_.stop();
    image_ = 0;
    update();
}

void TAnimationRecherche::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, ImageAnimationRecherche(image_));
}
