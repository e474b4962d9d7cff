#include "measure/UnitTravailImages.h"

#include "measure/UnitTravail.h"
#include "kinematics/UnitBaseTemps.h"

#include <algorithm>

namespace {

// Frames not negative and never decreasing for each of `points` moving points.
bool Ordonnees(const std::vector<int>& images, int points)
{
    for (std::size_t k = 0; k < images.size(); ++k) {
        if (images[k] < 0) return false;
        if (k >= std::size_t(points) && images[k] < images[k - std::size_t(points)]) return false;
    }
    return true;
}

bool LireImages(const QStringList& lignes, qsizetype& pos, std::size_t attendues, std::vector<int>& images)
{
    if (pos >= lignes.size()) return false;
    const auto compte = LireEntier(lignes[pos++]);
    if (!compte || *compte < 0 || std::size_t(*compte) != attendues || lignes.size() - pos < *compte) return false;
    images.assign(std::size_t(*compte), 0);
    for (int& f : images) {
        const auto v = LireEntier(lignes[pos++]);
        if (!v) return false;
        f = *v;
    }
    return true;
}

} // namespace

void EcrireImagesTravail(QStringList& l, const Travail& t)
{
    const EtatMesure& m = t.Mesure;
    const bool connues = m.ImagesMarques.size() == m.Marques.size() && m.ImagesMarquesTsp.size() == m.MarquesTsp.size();
    if (!connues || (m.Marques.empty() && m.MarquesTsp.empty())) return;
    const std::vector<int> images = ImagesDesMarques(m.ImagesMarques, m.MarquesParImage, m.MarquesDerniereImage);
    if (!Ordonnees(images, m.MarquesParImage) || !Ordonnees(m.ImagesMarquesTsp, 1)) return;
    l << QStringLiteral("Images") << QString::number(images.size());
    for (int f : images) l << QString::number(f);
    l << QString::number(m.ImagesMarquesTsp.size());
    for (int f : m.ImagesMarquesTsp) l << QString::number(f);
}

bool LireImagesTravail(const QStringList& lignes, qsizetype& pos, Travail& t)
{
    EtatMesure& m = t.Mesure;
    std::vector<int> images, imagesTsp;
    if (!LireImages(lignes, pos, m.Marques.size(), images) || !LireImages(lignes, pos, m.MarquesTsp.size(), imagesTsp))
        return false;
    if (!Ordonnees(images, m.MarquesParImage) || !Ordonnees(imagesTsp, 1)) return false;
    // The measurement keeps the frame shown just after each mark.
    m.ImagesMarques = ImagesApresMarques(images, m.MarquesParImage, m.MarquesDerniereImage);
    m.ImagesMarquesTsp = std::move(imagesTsp);
    return true;
}

bool ImagesTravailDansLaVideo(const Travail& t, int nombreImages)
{
    const auto dedans = [&](int f) { return f >= 0 && f < nombreImages; };
    const EtatMesure& m = t.Mesure;
    return std::all_of(m.ImagesMarques.begin(), m.ImagesMarques.end(), dedans) &&
        std::all_of(m.ImagesMarquesTsp.begin(), m.ImagesMarquesTsp.end(), dedans);
}
