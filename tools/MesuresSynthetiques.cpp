#include "tools/MesuresSynthetiques.h"

#include <random>

namespace {

// Uniform in [-1, 1) computed here, so that a seed gives the same
// measurement with every standard library.
double Symetrique(std::mt19937& g)
{
    return (g() >> 5) * (2.0 / 134217728.0) - 1.0;
}

} // namespace

TEntreesSeries MesureSynthetique(const TMouvementSynthetique& m, std::uint32_t graine)
{
    std::mt19937 g(graine);
    const double W = LargeurSynthetique, H = HauteurSynthetique;
    TEntreesSeries e;
    e.AspectRatio = W / H;
    e.VideoWidth = int(W);
    e.VideoHeight = int(H);
    e.FrameTime = 1.0 / m.Fps;
    e.FichierVideo = "synthetique.avi";
    e.EtatEtalon = 2;
    e.LongueurEtalon = 1.0;
    const double bx = 620, by = 40;
    const auto bout = [&](double x, double y) {
        return PointD{(x + m.DemiLargeurEtalon * Symetrique(g)) / W, (y + m.DemiLargeurEtalon * Symetrique(g)) / H};
    };
    e.PointsEtalon = {bout(bx, by), bout(bx, by + m.PixelsParMetre)};
    const double x0 = 320, y0 = 240;
    e.Origine = PointD{x0 / W, y0 / H};
    for (int j = 0; j < m.Images; ++j) {
        const PointD p = m.Position(j / m.Fps);
        const double px = x0 + p.X * m.PixelsParMetre + m.DemiLargeurBruit * Symetrique(g);
        const double py = y0 - p.Y * m.PixelsParMetre + m.DemiLargeurBruit * Symetrique(g);
        e.Marques.push_back(PointD{px / W, py / H});
        e.ImagesMarques.push_back(j);
    }
    e.NombreDePoints = m.Images;
    return e;
}
