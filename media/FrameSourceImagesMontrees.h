#pragma once
// Whether a packet holds a picture that is shown. Some VP9 files carry the
// pictures decoded only for reference (hidden frames) in packets of their
// own instead of in a superframe with the next shown one; FFmpeg shows no
// frame for them, and neither does the frame source.

#include <cstdint>
#include <span>

extern "C" {
#include <libavcodec/codec_id.h>
}

// False only when the bitstream says no picture of the packet is shown;
// codecs not looked into answer true.
bool MontreUneImage(AVCodecID codec, std::span<const std::uint8_t> paquet);
