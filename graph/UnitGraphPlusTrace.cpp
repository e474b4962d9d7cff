#include "graph/UnitGraphPlusTrace.h"

#include "kit/Trace.h"

#include <QImage>
#include <QRegion>

#include <algorithm>
#include <cstdlib>

namespace GraphTrace {

QFont PolicePoints(int points, bool gras)
{
    QFont f = PolicePixels((points * 96 + 36) / 72);
    f.setBold(gras);
    return f;
}

QFont PolicePixels(int pixels)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(pixels);
    return f;
}

void Ecrire(QPainter& p, int x, int y, const QString& texte)
{
    p.drawText(x, y + p.fontMetrics().ascent(), texte);
}

std::unordered_map<QString, QHash<QString, TEcrivain::Etiquette>>& TEcrivain::Cache()
{
    static std::unordered_map<QString, QHash<QString, Etiquette>> c;
    return c;
}

TEcrivain::TEcrivain(QPainter& peintre, const QRect& z)
    : p(peintre), zone(z),
      etiquettes(Cache()[peintre.font().key() + u'|' + QString::number(peintre.pen().color().rgba(), 16)])
{
    // Bounded: a long session with many distinct magnitudes starts afresh
    // rather than grow without end.
    constexpr qsizetype Maximum = 20000;
    if (etiquettes.size() > Maximum) etiquettes.clear();
}

const TEcrivain::Etiquette& TEcrivain::Trouver(const QString& texte)
{
    auto it = etiquettes.constFind(texte);
    if (it != etiquettes.constEnd()) return *it;
    const QFontMetrics fm(p.font());
    const int marge = fm.height() / 4 + 1; // room for glyphs overhanging their cell
    QImage image(fm.horizontalAdvance(texte) + 2 * marge, fm.height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter q(&image);
    q.setFont(p.font());
    q.setPen(p.pen());
    q.drawText(marge, fm.ascent(), texte);
    q.end();
    // Only the ink is kept: copying transparent pixels costs as much as copying ink.
    QRect encre;
    for (int y = 0; y < image.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(ligne[x]) != 0) encre |= QRect(x, y, 1, 1);
    }
    if (encre.isNull()) return *etiquettes.insert(texte, Etiquette{});
    return *etiquettes.insert(texte, Etiquette{image.copy(encre), encre.topLeft() - QPoint(marge, 0)});
}

void TEcrivain::Ecrire(int x, int y, const QString& texte)
{
    const Etiquette& e = Trouver(texte);
    const QPoint coin = QPoint(x, y) + e.decalage;
    if (!e.image.isNull() && zone.intersects(QRect(coin, e.image.size()))) p.drawImage(coin, e.image);
}

namespace {

// The rectangle of `image` the painter would write to, when it paints an
// opaque RGB32 picture with no transformation; empty otherwise.
QRect ZoneDirecte(QPainter& p, QImage*& image)
{
    image = dynamic_cast<QImage*>(p.device());
    if (!image || image->format() != QImage::Format_RGB32 || !p.transform().isIdentity() ||
        p.compositionMode() != QPainter::CompositionMode_SourceOver)
        return {};
    if (!p.hasClipping()) return image->rect();
    const QRegion clip = p.clipRegion();
    return clip.rectCount() == 1 ? clip.boundingRect() & image->rect() : QRect();
}

} // namespace

TTraceur::TTraceur(QPainter& peintre, const QColor& c)
    : TTraceur(peintre, QRect(0, 0, peintre.device()->width(), peintre.device()->height()), c)
{
}

TTraceur::TTraceur(QPainter& peintre, const QRect& z, const QColor& c) : p(peintre), zone(z), couleur(c.rgb())
{
    p.setPen(QPen(c, 1));
    QImage* image = nullptr;
    const QRect directe = ZoneDirecte(p, image) & zone;
    if (directe.isValid() && c.alpha() == 255) {
        zone = directe;
        pixels = reinterpret_cast<QRgb*>(image->bits());
        pas = image->bytesPerLine() / qsizetype(sizeof(QRgb));
    }
}

void TTraceur::Ligne(QPoint a, QPoint b)
{
    const int gauche = zone.left(), droite = zone.right(), haut = zone.top(), bas = zone.bottom();
    if (std::max(a.x(), b.x()) < gauche || std::min(a.x(), b.x()) > droite || std::max(a.y(), b.y()) < haut ||
        std::min(a.y(), b.y()) > bas)
        return;
    constexpr int LongueurMax = 1 << 14;
    if (std::abs(b.x() - a.x()) > LongueurMax || std::abs(b.y() - a.y()) > LongueurMax) {
        p.drawLine(a, b);
    } else if (pixels) {
        const bool dedans = std::min(a.x(), b.x()) >= gauche && std::max(a.x(), b.x()) <= droite &&
            std::min(a.y(), b.y()) >= haut && std::max(a.y(), b.y()) <= bas;
        if (dedans)
            Trace::PourChaquePixelLigne(a, b, [&](int x, int y) { pixels[y * pas + x] = couleur; });
        else
            Trace::PourChaquePixelLigne(a, b, [&](int x, int y) {
                if (x >= gauche && x <= droite && y >= haut && y <= bas) pixels[y * pas + x] = couleur;
            });
    } else {
        Trace::Ligne(p, a, b);
    }
}

void TTraceur::Polyligne(const QPolygon& points)
{
    for (int i = 1; i < points.size(); ++i) Ligne(points[i - 1], points[i]);
}

} // namespace GraphTrace
