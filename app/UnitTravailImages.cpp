#include "app/UnitTravailImages.h"

#include "app/UnitTravail.h"

#include <algorithm>

namespace {

const QString Entete = QStringLiteral("Images");

// Frames not negative and never decreasing for each of `points` moving points.
bool Ordonnees(const std::vector<int>& images, int points)
{
    for (std::size_t k = 0; k < images.size(); ++k) {
        if (images[k] < 0) return false;
        if (k >= std::size_t(points) && images[k] < images[k - std::size_t(points)]) return false;
    }
    return true;
}

int Points(const Travail& t)
{
    return t.MarquesParImage >= 1 && t.MarquesParImage <= 3 ? t.MarquesParImage : 1;
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
    const bool connues = t.ImagesDesMarques.size() == t.Marques.size()
                      && t.ImagesDesMarquesTsp.size() == t.MarquesTsp.size();
    if (!connues || (t.Marques.empty() && t.MarquesTsp.empty())) return;
    if (!Ordonnees(t.ImagesDesMarques, Points(t)) || !Ordonnees(t.ImagesDesMarquesTsp, 1)) return;
    l << Entete << QString::number(t.ImagesDesMarques.size());
    for (int f : t.ImagesDesMarques) l << QString::number(f);
    l << QString::number(t.ImagesDesMarquesTsp.size());
    for (int f : t.ImagesDesMarquesTsp) l << QString::number(f);
}

bool LireImagesTravail(const QStringList& lignes, qsizetype pos, Travail& t)
{
    t.ImagesDesMarques.clear();
    t.ImagesDesMarquesTsp.clear();
    if (pos >= lignes.size() || lignes[pos] != Entete) return true;
    ++pos;
    std::vector<int> images, imagesTsp;
    if (!LireImages(lignes, pos, t.Marques.size(), images) || !LireImages(lignes, pos, t.MarquesTsp.size(), imagesTsp))
        return false;
    if (!Ordonnees(images, Points(t)) || !Ordonnees(imagesTsp, 1)) return false;
    t.ImagesDesMarques = std::move(images);
    t.ImagesDesMarquesTsp = std::move(imagesTsp);
    return true;
}

bool ImagesTravailDansLaVideo(const Travail& t, int nombreImages)
{
    const auto dedans = [&](int f) { return f < nombreImages; };
    return std::all_of(t.ImagesDesMarques.begin(), t.ImagesDesMarques.end(), dedans)
        && std::all_of(t.ImagesDesMarquesTsp.begin(), t.ImagesDesMarquesTsp.end(), dedans);
}
