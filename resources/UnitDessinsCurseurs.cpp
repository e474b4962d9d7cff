#include "resources/UnitDessinsCurseurs.h"

#include "resources/UnitImageVide.h"

#include <QPainter>
#include <QPainterPath>

namespace {

enum class Teinte { Noir, Blanc, NB };

// Strokes a path twice for the black-and-white variant: a wide white halo,
// then the black line, so it shows on any picture.
void tracer(QPainter& p, const QPainterPath& chemin, Teinte t)
{
    p.setBrush(Qt::NoBrush);
    if (t == Teinte::NB) {
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap));
        p.drawPath(chemin);
    }
    p.setPen(QPen(t == Teinte::Blanc ? Qt::white : Qt::black, 1, Qt::SolidLine, Qt::SquareCap));
    p.drawPath(chemin);
}

QPainterPath croix()
{
    // A cross hair with an open centre, so the pointed spot stays visible.
    QPainterPath c;
    c.moveTo(15.5, 3.5);
    c.lineTo(15.5, 12.5);
    c.moveTo(15.5, 18.5);
    c.lineTo(15.5, 27.5);
    c.moveTo(3.5, 15.5);
    c.lineTo(12.5, 15.5);
    c.moveTo(18.5, 15.5);
    c.lineTo(27.5, 15.5);
    return c;
}

void chiffre(QPainter& p, int n, Teinte t)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    QPainterPath texte;
    texte.addText(20, 12, f, QString::number(n));
    if (t == Teinte::NB) {
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(texte);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(t == Teinte::Blanc ? Qt::white : Qt::black);
    p.drawPath(texte);
}

QPainterPath regle()
{
    // A small ruler with ticks, bottom right of the cross hair.
    QPainterPath r;
    r.addRect(18.5, 22.5, 12, 6);
    for (int x = 21; x <= 29; x += 3) {
        r.moveTo(x + 0.5, 22.5);
        r.lineTo(x + 0.5, 25.5);
    }
    return r;
}

QPainterPath axes()
{
    // Two axes with arrow heads, bottom right of the cross hair.
    QPainterPath a;
    a.moveTo(20.5, 30.5);
    a.lineTo(20.5, 19.5);
    a.moveTo(18.5, 21.5);
    a.lineTo(20.5, 19.5);
    a.lineTo(22.5, 21.5);
    a.moveTo(20.5, 30.5);
    a.lineTo(30.5, 30.5);
    a.moveTo(28.5, 28.5);
    a.lineTo(30.5, 30.5);
    return a;
}

QPainterPath souris(bool gauche, bool droite, QPainterPath* boutons)
{
    QPainterPath s;
    s.addRoundedRect(9.5, 5.5, 13, 21, 6, 6);
    s.moveTo(9.5, 13.5);
    s.lineTo(22.5, 13.5);
    s.moveTo(16.5, 5.5);
    s.lineTo(16.5, 13.5);
    if (gauche) boutons->addRect(10, 6.5, 6, 7);
    if (droite) boutons->addRect(17, 6.5, 5, 7);
    return s;
}

QPainterPath quatreFleches()
{
    QPainterPath f;
    f.moveTo(15.5, 2.5);
    f.lineTo(15.5, 28.5);
    f.moveTo(2.5, 15.5);
    f.lineTo(28.5, 15.5);
    for (int s : {-1, 1}) {
        const double y = 15.5 + s * 13;
        f.moveTo(12.5, y - s * 3);
        f.lineTo(15.5, y);
        f.lineTo(18.5, y - s * 3);
        const double x = 15.5 + s * 13;
        f.moveTo(x - s * 3, 12.5);
        f.lineTo(x, 15.5);
        f.lineTo(x - s * 3, 18.5);
    }
    return f;
}

QPainterPath loupe()
{
    QPainterPath l;
    l.addEllipse(QPointF(12.5, 12.5), 8, 8);
    l.moveTo(18.5, 18.5);
    l.lineTo(28.5, 28.5);
    l.moveTo(8.5, 12.5);
    l.lineTo(16.5, 12.5);
    l.moveTo(12.5, 8.5);
    l.lineTo(12.5, 16.5);
    return l;
}

Teinte teinteDe(std::string_view nom)
{
    if (nom.ends_with("Blanc")) return Teinte::Blanc;
    if (nom.ends_with("NB")) return Teinte::NB;
    return Teinte::Noir;
}

} // namespace

QImage DessinerCurseur(std::string_view nom, qreal ratio)
{
    QImage image = ImageVide(32, ratio);
    QPainter p(&image);
    const Teinte t = teinteDe(nom);
    if (nom.starts_with("Marque")) {
        tracer(p, croix(), t);
        if (nom.size() > 6 && nom[6] >= '1' && nom[6] <= '3') chiffre(p, nom[6] - '0', t);
    } else if (nom.starts_with("Etalon")) {
        tracer(p, croix(), t);
        tracer(p, regle(), t);
    } else if (nom.starts_with("Origine")) {
        tracer(p, croix(), t);
        tracer(p, axes(), t);
    } else if (nom == "Pan") {
        tracer(p, quatreFleches(), Teinte::NB);
    } else if (nom == "ClickGauche" || nom == "ClickGaucheDroite") {
        QPainterPath boutons;
        const QPainterPath corps = souris(true, nom == "ClickGaucheDroite", &boutons);
        p.fillPath(corps, Qt::white);
        p.fillPath(boutons, QColor(200, 0, 0));
        tracer(p, corps, Teinte::Noir);
    } else if (nom == "ClickZoomer") {
        tracer(p, loupe(), Teinte::NB);
    } else {
        return {};
    }
    return image;
}
