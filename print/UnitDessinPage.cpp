#include "print/UnitDessinPage.h"

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

const QColor Argent(192, 192, 192);

QFont PoliceQt(const Police& police)
{
    QFont f(police.nom);
    f.setPixelSize(std::max(1, police.hauteur));
    return f;
}

// A caption font sized in page units, so that it takes on paper the size it
// has on the screen.
QFont PoliceEnPage(const Police& police, const PageImpression& page)
{
    QFont f(police.nom);
    f.setPixelSize(std::max(1, page.DepuisPixels(police.hauteur)));
    return f;
}

QPen PlumePointillee(const QColor& couleur)
{
    QPen pen(couleur, 0, Qt::DotLine, Qt::FlatCap);
    pen.setCosmetic(true);
    return pen;
}

void DessinerBande(QPainter& p, const PageImpression& page, const Bande& b, int haut)
{
    const QRect bande(page.MargeGauche(), haut, page.Largeur() - page.MargeGauche() - page.MargeDroite(),
                      page.HauteurBande(b));
    const std::pair<const Legende*, int> legendes[] = {
        {&b.gauche, Qt::AlignLeft}, {&b.centre, Qt::AlignHCenter}, {&b.droite, Qt::AlignRight}};
    for (const auto& [legende, alignement] : legendes) {
        if (legende->texte.isEmpty()) continue;
        p.setFont(PoliceEnPage(legende->police, page));
        p.drawText(bande, alignement | Qt::AlignVCenter | Qt::TextSingleLine, legende->texte);
    }
}

void DessinerMarges(QPainter& p, const PageImpression& page)
{
    const int w = page.Largeur(), h = page.Hauteur();
    p.setPen(PlumePointillee(Argent));
    const auto verticale = [&](int x) {
        if (x > 0 && x < w) p.drawLine(x, 0, x, h);
    };
    const auto horizontale = [&](int y) {
        if (y > 0 && y < h) p.drawLine(0, y, w, y);
    };
    verticale(page.MargeGauche());
    verticale(w - page.MargeDroite());
    horizontale(page.MargeHaut());
    horizontale(h - page.MargeBas());
    const RectPage& m = page.MargesPhysiques();
    verticale(m.Left);
    verticale(w - m.Right);
    horizontale(m.Top);
    horizontale(h - m.Bottom);
}

} // namespace

int HauteurTexte(const Police& police)
{
    const QFontMetrics m(PoliceQt(police));
    return m.ascent() + m.descent();
}

void DessinerPage(QPainter& p, const PageImpression& page, bool apercu)
{
    p.save();
    if (apercu) DessinerMarges(p, page);
    p.setRenderHint(QPainter::SmoothPixmapTransform, apercu);
    p.setPen(PlumePointillee(Qt::black));
    for (const ElementPage& e : page.Elements()) {
        if (const auto* image = std::get_if<ImagePage>(&e)) {
            const RectPage& c = image->cadre;
            if (!c.Vide()) p.drawImage(QRect(c.Left, c.Top, c.Largeur(), c.Hauteur()), image->image);
        } else {
            const LignePage& l = std::get<LignePage>(e);
            p.drawLine(l.a.X, l.a.Y, l.b.X, l.b.Y);
        }
    }
    p.setPen(Qt::black);
    if (page.Entete().visible) DessinerBande(p, page, page.Entete(), page.MargeHaut());
    if (page.Pied().visible) DessinerBande(p, page, page.Pied(), page.Hauteur() - page.MargeBas() - page.HauteurPied());
    p.restore();
}

QImage ImageApercu(const PageImpression& page, double pixelsParUnite)
{
    QImage image(std::max(1, Arrondi(page.Largeur() * pixelsParUnite)),
                 std::max(1, Arrondi(page.Hauteur() * pixelsParUnite)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(pixelsParUnite, pixelsParUnite);
    DessinerPage(p, page, true);
    return image;
}

bool ImprimerPage(QPagedPaintDevice& device, const PageImpression& page)
{
    device.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), page.Sens() == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
        QMarginsF(0, 0, 0, 0)));
    QPainter p;
    if (!p.begin(&device)) return false;
    p.scale(device.logicalDpiX() / 2540.0, device.logicalDpiY() / 2540.0);
    DessinerPage(p, page, false);
    return p.end();
}
