// Writes the demo video (MJPEG AVI) named on the command line: a ball let go
// beside a ruler, falling with g = 9.81 m/s2 in the ruler's scale.

#include "tools/VideoWriter.h"
#include "tools/demo_chute.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

namespace {

using namespace DemoChute;

void PeindreRegle(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 200, 110));
    p.drawRect(QRectF(RegleGauche, RegleHaut - 8, RegleLargeur, RegleBas - RegleHaut + 16));
    p.setPen(QPen(Qt::black, 1));
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(13);
    p.setFont(police);
    // A mark every 5 cm, longer every 10 cm, full width every 50 cm.
    for (int cm = 0; cm <= 200; cm += 5) {
        const double y = RegleHaut + cm / 100.0 * PixelsParMetre;
        const double longueur = cm % 50 == 0 ? RegleLargeur : cm % 10 == 0 ? 14 : 8;
        p.drawLine(QPointF(RegleGauche, y), QPointF(RegleGauche + longueur, y));
        if (cm % 50 == 0)
            p.drawText(QPointF(RegleGauche - 44, y + 5), QString::number(cm / 100.0, 'f', 1) + QStringLiteral(" m"));
    }
}

void PeindreScene(QImage& image, int index)
{
    image.fill(QColor(214, 222, 230));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The floor the ball lands on.
    p.fillRect(QRectF(0, BalleYSol + BalleRayon, Largeur, Hauteur), QColor(120, 110, 100));
    PeindreRegle(p);
    // The clamp holding the ball until it is let go.
    if (index < ImageLacher) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 70, 80));
        p.drawRect(QRectF(BalleX - 20, 0, 40, BalleY0 - BalleRayon - 1));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 30));
    p.drawEllipse(QPointF(BalleX, BalleY(index)), BalleRayon, BalleRayon);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.avi\n", argv[0]);
        return 1;
    }
    OptionsVideo o;
    o.codec = OptionsVideo::Codec::Mjpeg;
    o.largeur = Largeur;
    o.hauteur = Hauteur;
    o.cadence = Cadence;
    o.images = Images;
    o.peintre = PeindreScene;
    const std::string erreur = EcrireVideo(argv[1], o);
    if (!erreur.empty()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], erreur.c_str());
        return 1;
    }
    return 0;
}
