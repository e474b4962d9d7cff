#pragma once
// What the results need to know of a video, as a plain value: the frame
// source hands it out and the series inputs take it, so the measurement never
// depends on the decoder.

#include <functional>

struct FaitsVideo {
    double FrameTime = 0.0;   // seconds between two frames at the file's rate
    double AspectRatio = 1.0; // picture width / height
    double PasCapture = 0.0;  // seconds between two captured frames of a slow motion, else 0
    int Largeur = 0, Hauteur = 0; // the picture in pixels
    // Each frame's own time, set only when the rate varies; it reads the
    // source, which must outlive the value.
    std::function<double(int)> TempsImage;
};
