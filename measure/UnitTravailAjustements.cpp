#include "measure/UnitTravailAjustements.h"

#include "core/UnitFormatReel.h"
#include "measure/UnitTravail.h"

#include <algorithm>

namespace {

// More fits than any measurement keeps: a read error.
constexpr int AjustementsMax = 1000;

// A name or a formula is one line: a line break typed into it would end it.
QString UneLigne(const std::string& texte)
{
    return QString::fromStdString(texte)
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// The lines both blocks give a fit: the model, then `nom` (the quantity and,
// for a point's series, the point), the range, the known length's uncertainty
// and the formula.
void EcrireAjustement(QStringList& l, const TDemandeAjustement& d, const QStringList& nom)
{
    l << QString::fromLatin1(NomModele(d.Modele)) << nom << QString::number(d.Debut) << QString::number(d.Fin)
      << FormaterReel(d.IncertitudeLongueur, QLatin1Char('.')) << UneLigne(d.Expression);
}

// Reads what EcrireAjustement wrote, `nom` being read by `lireNom`; false
// when a line is missing or unsound.
template <class LireNom>
bool LireAjustement(const QStringList& lignes, qsizetype& pos, TDemandeAjustement& d, LireNom lireNom)
{
    const auto modele = ModeleNomme(lignes[pos++].toStdString());
    if (!modele || !lireNom(lignes, pos, d)) return false;
    const auto debut = LireEntier(lignes[pos++]);
    const auto fin = LireEntier(lignes[pos++]);
    const auto longueur = LireReel(lignes[pos++]);
    d.Expression = lignes[pos++].toStdString();
    if (!debut || *debut < 0 || !fin || *fin < *debut || !longueur || *longueur < 0.0 || *longueur > 1.0) return false;
    d.Modele = *modele;
    d.Debut = *debut;
    d.Fin = *fin;
    d.IncertitudeLongueur = *longueur;
    return true;
}

// A block: its count, then `parAjustement` lines a fit read by `lireNom`;
// the fits read are added to the measurement's.
template <class LireNom>
bool LireBloc(const QStringList& lignes, qsizetype& pos, Travail& t, qsizetype parAjustement, LireNom lireNom)
{
    if (pos >= lignes.size()) return false;
    const auto compte = LireEntier(lignes[pos++]);
    if (!compte || *compte < 0 || *compte > AjustementsMax || lignes.size() - pos < *compte * parAjustement)
        return false;
    std::vector<TDemandeAjustement> ajustements;
    for (int k = 0; k < *compte; ++k) {
        TDemandeAjustement d;
        if (!LireAjustement(lignes, pos, d, lireNom)) return false;
        ajustements.push_back(std::move(d));
    }
    std::vector<TDemandeAjustement>& gardes = t.Mesure.Ajustements;
    gardes.insert(gardes.end(), std::make_move_iterator(ajustements.begin()),
                  std::make_move_iterator(ajustements.end()));
    return true;
}

} // namespace

void EcrireAjustementsTravail(QStringList& l, const Travail& t)
{
    const std::vector<TDemandeAjustement>& a = t.Mesure.Ajustements;
    const auto n = std::count_if(a.begin(), a.end(), [](const TDemandeAjustement& d) { return d.Quantite.empty(); });
    if (n == 0) return;
    l << QStringLiteral("Fits") << QString::number(n);
    for (const TDemandeAjustement& d : a)
        if (d.Quantite.empty())
            EcrireAjustement(l, d, {QString::fromLatin1(NomGrandeur(d.Grandeur)), QString::number(d.Point)});
}

void EcrireAjustementsQuantitesTravail(QStringList& l, const Travail& t)
{
    const std::vector<TDemandeAjustement>& a = t.Mesure.Ajustements;
    const auto n = std::count_if(a.begin(), a.end(), [](const TDemandeAjustement& d) { return !d.Quantite.empty(); });
    if (n == 0) return;
    l << QStringLiteral("QuantityFits") << QString::number(n);
    for (const TDemandeAjustement& d : a)
        if (!d.Quantite.empty()) EcrireAjustement(l, d, {UneLigne(d.Quantite)});
}

bool LireAjustementsTravail(const QStringList& lignes, qsizetype& pos, Travail& t)
{
    return LireBloc(lignes, pos, t, 7, [](const QStringList& l, qsizetype& p, TDemandeAjustement& d) {
        const auto grandeur = GrandeurNommee(l[p++].toStdString());
        const auto point = LireEntier(l[p++]);
        if (!grandeur || !point || *point < 0 || *point > 2) return false;
        d.Grandeur = *grandeur;
        d.Point = *point;
        return true;
    });
}

bool LireAjustementsQuantitesTravail(const QStringList& lignes, qsizetype& pos, Travail& t)
{
    return LireBloc(lignes, pos, t, 6, [](const QStringList& l, qsizetype& p, TDemandeAjustement& d) {
        d.Quantite = l[p++].trimmed().toStdString();
        return !d.Quantite.empty();
    });
}
