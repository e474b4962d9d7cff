#pragma once
// The data range of a graphical view: starts empty and widens to every point
// a view adds, before the view adjusts it (margins, equal scales).

#include "core/UnitMath.h"

#include <algorithm>

struct TEtendue {
    double Xmin = 1.7e308;
    double Xmax = -1.7e308;
    double Ymin = 1.7e308;
    double Ymax = -1.7e308;

    bool Vide() const { return Xmin > Xmax || Ymin > Ymax; }
    void Ajouter(PointD p)
    {
        Xmin = std::min(Xmin, p.X);
        Xmax = std::max(Xmax, p.X);
        Ymin = std::min(Ymin, p.Y);
        Ymax = std::max(Ymax, p.Y);
    }
    void Ajouter(const VecteurPointD& points)
    {
        for (const PointD& p : points) Ajouter(p);
    }
};
