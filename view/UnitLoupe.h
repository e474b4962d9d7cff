#pragma once
// The loupe: an inset beside the pointer that shows the video's own pixels
// around the aimed spot, four times enlarged, with a fine cross through the
// spot, so that a mark can be placed to the video pixel on a small window.

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <optional>

namespace Loupe {

constexpr int Grossissement = 4;
constexpr int Cote = 120; // side of the inset: 30 video pixels
constexpr int Ecart = 16; // from the pointer to the inset's nearest corner

// The inset in a view of size `vue`: above and right of the pointer, on the
// other side of it where it would leave the view, kept inside the view.
QRect Placer(QSize vue, QPoint pointeur);

// Draws the inset into `cadre` (Cote x Cote) of `cible`, both Format_RGB32.
// The inset's pixel (i, j) shows the video pixel
// floor(vise + ((i, j) - Cote / 2 + 0.5) / Grossissement), black outside the
// video; `vise` is the aimed spot in video pixels, at the top-left corner of
// the inset's pixel (Cote / 2, Cote / 2). The cross runs along that pixel's
// row and column in `couleur`, open over the video pixel aimed at, and a
// one-pixel frame of the same colour edges the inset.
void Dessiner(QImage& cible, QRect cadre, const QImage& video, QPointF vise, QRgb couleur);

// The aimed spot in view coordinates: under the pointer, or, while the fine
// aim is held (Shift with the loupe shown), moving a quarter of the
// pointer's motion from where it stood when the fine aim began. A view
// pixel may span several video pixels; a quarter step reaches each of them.
class Visee {
public:
    // The pointer is at `p` in a view of size `vue`; the aim, inside the view.
    QPointF Bouger(QPointF p, bool fine, QSizeF vue);
    // The pointer left the view.
    void Quitter();
    const std::optional<QPointF>& Point() const { return vise_; }

private:
    std::optional<QPointF> vise_;
    std::optional<QPointF> ancre_; // the pointer when the fine aim began
    QPointF depart_;               // the aim then
};

} // namespace Loupe
