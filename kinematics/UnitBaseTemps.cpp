#include "kinematics/UnitBaseTemps.h"

#include <algorithm>

std::vector<int> ImagesDesMarques(std::span<const int> imagesApres, int marquesParImage, int marquesDerniereImage,
                                  int nombreImages)
{
    const int n = int(imagesApres.size());
    const int N = std::max(marquesParImage, 1);
    std::vector<int> images(imagesApres.begin(), imagesApres.end());
    for (int k = 0; k < n; ++k) {
        if (k % N != N - 1) continue; // the view stayed on the mark's frame
        const bool surDerniere = images[k] == nombreImages - 1 && k >= n - marquesDerniereImage;
        if (!surDerniere) --images[k];
    }
    return images;
}

std::vector<int> ImagesApresMarques(std::span<const int> images, int marquesParImage, int nombreImages)
{
    const int N = std::max(marquesParImage, 1);
    std::vector<int> apres(images.begin(), images.end());
    for (std::size_t k = 0; k < apres.size(); ++k)
        if (int(k) % N == N - 1) apres[k] = std::min(apres[k] + 1, nombreImages - 1);
    return apres;
}

std::vector<std::vector<double>> PasDesEchantillons(std::span<const int> images, int points,
                                                    const TTempsImage& tempsImage, double frameTime)
{
    if (images.empty() || points < 1) return {};
    const int premiere = *std::min_element(images.begin(), images.end());
    const double tempsPremiere = tempsImage ? tempsImage(premiere) : 0.0;
    std::vector<std::vector<double>> pas(static_cast<std::size_t>(points));
    for (std::size_t k = 0; k < images.size(); ++k) {
        auto& serie = pas[k % std::size_t(points)];
        const int f = images[k];
        const double v = tempsImage ? (tempsImage(f) - tempsPremiere) / frameTime : double(f - premiere);
        // Only a strictly later time gives a sample a place of its own.
        if (!serie.empty() && !(v > serie.back())) return {};
        serie.push_back(v);
    }
    return pas;
}
