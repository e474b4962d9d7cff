#pragma once
// Where each chunk of the video and audio streams lies in the file, listed
// once at open without decoding: from the file's own index when it has one,
// otherwise by walking the chunks of its 'movi' lists (a file cut short, or
// one written without an index).

#include "media/FrameSourceAvi.h"

extern "C" {
#include <libavcodec/codec_id.h>
}

#include <cstdint>
#include <span>
#include <vector>

struct AVStream;

// A chunk: the position of its 8-byte header and the size of its payload.
struct Morceau {
    std::int64_t Position = 0;
    std::int32_t Taille = 0;
    bool Coupe = false; // the file ends inside it: Taille is what it holds of its payload
};

struct IndexVideo {
    std::vector<Morceau> Morceaux;     // non-empty chunks in decoding order
    std::vector<std::int32_t> Numeros; // stream position of each; empty chunks count too
    std::vector<std::uint8_t> Cles;    // 1 where decoding may start
    std::int64_t FinPositions = 0;     // first stream position past the chunks found
};

struct IndexAudio {
    std::vector<Morceau> Morceaux; // non-empty chunks in stream order
};

// From the entries FFmpeg read from the file's index; false when it has none
// for the video stream, or an entry that cannot be right (data past the end of
// the file, a size of 0 or less): the chunks are then better walked.
bool IndexDepuisFFmpeg(const AVStream& video, const AVStream* audio, std::int64_t tailleFichier, IndexVideo& iv,
                       IndexAudio& ia);

// By walking the chunks of the 'movi' lists up to the first one the file does
// not hold whole; a video chunk the file ends inside is kept as cut, for
// the decoder may make a picture of what there is. `premierNumero` is the
// video stream's start.
void IndexParParcours(const FichierAvi& fichier, const EnTeteAvi& entete, int fluxVideo, int fluxAudio,
                      std::int32_t premierNumero, AVCodecID codec, IndexVideo& iv, IndexAudio& ia);

// Clears the key flag of every chunk whose bitstream shows it is no picture
// decoding can start from: some writers flag every chunk. What the bitstream
// cannot tell (an unknown codec, no picture header found) keeps its flag.
void ConfirmerCles(const FichierAvi& fichier, AVCodecID codec, IndexVideo& iv);

// An index that ends early (the file's index cut, or written before the
// last chunks) is completed by walking the chunks after its last entry.
void CompleterIndex(const FichierAvi& fichier, const EnTeteAvi& entete, int fluxVideo, int fluxAudio, AVCodecID codec,
                    IndexVideo& iv, IndexAudio& ia);

// Whether a chunk of `codec` starting with `debut` is a picture decoding can
// start from (an I-VOP, an IDR access unit). Unknown codecs answer no.
bool EstImageCle(AVCodecID codec, std::span<const std::uint8_t> debut);

// Whether no picture decoded after the keyframe starting with `cle` is shown
// before it, so that decoding from it loses nothing: an IDR access unit, or an
// I-VOP not followed by a B-VOP (`suivant` starts the next chunk). Unknown
// codecs answer no.
bool SansImagesDeTete(AVCodecID codec, std::span<const std::uint8_t> cle, std::span<const std::uint8_t> suivant);
