#pragma once
// Result codes of the kinematics computations. Numeric code reports failure
// through these codes only; it never throws.

enum CodeResultat : int {
    CodeSucces = 0,
    CodePivotNul = 1,         // a least-squares fit met a zero pivot
    CodeTropPeuDeMesures = 2, // a point has fewer than 3 samples
    CodeErreurInconnue = 3,   // moving points outside 1..3, or an unexpected failure
    CodeEtalonNul = 4,        // the two ends of the scale segment coincide
};
