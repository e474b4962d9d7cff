#include "measure/UnitTravailOrigines.h"

#include "core/UnitFormatReel.h"
#include "measure/UnitTravail.h"

#include <algorithm>
#include <cmath>

namespace {

enum Code { Clic = 0, Suivie = 1, SuivieDouteuse = 2 };

std::optional<int> Entier(const QStringList& lignes, qsizetype& pos)
{
    if (pos >= lignes.size()) return std::nullopt;
    return LireEntier(lignes[pos++]);
}

} // namespace

void EcrireOriginesTravail(QStringList& l, const Travail& t)
{
    const EtatMesure& m = t.Mesure;
    const int n = m.NombreDePoints();
    bool suivie = false;
    for (int k = 0; k < n; ++k) suivie = suivie || m.OrigineDeMarque(k).Suivie;
    if (!suivie) return;
    l << QStringLiteral("Origines") << QString::number(n);
    for (int k = 0; k < n; ++k) {
        const OrigineMarque o = m.OrigineDeMarque(k);
        l << QString::number(!o.Suivie ? Clic : o.Doute ? SuivieDouteuse : Suivie);
        l << QString::number(std::lround(std::clamp(o.Score, -1.0, 1.0) * 1000));
    }
}

bool LireOriginesTravail(const QStringList& lignes, qsizetype& pos, Travail& t)
{
    EtatMesure& m = t.Mesure;
    const auto compte = Entier(lignes, pos);
    if (!compte || *compte != m.NombreDePoints()) return false;
    std::vector<OrigineMarque> origines(static_cast<std::size_t>(*compte));
    for (OrigineMarque& o : origines) {
        const auto code = Entier(lignes, pos);
        const auto score = Entier(lignes, pos);
        if (!code || *code < Clic || *code > SuivieDouteuse || !score || *score < -1000 || *score > 1000) return false;
        o = {*code != Clic, *score / 1000.0, *code == SuivieDouteuse};
    }
    m.OriginesMarques = std::move(origines);
    return true;
}
