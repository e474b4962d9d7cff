#include "media/FrameSourceCache.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

std::size_t OctetsDe(const AVFrame* image)
{
    std::size_t n = 0;
    for (const AVBufferRef* b : image->buf)
        if (b) n += b->size;
    for (int i = 0; i < image->nb_extended_buf; ++i) n += image->extended_buf[i]->size;
    return n;
}

} // namespace

void CacheImages::FixerBudget(std::size_t octets)
{
    budget_ = octets;
    Tenir();
}

ff::Image CacheImages::Trouver(std::int32_t rang)
{
    enArriere_ = rang < dernier_;
    dernier_ = rang;
    const auto it = index_.find(rang);
    if (it == index_.end()) return {};
    recents_.splice(recents_.begin(), recents_, it->second);
    return ff::Reference(it->second->image.get());
}

bool CacheImages::Gardera(std::int32_t avant, const AVFrame& image) const
{
    return avant <= 0 || std::size_t(avant) * OctetsDe(&image) < Fenetre();
}

std::int32_t CacheImages::PlusProche(std::int32_t rang) const
{
    std::int32_t proche = -1;
    auto distance = [rang](std::int32_t r) { return std::abs(std::int64_t(r) - rang); };
    for (const Entree& e : recents_)
        if (proche < 0 || distance(e.rang) < distance(proche) ||
            (distance(e.rang) == distance(proche) && e.rang < proche))
            proche = e.rang;
    return proche;
}

void CacheImages::Ranger(std::int32_t rang, const AVFrame* image)
{
    if (const auto it = index_.find(rang); it != index_.end()) {
        recents_.splice(recents_.begin(), recents_, it->second);
        return;
    }
    ff::Image reference = ff::Reference(image);
    if (!reference) return;
    const std::size_t octets = OctetsDe(reference.get());
    recents_.push_front({rang, std::move(reference), octets, !enArriere_});
    index_[rang] = recents_.begin();
    octets_ += octets;
    if (!enArriere_) octetsEnAvant_ += octets;
    Tenir();
    pic_ = std::max(pic_, octets_);
}

void CacheImages::Oublier(std::int32_t debut, std::int32_t fin)
{
    for (auto it = recents_.begin(); it != recents_.end();) {
        const auto suivant = std::next(it);
        if (it->rang >= debut && it->rang < fin) Retirer(it);
        it = suivant;
    }
}

void CacheImages::Vider()
{
    recents_.clear();
    index_.clear();
    octets_ = 0;
    octetsEnAvant_ = 0;
}

void CacheImages::Retirer(std::list<Entree>::iterator it)
{
    octets_ -= it->octets;
    if (it->enAvant) octetsEnAvant_ -= it->octets;
    index_.erase(it->rang);
    recents_.erase(it);
}

// Within the budget, and the pictures kept going forward within their
// window; the one kept last stays, to show while the next is decoded.
void CacheImages::Tenir()
{
    while (octets_ > budget_ && !recents_.empty()) Retirer(std::prev(recents_.end()));
    auto it = recents_.end();
    while (octetsEnAvant_ > budget_ / PartEnAvant && it != recents_.begin()) {
        --it;
        if (it == recents_.begin()) break;
        if (!it->enAvant) continue;
        const auto avant = std::prev(it);
        Retirer(it);
        it = std::next(avant);
    }
}
