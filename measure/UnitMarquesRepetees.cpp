#include "measure/UnitMarquesRepetees.h"

#include "kinematics/UnitBaseTemps.h"

#include <algorithm>

std::vector<bool> MarquesRepetees(const EtatMesure& m, const FaitsVideo& video)
{
    std::vector<bool> repetees(m.Marques.size(), false);
    if (m.ImagesMarques.size() != m.Marques.size()) return repetees;
    const std::vector<int> images = ImagesDesMarques(m.ImagesMarques, m.MarquesParImage, m.MarquesDerniereImage);
    const std::size_t points = std::size_t(std::max(1, m.MarquesParImage));
    auto temps = [&](int image) { return video.TempsImage ? video.TempsImage(image) : image * video.FrameTime; };
    for (std::size_t k = 0; k < images.size(); ++k) {
        const bool copie = video.ImageRepetee && video.ImageRepetee(images[k]);
        const bool memeTemps = k >= points && temps(images[k]) == temps(images[k - points]);
        repetees[k] = copie || memeTemps;
    }
    return repetees;
}
