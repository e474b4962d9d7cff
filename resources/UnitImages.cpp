#include "resources/UnitImages.h"

#include "resources/UnitChainesRessources.h"
#include "resources/UnitDessinsCurseurs.h"
#include "resources/UnitImageVide.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace Images {
namespace {

// Menu pictures show the cursor on a grey tile, so that black, white and
// black-and-white variants all read.
QImage imageMenu(std::string_view curseur, qreal ratio)
{
    QImage image = ImageVide(32, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(90, 100, 115));
    p.setBrush(QColor(150, 160, 175));
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawImage(0, 0, DessinerCurseur(curseur, ratio));
    return image;
}

// The four message pictures: a film frame with what the results still need.
void cadre(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(235, 240, 250));
    p.drawRoundedRect(QRectF(4, 8, 56, 48), 4, 4);
    p.setBrush(QColor(40, 40, 40));
    for (int x = 10; x < 56; x += 10) {
        p.drawRect(QRectF(x, 10, 4, 3));
        p.drawRect(QRectF(x, 51, 4, 3));
    }
}

QImage imageMessage(std::string_view nom, qreal ratio)
{
    QImage image = ImageVide(64, ratio);
    QPainter p(&image);
    cadre(p);
    const QColor rouge(210, 0, 0);
    p.setBrush(Qt::NoBrush);
    if (nom == "BmpMarqueSeule") {
        p.setPen(QPen(rouge, 3));
        p.drawLine(QPointF(24, 24), QPointF(40, 40));
        p.drawLine(QPointF(40, 24), QPointF(24, 40));
    } else if (nom == "BmpOrigineSeule") {
        p.setPen(QPen(rouge, 2));
        p.drawLine(QPointF(16, 44), QPointF(50, 44));
        p.drawLine(QPointF(16, 44), QPointF(16, 18));
        p.drawLine(QPointF(12, 22), QPointF(16, 18));
        p.drawLine(QPointF(20, 22), QPointF(16, 18));
        p.drawLine(QPointF(46, 40), QPointF(50, 44));
        p.drawLine(QPointF(46, 48), QPointF(50, 44));
    } else if (nom == "BmpEchelleSeule") {
        p.setPen(QPen(rouge, 2));
        p.drawLine(QPointF(14, 40), QPointF(50, 24));
        p.setBrush(rouge);
        p.drawEllipse(QPointF(14, 40), 3.5, 3.5);
        p.drawEllipse(QPointF(50, 24), 3.5, 3.5);
    } else {
        p.setPen(QPen(QColor(0, 90, 200), 1.5));
        p.setBrush(QColor(120, 170, 255, 110));
        p.drawRect(QRectF(16, 18, 32, 28));
        p.setPen(QPen(rouge, 1.5));
        p.drawLine(QPointF(32, 18), QPointF(32, 46));
        p.drawLine(QPointF(16, 32), QPointF(48, 32));
    }
    return image;
}

// The picture shown while no video is open.
QImage imageTitre(qreal ratio)
{
    QImage image(QSize(640, 400) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fond(0, 0, 0, 400);
    fond.setColorAt(0, QColor(18, 32, 64));
    fond.setColorAt(1, QColor(6, 10, 24));
    p.fillRect(QRect(0, 0, 640, 400), fond);

    // A thrown ball: equal time steps along a parabola, as a pupil marks it.
    const QColor couleurs[] = {QColor(230, 40, 40), QColor(60, 120, 255), QColor(40, 190, 90)};
    for (int i = 0; i <= 16; ++i) {
        const double t = i / 16.0;
        const QPointF c(70 + 500 * t, 330 - 640 * t + 560 * t * t);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 30 + 10 * i));
        p.drawEllipse(c, 9, 9);
        p.setPen(QPen(couleurs[i % 3], 2));
        p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        p.drawLine(c + QPointF(5, -5), c + QPointF(-5, 5));
    }
    // Axes from an origin bottom left.
    p.setPen(QPen(QColor(255, 220, 120), 2));
    p.drawLine(QPointF(40, 360), QPointF(600, 360));
    p.drawLine(QPointF(40, 360), QPointF(40, 40));
    p.drawLine(QPointF(592, 354), QPointF(600, 360));
    p.drawLine(QPointF(592, 366), QPointF(600, 360));
    p.drawLine(QPointF(34, 48), QPointF(40, 40));
    p.drawLine(QPointF(46, 48), QPointF(40, 40));

    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(72);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(245, 245, 250));
    // Under the arc, clear of the marks.
    p.drawText(QRect(0, 225, 640, 90), Qt::AlignCenter, Chaines::Texte("TitreApplication"));
    return image;
}

struct NomImage {
    const char* image;
    const char* curseur;
};

const NomImage Fiche[] = {
    {"BmpMarqueBlanc", "MarqueBlanc"},   {"BmpMarqueNoir", "MarqueNoir"},     {"BmpMarqueNB", "MarqueNB"},
    {"BmpMarque1Blanc", "Marque1Blanc"}, {"BmpMarque2Blanc", "Marque2Blanc"}, {"BmpMarque3Blanc", "Marque3Blanc"},
    {"BmpMarque1Noir", "Marque1Noir"},   {"BmpMarque2Noir", "Marque2Noir"},   {"BmpMarque3Noir", "Marque3Noir"},
    {"BmpMarque1NB", "Marque1NB"},       {"BmpMarque2NB", "Marque2NB"},       {"BmpMarque3NB", "Marque3NB"},
    {"BmpEtalonBlanc", "EtalonBlanc"},   {"BmpEtalonNoir", "EtalonNoir"},     {"BmpEtalonNB", "EtalonNB"},
    {"BmpOrigineBlanc", "OrigineBlanc"}, {"BmpOrigineNoir", "OrigineNoir"},   {"BmpOrigineNB", "OrigineNB"},
    {"BmpMarqueSeule", nullptr},         {"BmpOrigineSeule", nullptr},        {"BmpEchelleSeule", nullptr},
    {"BmpTransparentSeul", nullptr},
};

QImage dessiner(std::string_view nom, qreal ratio)
{
    if (nom == "BmpTitre") return imageTitre(ratio);
    for (const NomImage& n : Fiche)
        if (nom == n.image) return n.curseur ? imageMenu(n.curseur, ratio) : imageMessage(nom, ratio);
    return {};
}

} // namespace

QImage Image(std::string_view nom, qreal ratio)
{
    static QHash<QString, QImage> cache;
    const QString cle = QString::fromLatin1(nom.data(), qsizetype(nom.size())) + u'@' + QString::number(ratio);
    auto it = cache.find(cle);
    if (it == cache.end()) it = cache.insert(cle, dessiner(nom, ratio));
    return *it;
}

QIcon Icone(std::string_view nom)
{
    QIcon icone;
    for (const qreal ratio : RatiosIcones) icone.addPixmap(QPixmap::fromImage(Image(nom, ratio)));
    return icone;
}

const QStringList& NomsFiche()
{
    static const QStringList noms = [] {
        QStringList n;
        for (const NomImage& i : Fiche) n << QString::fromLatin1(i.image);
        return n;
    }();
    return noms;
}

} // namespace Images
