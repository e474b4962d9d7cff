#include "measure/UnitTravailGrandeurs.h"

#include "kinematics/UnitRefusGrandeur.h"
#include "measure/UnitTravail.h"

#include <cmath>

namespace {

// The reals of these blocks are written with "."; either separator reads.
QString reel(double x)
{
    return FormaterReel(x, u'.');
}

std::optional<double> lireReel(const QStringList& lignes, qsizetype& pos)
{
    if (pos >= lignes.size()) return std::nullopt;
    return LireReel(lignes[pos++]);
}

} // namespace

void EcrireMassesTravail(QStringList& l, const Travail& t)
{
    const TGrandeursMesure& g = t.Mesure.Grandeurs;
    const int points = t.Mesure.MarquesParImage;
    bool utile = g.g != TGrandeursMesure::GDefaut;
    for (int p = 0; p < points; ++p) utile = utile || g.Masses[std::size_t(p)] != 0.0;
    if (!utile) return;
    l << QStringLiteral("Masses") << reel(g.g);
    for (int p = 0; p < points; ++p) l << reel(g.Masses[std::size_t(p)]);
}

void EcrireQuantitesTravail(QStringList& l, const Travail& t)
{
    const std::vector<TGrandeurPropre>& propres = t.Mesure.Grandeurs.Propres;
    if (propres.empty()) return;
    l << QStringLiteral("Quantities") << QString::number(propres.size());
    for (const TGrandeurPropre& q : propres)
        l << QString::fromStdString(q.Nom) << QString::fromStdString(q.Unite) << QString::fromStdString(q.Formule);
}

bool LireMassesTravail(const QStringList& lignes, qsizetype& pos, Travail& t)
{
    TGrandeursMesure& g = t.Mesure.Grandeurs;
    const auto valeurG = lireReel(lignes, pos);
    if (!valeurG || !(*valeurG > 0.0)) return false;
    g.g = *valeurG;
    for (int p = 0; p < t.Mesure.MarquesParImage; ++p) {
        const auto m = lireReel(lignes, pos);
        if (!m || *m < 0.0) return false;
        g.Masses[std::size_t(p)] = *m;
    }
    return true;
}

bool LireQuantitesTravail(const QStringList& lignes, qsizetype& pos, Travail& t)
{
    if (pos >= lignes.size()) return false;
    const auto compte = LireEntier(lignes[pos++]);
    if (!compte || *compte < 0 || *compte > TGrandeursMesure::PropresMax || lignes.size() - pos < 3 * *compte)
        return false;
    TGrandeursMesure lues = t.Mesure.Grandeurs;
    lues.Propres.clear();
    for (int i = 0; i < *compte; ++i, pos += 3) {
        const TGrandeurPropre q{lignes[pos].toStdString(), lignes[pos + 1].toStdString(),
                                lignes[pos + 2].toStdString()};
        if (const auto refus = RefuserGrandeur(q, lues, i, nullptr)) {
            // The rest of the work stays; the quantities are dropped, and said so.
            t.QuantiteIllisible = TQuantiteIllisible{q.Nom, *refus};
            pos += 3 * (*compte - i);
            return true;
        }
        lues.Propres.push_back(q);
    }
    t.Mesure.Grandeurs.Propres = std::move(lues.Propres);
    return true;
}
