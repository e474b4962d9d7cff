#pragma once
// What the marks so far say about a point's motion: where it goes next, how
// far off that guess may be, and whether it has come to rest.
//
// Positions are in video pixels, one a frame, on consecutive frames.

#include "core/UnitMath.h"

#include <cstddef>
#include <deque>
#include <vector>

class Mouvement {
public:
    // `passe`: the point's last positions, oldest first; they are the user's
    // marks, a pixel or so off, and the guess allows for it while it rests on them.
    explicit Mouvement(const std::vector<PointD>& passe);

    // Where the point goes next: on from the parabola through its last three
    // positions (a line through two, the last one alone).
    PointD Prevision() const;
    PointD Derniere() const { return passe_.back(); }
    // Its last displacement; zero with one position.
    PointD Vitesse() const;
    // True while the motion is unknown (one position since the start or a change).
    bool SansVitesse() const { return passe_.size() == 1; }
    // How far the guess may miss through the marks' own error, in pixels.
    double Incertitude() const;

    void Ajouter(PointD p);
    // The motion changed (a stop, a bounce): the guess starts anew from the
    // last position; what the point did before still counts for the rest.
    void Recommencer();

    // The point has moved (more than a few pixels since the run's first
    // position) and its last `images` positions lie within `tolerance`
    // pixels of one another.
    bool AuRepos(int images, double tolerance) const;

private:
    std::vector<PointD> passe_;   // since the start or the last change, at most Garde
    int marquesUtilisateur_ = 0;  // of passe_, the user's marks
    std::deque<PointD> recentes_; // the last positions, whatever the changes
    PointD premiere_;
    bool aBouge_ = false;
};
