#pragma once
// The time step T of the series: the video's interval between frames
// (TDefaut) and the value in use (TChoisi). Held by the results model,
// initialised by the results computation.

#include <string>

class TPasDeTemps {
public:
    // The bounds the dialog accepts, both inclusive.
    static constexpr double PasMin = 1e-6;
    static constexpr double PasMax = 1e9;

    double TChoisi = 0.0; // seconds; 0 until the first computation
    double TDefaut = 0.0; // seconds; 0 until the first computation
    // TDefaut is the interval between captured frames that a slow-motion
    // video carries, not its playback interval.
    bool DefautDeCapture = false;
    double PasVideo = 0.0; // the video's playback interval between frames

    // Run by each results computation. A measurement from another video than
    // the last computation (another file, or the same file with another frame
    // interval) forgets the previous default and choice; then TDefaut takes the
    // video's capture interval when it carries one (`pasCapture` > 0), else its
    // FrameTime, and TChoisi, if still unset, the default.
    void Initialiser(const std::string& video, double frameTime, double pasCapture = 0.0);

    // Whether the dialog accepts v as a time step.
    static bool Admis(double v) { return v >= PasMin && v <= PasMax; }

private:
    std::string video_;
};
