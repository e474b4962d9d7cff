#pragma once
// Shared material of the page-model tests: a font measure that needs no
// font system, and pictures of a given size.

#include "print/UnitMiseEnPage.h"

#include <QColor>
#include <QImage>

// 115 % of the character height, as Times-like fonts measure; Arial is made
// smaller so that the centre caption decides.
inline int MesureFictive(const Police& p)
{
    return p.nom == QStringLiteral("Arial") ? p.hauteur : p.hauteur * 115 / 100;
}

inline QImage ImageUnie(int w, int h, QColor c = Qt::red)
{
    QImage i(w, h, QImage::Format_RGB32);
    i.fill(c);
    return i;
}

inline constexpr double Ecran = 96; // screen pixels per inch in these tests

// Number of pictures and of lines drawn on the page.
inline std::pair<int, int> Compter(const PageImpression& page)
{
    int images = 0, lignes = 0;
    for (const ElementPage& e : page.Elements()) (std::holds_alternative<ImagePage>(e) ? images : lignes)++;
    return {images, lignes};
}

inline std::vector<RectPage> CadresImages(const PageImpression& page)
{
    std::vector<RectPage> r;
    for (const ElementPage& e : page.Elements())
        if (const auto* i = std::get_if<ImagePage>(&e)) r.push_back(i->cadre);
    return r;
}
