#pragma once
// Decoded pictures kept in the decoder's own format, by display rank, within a
// byte budget; the least recently used go first.

#include "media/FrameSourceFFmpeg.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <unordered_map>

class CacheImages {
public:
    static constexpr std::size_t BudgetParDefaut = std::size_t(512) << 20;

    explicit CacheImages(std::size_t budget = BudgetParDefaut) : budget_(budget) {}

    void FixerBudget(std::size_t octets);
    std::size_t Budget() const { return budget_; }
    // A new reference to the picture of `rang`, or null; marks it recently used.
    ff::Image Trouver(std::int32_t rang);
    bool Contient(std::int32_t rang) const { return index_.count(rang) != 0; }
    // The rank kept nearest to `rang` (the lower of two as near), or -1 when none is kept.
    std::int32_t PlusProche(std::int32_t rang) const;
    // Going back from the last rank asked for (stepping backwards), the whole
    // budget is filled with the pictures decoded; going forward (a jump,
    // playing) only a window of it, the pictures past it going back to the
    // decoder's pool: each picture kept takes a fresh buffer the decoder must
    // clear, which doubled the time of a cold jump and of reading a video
    // through. Pictures kept going back stay when going forward again.
    static constexpr std::size_t PartEnAvant = 16;
    // Whether a picture like `image`, `avant` ranks before the one a decode
    // goes to, would still be kept when that one comes; one that would not is
    // better not kept at all.
    bool Gardera(std::int32_t avant, const AVFrame& image) const;
    // Keeps a reference to `image` under `rang`.
    void Ranger(std::int32_t rang, const AVFrame* image);
    // Forgets the ranks in [debut, fin).
    void Oublier(std::int32_t debut, std::int32_t fin);
    void Vider();

    std::size_t Octets() const { return octets_; }
    std::size_t Pic() const { return pic_; }

private:
    struct Entree {
        std::int32_t rang;
        ff::Image image;
        std::size_t octets;
        bool enAvant; // kept going forward, within the window
    };
    void Retirer(std::list<Entree>::iterator it);
    void Tenir();
    std::size_t Fenetre() const { return enArriere_ ? budget_ : budget_ / PartEnAvant; }

    std::list<Entree> recents_; // most recently used first
    std::unordered_map<std::int32_t, std::list<Entree>::iterator> index_;
    std::size_t budget_;
    std::size_t octets_ = 0;
    std::size_t octetsEnAvant_ = 0;
    std::size_t pic_ = 0;
    std::int32_t dernier_ = -1; // the last rank asked for
    bool enArriere_ = false;    // it lay before the one asked for before it
};
