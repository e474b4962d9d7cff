#include "kinematics/UnitBaseTemps.h"

#include <algorithm>

namespace {

// Whether mark k of n moved the view on: it completed its frame, and was not
// among the marks placed on the last frame.
bool AAvance(int k, int n, int marquesParImage, int marquesDerniereImage)
{
    const int N = std::max(marquesParImage, 1);
    return k % N == N - 1 && k < n - marquesDerniereImage;
}

} // namespace

std::vector<int> ImagesDesMarques(std::span<const int> imagesApres, int marquesParImage, int marquesDerniereImage)
{
    std::vector<int> images(imagesApres.begin(), imagesApres.end());
    const int n = int(images.size());
    for (int k = 0; k < n; ++k)
        if (AAvance(k, n, marquesParImage, marquesDerniereImage)) --images[k];
    return images;
}

std::vector<int> ImagesApresMarques(std::span<const int> images, int marquesParImage, int marquesDerniereImage)
{
    std::vector<int> apres(images.begin(), images.end());
    const int n = int(apres.size());
    for (int k = 0; k < n; ++k)
        if (AAvance(k, n, marquesParImage, marquesDerniereImage)) ++apres[k];
    return apres;
}

std::vector<std::vector<double>> PasDesEchantillons(std::span<const int> images, int points,
                                                    const TTempsImage& tempsImage, double frameTime,
                                                    const std::function<bool(std::size_t)>& repetee)
{
    if (images.empty() || points < 1) return {};
    const int premiere = *std::min_element(images.begin(), images.end());
    const double tempsPremiere = tempsImage ? tempsImage(premiere) : 0.0;
    std::vector<std::vector<double>> pas(static_cast<std::size_t>(points));
    for (std::size_t k = 0; k < images.size(); ++k) {
        auto& serie = pas[k % std::size_t(points)];
        const int f = images[k];
        const double v = tempsImage ? (tempsImage(f) - tempsPremiere) / frameTime : double(f - premiere);
        // Only a strictly later time gives a sample a place of its own, or
        // the same time to one that takes no part in the derivatives.
        const bool meme = repetee && repetee(k) && !serie.empty() && v == serie.back();
        if (!serie.empty() && !(v > serie.back()) && !meme) return {};
        serie.push_back(v);
    }
    return pas;
}
