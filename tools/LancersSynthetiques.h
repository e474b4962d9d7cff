#pragma once
// Synthetic throws for checking the uncertainties: a ball thrown on a 640 x
// 480 picture at 25 frames per second, the clicks scattered by a Gaussian
// noise of a given size in pixels, every throw drawn from one seed.

#include "kinematics/UnitSeries.h"

#include <cstdint>

constexpr double GLancers = 9.81;

// The marks of one throw (one moving point, smoothing as the caller sets it).
TEntreesSeries LancerSynthetique(std::uint32_t graine, double bruitPixels);

// Share of the samples whose true acceleration lies within k standard
// uncertainties of the computed one, over the throws of seeds
// premiere..premiere + nombre - 1; for ay, for the magnitude a and for ax.
struct TCouverture {
    double AY1 = 0, AY2 = 0; // within 1 u, within 2 u
    double A1 = 0, A2 = 0;
    double AX1 = 0, AX2 = 0;
    int Echantillons = 0;
};
TCouverture CouvertureLancers(std::uint32_t premiere, int nombre, double bruitPixels);
