#include "view/UnitLoupe.h"

#include <algorithm>
#include <cmath>

namespace Loupe {

QRect Placer(QSize vue, QPoint pointeur)
{
    int x = pointeur.x() + Ecart;
    int y = pointeur.y() - Ecart - Cote;
    if (x + Cote > vue.width()) x = pointeur.x() - Ecart - Cote;
    if (y < 0) y = pointeur.y() + Ecart;
    x = std::clamp(x, 0, std::max(0, vue.width() - Cote));
    y = std::clamp(y, 0, std::max(0, vue.height() - Cote));
    return {x, y, Cote, Cote};
}

namespace {

// The video pixel an inset column (or row) shows.
int Source(double vise, int i)
{
    return int(std::floor(vise + (i - Cote / 2 + 0.5) / Grossissement));
}

} // namespace

void Dessiner(QImage& cible, QRect cadre, const QImage& video, QPointF vise, QRgb couleur)
{
    const QRect zone = cadre.intersected(cible.rect());
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        const int j = y - cadre.top();
        const int sy = Source(vise.y(), j);
        auto* ligne = reinterpret_cast<QRgb*>(cible.scanLine(y));
        const auto* source =
            sy >= 0 && sy < video.height() ? reinterpret_cast<const QRgb*>(video.constScanLine(sy)) : nullptr;
        for (int x = zone.left(); x <= zone.right(); ++x) {
            const int i = x - cadre.left();
            const int sx = Source(vise.x(), i);
            QRgb c = source && sx >= 0 && sx < video.width() ? source[sx] : qRgb(0, 0, 0);
            const bool bord = i == 0 || j == 0 || i == Cote - 1 || j == Cote - 1;
            // The cross stops one video pixel short of the spot on each side.
            const bool croix = (i == Cote / 2 && std::abs(j - Cote / 2) > Grossissement) ||
                (j == Cote / 2 && std::abs(i - Cote / 2) > Grossissement);
            if (bord || croix) c = couleur;
            ligne[x] = c | 0xFF000000u;
        }
    }
}

QPointF Visee::Bouger(QPointF p, bool fine, QSizeF vue)
{
    if (!fine) {
        ancre_.reset();
        vise_ = p;
        return p;
    }
    if (!ancre_) {
        ancre_ = p;
        depart_ = vise_.value_or(p);
    }
    const QPointF v = depart_ + (p - *ancre_) / Grossissement;
    vise_ = QPointF(std::clamp(v.x(), 0.0, vue.width()), std::clamp(v.y(), 0.0, vue.height()));
    return *vise_;
}

void Visee::Quitter()
{
    vise_.reset();
    ancre_.reset();
}

} // namespace Loupe
