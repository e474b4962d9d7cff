#pragma once
// Shared point types and the one zero test of the numeric and drawing code.

#include <cmath>
#include <cstddef>
#include <vector>

struct PointD {
    double X = 0.0;
    double Y = 0.0;
    friend bool operator==(const PointD&, const PointD&) = default;
};

inline PointD FaitPointD(double x, double y)
{
    return PointD{x, y};
}

// A growable 0-based array of points; entries added by a resize are zero.
using VecteurPointD = std::vector<PointD>;

inline bool EstNul(double x)
{
    return std::fabs(x) < 1e-100;
}
