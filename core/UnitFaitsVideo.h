#pragma once
// What the results need to know of a video, as a plain value: the frame
// source hands it out and the series inputs take it, so the measurement never
// depends on the decoder.

#include <functional>

struct FaitsVideo {
    double FrameTime = 0.0;   // seconds between two frames at the file's rate
    double AspectRatio = 1.0; // picture width / height
    double PasCapture = 0.0;  // seconds between two captured frames of a slow motion, else 0
    int VideoWidth = 0;       // the picture in pixels
    int VideoHeight = 0;
    // Each frame's own time, set only when the rate varies; it reads the
    // source, which must outlive the value.
    std::function<double(int)> TempsImage;
    // Whether a frame repeats the picture before it (a frame the camera
    // dropped), set only when the video has such frames; it reads the source too.
    std::function<bool(int)> ImageRepetee;
};
