#pragma once
// How a normalised mark becomes a position in metres along the axes: scaled
// by the scale segment, or mapped onto the plane seen in perspective (which
// then replaces the segment); turned by the axes' angle; y upwards unless the
// vertical axis points down.

#include "kinematics/UnitPlan.h"
#include "kinematics/UnitSeries.h"

#include <optional>

class TConversion {
public:
    // None when the calibration gives no scale: a segment not placed or of
    // no length, or a plane whose corners make no map.
    static std::optional<TConversion> Depuis(const TEntreesSeries& e);

    // The position of `p` relative to `origine`, both normalised.
    PointD Position(PointD p, PointD origine) const;

    // Metres spanned by one picture height and one picture width; with a
    // plane, across its rectangle, as a size for the graphs' margins.
    double MetresParHauteur() const { return metresParHauteur_; }
    double MetresParLargeur() const { return metresParLargeur_; }

private:
    TConversion() = default;

    double ar_ = 1.0;
    double metresParHauteur_ = 0.0, metresParLargeur_ = 0.0;
    std::optional<THomographie> plan_;
    bool tourne_ = false;
    double cos_ = 1.0, sin_ = 0.0;
    double sensY_ = 1.0;
};

// The angle of the segment from its first to its second end, in degrees
// counter-clockwise as seen on screen, turned by half a turn when needed so
// that the x axis points right: (-90, 90].
double AngleDuSegment(PointD bout1, PointD bout2, double aspectRatio);
