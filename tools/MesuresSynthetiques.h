#pragma once
// Synthetic measurements for checking fits: a motion given in metres drawn on
// a 640 x 480 picture, the clicks on the marks and on the two ends of the
// scale segment scattered uniformly within half a pixel (or as given), every
// measurement drawn from one seed.

#include "kinematics/UnitSeries.h"

#include <cstdint>
#include <functional>

struct TMouvementSynthetique {
    std::function<PointD(double t)> Position; // metres from the origin, y upwards
    int Images = 20;
    double Fps = 25.0;
    double PixelsParMetre = 400.0;  // the scale segment is 1 m long
    double DemiLargeurBruit = 0.5;  // uniform click noise on the marks, half-width in pixels
    double DemiLargeurEtalon = 0.5; // the same on the scale segment's ends
};

constexpr double LargeurSynthetique = 640, HauteurSynthetique = 480;

TEntreesSeries MesureSynthetique(const TMouvementSynthetique& m, std::uint32_t graine);
