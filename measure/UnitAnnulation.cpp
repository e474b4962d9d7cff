#include "measure/UnitAnnulation.h"

#include <algorithm>

namespace {

// Every simple field of the state, once.
template <typename F>
void ChampsSimples(F&& f)
{
    f(&EtatMesure::Outil);
    f(&EtatMesure::MarquesParImage);
    f(&EtatMesure::MarquesDerniereImage);
    f(&EtatMesure::EtatTransparent);
    f(&EtatMesure::MarquesTspDerniereImage);
    f(&EtatMesure::CentreTsp);
    f(&EtatMesure::DemiTailleTsp);
    f(&EtatMesure::DecalageTsp);
    f(&EtatMesure::EtatEtalon);
    f(&EtatMesure::PointsEtalon);
    f(&EtatMesure::LongueurEtalon);
    f(&EtatMesure::OriginePlacee);
    f(&EtatMesure::Origine);
    f(&EtatMesure::AxeVersLeBas);
    f(&EtatMesure::AngleAxes);
    f(&EtatMesure::Plan);
    f(&EtatMesure::DessinMarques);
    f(&EtatMesure::CacherImage);
    f(&EtatMesure::Couleur);
    f(&EtatMesure::CouleurCurseur);
}

EtatMesure SansListes(const EtatMesure& e)
{
    EtatMesure s;
    ChampsSimples([&](auto champ) { s.*champ = e.*champ; });
    s.CentresTsp.clear();
    return s;
}

} // namespace

template <typename T>
ChangementMesure::Fin<T> ChangementMesure::Difference(const std::vector<T>& avant, const std::vector<T>& apres)
{
    const auto [a, b] = std::mismatch(avant.begin(), avant.end(), apres.begin(), apres.end());
    Fin<T> fin;
    fin.Commun = std::size_t(a - avant.begin());
    fin.Avant.assign(a, avant.end());
    fin.Apres.assign(b, apres.end());
    return fin;
}

template <typename T>
void ChangementMesure::Poser(std::vector<T>& liste, const Fin<T>& fin, bool avant)
{
    liste.resize(std::min(liste.size(), fin.Commun));
    const std::vector<T>& suite = avant ? fin.Avant : fin.Apres;
    liste.insert(liste.end(), suite.begin(), suite.end());
}

ChangementMesure::ChangementMesure(const EtatMesure& avant, const EtatMesure& apres)
    : avant_(SansListes(avant)), apres_(SansListes(apres)), marques_(Difference(avant.Marques, apres.Marques)),
      marquesTsp_(Difference(avant.MarquesTsp, apres.MarquesTsp)),
      centresTsp_(Difference(avant.CentresTsp, apres.CentresTsp)),
      imagesMarques_(Difference(avant.ImagesMarques, apres.ImagesMarques)),
      imagesMarquesTsp_(Difference(avant.ImagesMarquesTsp, apres.ImagesMarquesTsp)),
      originesMarques_(Difference(avant.OriginesMarques, apres.OriginesMarques))
{
    bool memes = avant_ == apres_;
    const auto sansChangement = [](const auto& fin) { return fin.Avant.empty() && fin.Apres.empty(); };
    memes = memes && sansChangement(marques_) && sansChangement(marquesTsp_) && sansChangement(centresTsp_) &&
        sansChangement(imagesMarques_) && sansChangement(imagesMarquesTsp_) && sansChangement(originesMarques_);
    vide_ = memes;
}

void ChangementMesure::Appliquer(EtatMesure& e, bool versAvant) const
{
    const EtatMesure& cible = versAvant ? avant_ : apres_;
    // Only what the action changed: other fields keep their present values.
    ChampsSimples([&](auto champ) {
        if (avant_.*champ != apres_.*champ) e.*champ = cible.*champ;
    });
    Poser(e.Marques, marques_, versAvant);
    Poser(e.MarquesTsp, marquesTsp_, versAvant);
    Poser(e.CentresTsp, centresTsp_, versAvant);
    Poser(e.ImagesMarques, imagesMarques_, versAvant);
    Poser(e.ImagesMarquesTsp, imagesMarquesTsp_, versAvant);
    Poser(e.OriginesMarques, originesMarques_, versAvant);
}

void ChangementMesure::Defaire(EtatMesure& e) const
{
    Appliquer(e, true);
}
void ChangementMesure::Refaire(EtatMesure& e) const
{
    Appliquer(e, false);
}

std::size_t ChangementMesure::Octets() const
{
    const auto fin = [](const auto& f) {
        using T = typename std::decay_t<decltype(f.Avant)>::value_type;
        return (f.Avant.capacity() + f.Apres.capacity()) * sizeof(T);
    };
    return sizeof(*this) + fin(marques_) + fin(marquesTsp_) + fin(centresTsp_) + fin(imagesMarques_) +
        fin(imagesMarquesTsp_) + fin(originesMarques_);
}

void HistoriqueMesure::Enregistrer(const EtatMesure& avant, const EtatMesure& apres, int imageAvant, int imageApres,
                                   ActionMesure a)
{
    ChangementMesure changement(avant, apres);
    if (changement.Vide()) return;
    etapes_.erase(etapes_.begin() + std::ptrdiff_t(courant_), etapes_.end());
    etapes_.push_back({std::move(changement), imageAvant, imageApres, a});
    courant_ = etapes_.size();
}

int HistoriqueMesure::Annuler(EtatMesure& e)
{
    const Etape& etape = etapes_[--courant_];
    etape.Changement.Defaire(e);
    return etape.ImageAvant;
}

int HistoriqueMesure::Refaire(EtatMesure& e)
{
    const Etape& etape = etapes_[courant_++];
    etape.Changement.Refaire(e);
    return etape.ImageApres;
}

void HistoriqueMesure::Vider()
{
    etapes_.clear();
    courant_ = 0;
}

std::size_t HistoriqueMesure::Octets() const
{
    std::size_t octets = etapes_.capacity() * sizeof(Etape);
    for (const Etape& e : etapes_) octets += e.Changement.Octets() - sizeof(ChangementMesure);
    return octets;
}
