#include "measure/UnitTravailAjustements.h"

#include "core/UnitFormatReel.h"
#include "measure/UnitTravail.h"

namespace {

constexpr qsizetype LignesParAjustement = 7;
// More fits than any measurement keeps: a read error.
constexpr int AjustementsMax = 1000;

} // namespace

void EcrireAjustementsTravail(QStringList& l, const Travail& t)
{
    const std::vector<TDemandeAjustement>& a = t.Mesure.Ajustements;
    if (a.empty()) return;
    l << QStringLiteral("Fits") << QString::number(a.size());
    for (const TDemandeAjustement& d : a) {
        // A formula is one line: a line break typed into it would end it.
        QString formule = QString::fromStdString(d.Expression);
        formule.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        l << QString::fromLatin1(NomModele(d.Modele)) << QString::fromLatin1(NomGrandeur(d.Grandeur))
          << QString::number(d.Point) << QString::number(d.Debut) << QString::number(d.Fin)
          << FormaterReel(d.IncertitudeLongueur, QLatin1Char('.')) << formule;
    }
}

bool LireAjustementsTravail(const QStringList& lignes, qsizetype& pos, Travail& t)
{
    if (pos >= lignes.size()) return false;
    const auto compte = LireEntier(lignes[pos++]);
    if (!compte || *compte < 0 || *compte > AjustementsMax || lignes.size() - pos < *compte * LignesParAjustement)
        return false;
    std::vector<TDemandeAjustement> ajustements;
    for (int k = 0; k < *compte; ++k) {
        TDemandeAjustement d;
        const auto modele = ModeleNomme(lignes[pos++].toStdString());
        const auto grandeur = GrandeurNommee(lignes[pos++].toStdString());
        const auto point = LireEntier(lignes[pos++]);
        const auto debut = LireEntier(lignes[pos++]);
        const auto fin = LireEntier(lignes[pos++]);
        const auto longueur = LireReel(lignes[pos++]);
        d.Expression = lignes[pos++].toStdString();
        if (!modele || !grandeur || !point || *point < 0 || *point > 2 || !debut || *debut < 0 || !fin ||
            *fin < *debut || !longueur || *longueur < 0.0 || *longueur > 1.0)
            return false;
        d.Modele = *modele;
        d.Grandeur = *grandeur;
        d.Point = *point;
        d.Debut = *debut;
        d.Fin = *fin;
        d.IncertitudeLongueur = *longueur;
        ajustements.push_back(std::move(d));
    }
    t.Mesure.Ajustements = std::move(ajustements);
    return true;
}
