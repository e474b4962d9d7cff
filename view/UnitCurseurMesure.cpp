#include "view/UnitCurseurMesure.h"

#include "measure/UnitMesure.h"
#include "resources/UnitCurseurs.h"

namespace {

using namespace Curseurs;

// Rows follow TFamilleCurseur; columns black, white, black and white.
constexpr int ParFamille[6][3] = {
    {MarqueNoir, MarqueBlanc, MarqueNB},    {Marque1Noir, Marque1Blanc, Marque1NB},
    {Marque2Noir, Marque2Blanc, Marque2NB}, {Marque3Noir, Marque3Blanc, Marque3NB},
    {EtalonNoir, EtalonBlanc, EtalonNB},    {OrigineNoir, OrigineBlanc, OrigineNB},
};

int Colonne(TCouleurCurseur c)
{
    switch (c) {
    case TCouleurCurseur::Noir: return 0;
    case TCouleurCurseur::Blanc: return 1;
    case TCouleurCurseur::NoirEtBlanc: return 2;
    case TCouleurCurseur::Aucune: break;
    }
    return -1;
}

} // namespace

int CurseurMesure(const EtatMesure& m)
{
    if (const std::optional<TEtatTransparent> geste = GesteTransparent(m))
        return *geste == TEtatTransparent::Saisir ? ClickGauche : Pan;
    const int colonne = Colonne(m.CouleurCurseur);
    return colonne < 0 ? 0 : ParFamille[int(FamilleCurseur(m))][colonne];
}
