#include "resources/UnitCurseurs.h"

#include "resources/UnitDessinsCurseurs.h"

#include <QGuiApplication>
#include <QHash>

namespace Curseurs {
namespace {

struct Entree {
    const char* nom;
    QPoint chaud;
};

// Pointing cursors have their hot spot at the centre of the cross hair.
constexpr QPoint Centre{15, 15};
const Entree Table[Nombre] = {
    {"MarqueNoir", Centre},          {"MarqueBlanc", Centre},   {"MarqueNB", Centre},     {"Marque1Noir", Centre},
    {"Marque2Noir", Centre},         {"Marque3Noir", Centre},   {"Marque1Blanc", Centre}, {"Marque2Blanc", Centre},
    {"Marque3Blanc", Centre},        {"Marque1NB", Centre},     {"Marque2NB", Centre},    {"Marque3NB", Centre},
    {"EtalonNoir", Centre},          {"EtalonBlanc", Centre},   {"EtalonNB", Centre},     {"OrigineBlanc", Centre},
    {"OrigineNoir", Centre},         {"OrigineNB", Centre},     {"Pan", {15, 15}},        {"ClickGauche", {15, 15}},
    {"ClickGaucheDroite", {15, 15}}, {"ClickZoomer", {12, 12}},
};

QHash<int, QCursor>& registre()
{
    static QHash<int, QCursor> r;
    return r;
}

} // namespace

QString NomRessource(int numero)
{
    if (numero < 1 || numero > Nombre) return {};
    return QString::fromLatin1(Table[numero - 1].nom);
}

QPoint PointChaud(int numero)
{
    if (numero < 1 || numero > Nombre) return {};
    return Table[numero - 1].chaud;
}

QImage ImageCurseur(int numero, qreal ratio)
{
    if (numero < 1 || numero > Nombre) return {};
    return DessinerCurseur(Table[numero - 1].nom, ratio);
}

QCursor CreerCurseur(int numero, qreal ratio)
{
    // QCursor takes the hot spot in logical pixels, but Qt's X11 plugin shows
    // the picture pixel for pixel and puts the hot spot on the picture's own
    // pixel of that number: there it is given in device pixels.
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    const QPoint chaud = x11 ? (QPointF(PointChaud(numero)) * ratio).toPoint() : PointChaud(numero);
    return QCursor(QPixmap::fromImage(ImageCurseur(numero, ratio)), chaud.x(), chaud.y());
}

void Enregistrer()
{
    if (!registre().isEmpty()) return;
    const qreal ratio = qGuiApp->devicePixelRatio();
    for (int n = 1; n <= Nombre; ++n) registre().insert(n, CreerCurseur(n, ratio));
}

QCursor Curseur(int numero)
{
    const auto it = registre().constFind(numero);
    return it == registre().constEnd() ? QCursor(Qt::ArrowCursor) : *it;
}

} // namespace Curseurs
