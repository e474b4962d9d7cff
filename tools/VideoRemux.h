#pragma once
// Copies the packets of a video file into a new file of the same container,
// changing on the way what some real files carry and the writer does not
// make: frames that share a time stamp, a display matrix that is wrong, VP9
// hidden frames in packets of their own.

#include <cstdint>
#include <functional>
#include <string>

struct OptionsRemux {
    // The new time stamp of video packet `index` (in decoding order) given
    // its own, in the stream's time base; none keeps them. For streams
    // without reordering: the decoding time stamp becomes the same.
    std::function<std::int64_t(int index, std::int64_t pts)> temps;
    // A display matrix turning the picture this many degrees clockwise,
    // replacing the stream's; -1 keeps the stream's.
    int rotation = -1;
    // VP9 superframes split into their frames, as some muxers write them.
    bool separerSuperImages = false;
};

// An empty string when it went well, else what failed.
std::string Remuxer(const std::string& source, const std::string& cible, const OptionsRemux& options);
