#include "view/UnitDessinMesure.h"

#include "kit/Trace.h"
#include "measure/UnitAxesVus.h"

#include <QPen>
#include <QPolygon>
#include <cstddef>

QColor CouleurQt(std::uint32_t couleur)
{
    return QColor(int(couleur & 0xFF), int((couleur >> 8) & 0xFF), int((couleur >> 16) & 0xFF));
}

namespace DessinMesure {
namespace {

struct Segment {
    int x1, y1, x2, y2;
};

void Segments(QPainter& p, QPoint c, std::initializer_list<Segment> segments)
{
    for (const Segment& s : segments) Trace::Ligne(p, c + QPoint(s.x1, s.y1), c + QPoint(s.x2, s.y2));
}

QPoint EnQPoint(PointPixels p)
{
    return {p.X, p.Y};
}

// The marks of `marques` from `premier` on, each at its pixel plus `decalage`.
template <typename SymboleDe>
void Marques(QPainter& p, const VecteurPointD& marques, std::size_t premier, int largeur, int hauteur, QPoint decalage,
             SymboleDe symboleDe)
{
    for (std::size_t k = premier; k < marques.size(); ++k)
        Symbole(p, symboleDe(k), EnQPoint(VersPixels(marques[k], largeur, hauteur)) + decalage);
}

std::size_t PremiereMarque(const EtatMesure& m, const VecteurPointD& marques)
{
    return m.DessinMarques == TDessinMarques::Derniere && !marques.empty() ? marques.size() - 1 : 0;
}

void Transparent(QPainter& p, const EtatMesure& m, const PixelsMesure& px, int largeur, int hauteur)
{
    const QPoint c =
        EnQPoint(m.EtatTransparent == TEtatTransparent::Deplacer ? px.Souris - px.DecalageTsp // follows the pointer
                                                                 : px.CentreTsp);
    const int hw = px.DemiTailleTsp.X, hh = px.DemiTailleTsp.Y;
    const QBrush brosse = p.brush();
    p.setBrush(Qt::NoBrush);
    Trace::Rectangle(p, c.x() - hw, c.y() - hh, c.x() + hw, c.y() + hh);
    p.setBrush(brosse);

    // Axes with a gap at the centre, where the mark goes.
    Trace::Ligne(p, {c.x() - hw, c.y()}, {c.x() - 2, c.y()});
    Trace::Ligne(p, {c.x() + 3, c.y()}, {c.x() + hw, c.y()});
    Fleche(p, {c.x() + hw - 1, c.y()}, Sens::Droite);
    Trace::Ligne(p, {c.x(), c.y() - hh}, {c.x(), c.y() - 2});
    Trace::Ligne(p, {c.x(), c.y() + 3}, {c.x(), c.y() + hh});
    if (m.AxeVersLeBas)
        Fleche(p, {c.x(), c.y() + hh - 1}, Sens::Bas);
    else
        Fleche(p, {c.x(), c.y() - hh}, Sens::Haut);

    // Stored relative to the centre, so they move with the overlay.
    Marques(p, m.MarquesTsp, PremiereMarque(m, m.MarquesTsp), largeur, hauteur, c, [](std::size_t) { return 1; });
}

void Disque(QPainter& p, QPoint c)
{
    Trace::Ellipse(p, c.x() - 2, c.y() - 2, c.x() + 3, c.y() + 3);
}

void Etalon(QPainter& p, const EtatMesure& m, const PixelsMesure& px)
{
    const QPoint bout1 = EnQPoint(px.Etalon[0]), bout2 = EnQPoint(px.Etalon[1]);
    if (m.EtatEtalon == TEtatEtalon::UnBout) {
        Trace::Ligne(p, EnQPoint(px.Souris), bout1);
        Disque(p, bout1);
    } else if (m.EtalonPlace()) {
        Trace::Ligne(p, bout1, bout2);
        Disque(p, bout1);
        Disque(p, bout2);
    }
}

void MarquesEtAxes(QPainter& p, const EtatMesure& m, const PixelsMesure& px, int largeur, int hauteur)
{
    const int n = m.MarquesParImage;
    Plan(p, m, largeur, hauteur); // under the marks
    for (std::size_t k = PremiereMarque(m, m.Marques); k < m.Marques.size(); ++k) {
        const QPoint c = EnQPoint(VersPixels(m.Marques[k], largeur, hauteur));
        if (m.OrigineDeMarque(int(k)).Doute)
            MarqueDouteuse(p, c);
        else
            Symbole(p, n <= 1 ? 1 : int(k % std::size_t(n)) + 1, c);
    }
    if (!m.OrigineEstPlacee()) return;
    if (AxesCalcules(m)) {
        AxesTournes(p, m, largeur, hauteur);
        return;
    }
    const QPoint o = EnQPoint(px.Origine);
    Trace::Ligne(p, {0, o.y()}, {largeur, o.y()});
    Fleche(p, {largeur - 1, o.y()}, Sens::Droite);
    Trace::Ligne(p, {o.x(), 0}, {o.x(), hauteur});
    if (m.AxeVersLeBas)
        Fleche(p, {o.x(), hauteur - 1}, Sens::Bas);
    else
        Fleche(p, {o.x(), 0}, Sens::Haut);
}

} // namespace

void MarqueDouteuse(QPainter& p, QPoint c)
{
    const QBrush brosse = p.brush();
    p.setBrush(Qt::NoBrush);
    Trace::Ellipse(p, c.x() - 4, c.y() - 4, c.x() + 5, c.y() + 5);
    p.setBrush(brosse);
    // The question sign, its hook, stem and dot one pixel wide.
    Segments(p, c,
             {{7, -10, 10, -10},
              {6, -9, 7, -9},
              {10, -9, 11, -9},
              {10, -8, 11, -8},
              {9, -7, 10, -7},
              {8, -6, 9, -6},
              {8, -5, 9, -5},
              {8, -3, 9, -3}});
}

void Symbole(QPainter& p, int symbole, QPoint c)
{
    switch (symbole) {
    case 1:
        Segments(p, c,
                 {{-2, -2, 3, 3}, {-2, 2, 3, -3}, {-1, -2, 4, 3}, {-1, 2, 4, -3}, {-3, -2, 2, 3}, {-3, 2, 2, -3}});
        break;
    case 2:
        Segments(p, c, {{-3, 0, 4, 0}, {-1, -1, 2, -1}, {-1, 1, 2, 1}, {0, 3, 0, -4}, {-1, 1, -1, -2}, {1, 1, 1, -2}});
        break;
    case 3: Segments(p, c, {{-3, 3, 4, -4}, {-3, -3, 4, 4}, {-3, 0, 4, 0}, {0, 3, 0, -4}}); break;
    }
}

void Fleche(QPainter& p, QPoint t, Sens sens)
{
    switch (sens) {
    case Sens::Droite: Trace::Polygone(p, QPolygon({t, t + QPoint(-8, -8), t + QPoint(-8, 8)})); break;
    case Sens::Bas: Trace::Polygone(p, QPolygon({t, t + QPoint(8, -8), t + QPoint(-8, -8)})); break;
    case Sens::Haut: Trace::Polygone(p, QPolygon({t, t + QPoint(8, 8), t + QPoint(-8, 8)})); break;
    }
}

void Dessiner(QPainter& p, const EtatMesure& m, const PixelsMesure& px, int largeur, int hauteur,
              const VecteurPointD* coins)
{
    const QColor couleur = CouleurQt(m.Couleur);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(couleur, 1));
    p.setBrush(couleur);
    switch (m.Outil) {
    case TOutil::Transparent: Transparent(p, m, px, largeur, hauteur); break;
    case TOutil::Etalon: Etalon(p, m, px); break;
    case TOutil::Marque:
    case TOutil::Origine: MarquesEtAxes(p, m, px, largeur, hauteur); break;
    }
    if (coins) Coins(p, *coins, false, px.Souris, largeur, hauteur);
}

void DessinerSur(QImage& image, const EtatMesure& m, const PixelsMesure& px, int largeur, int hauteur,
                 const VecteurPointD* coins)
{
    const qreal ratio = image.devicePixelRatio();
    if (ratio == 1) {
        QPainter p(&image);
        Dessiner(p, m, px, largeur, hauteur, coins);
        return;
    }
    // Drawn at 1x with the same primitives, then each pixel repeated over the
    // device pixels it covers: at a whole ratio every pixel becomes an exact
    // block, so a line still stops one logical pixel short. A painter scaled
    // to the device would centre its two-device-pixel pen on each point
    // instead, one device pixel up and left of the block. At 1.5 the blocks
    // alternate one and two device pixels wide: uneven, never blurred.
    QImage calque(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    calque.fill(Qt::transparent);
    {
        QPainter q(&calque);
        Dessiner(q, m, px, largeur, hauteur, coins);
    }
    const QImage agrandi = calque.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    image.setDevicePixelRatio(1); // laid on device pixel for device pixel
    {
        QPainter p(&image);
        p.drawImage(0, 0, agrandi);
    }
    image.setDevicePixelRatio(ratio);
}

} // namespace DessinMesure
