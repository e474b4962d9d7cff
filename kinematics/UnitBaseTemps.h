#pragma once
// The time of each sample from the frame of its mark. The measurement keeps,
// for every mark, the frame shown just after it was placed (the next frame
// once a frame's marks are complete); the series need the frame the mark was
// placed on, and a sample's time is the time of that frame minus the time of
// the first marked frame.

#include <functional>
#include <span>
#include <vector>

// Seconds from the start of the video to the given frame. The frame source
// gives each frame's own time; without it frames are one FrameTime apart.
using TTempsImage = std::function<double(int)>;

// The frame each video mark was placed on, from the frames shown just after
// them: a mark that completed its frame had moved the view on by one, except
// on the last frame, where the view cannot advance (the last
// `marquesDerniereImage` marks were placed there).
std::vector<int> ImagesDesMarques(std::span<const int> imagesApres, int marquesParImage, int marquesDerniereImage);

// The inverse: the frame shown just after each mark, from the frames the marks
// were placed on.
std::vector<int> ImagesApresMarques(std::span<const int> images, int marquesParImage, int marquesDerniereImage);

// The sample times of every moving point in frame steps (multiply by the time
// step T for seconds), mark k belonging to point k mod `points`. `images` has
// the frame of each mark; the steps are counted from the earliest of them, in
// frames, or with `tempsImage` as (its time - the earliest time) / frameTime.
// Empty when the frames cannot give the times: not one frame per mark, or the
// frames of a point not strictly increasing. A mark `repetee` says is left
// out of the derivatives, so it may share the time of the point's mark before.
std::vector<std::vector<double>> PasDesEchantillons(std::span<const int> images, int points,
                                                    const TTempsImage& tempsImage, double frameTime,
                                                    const std::function<bool(std::size_t)>& repetee = {});
