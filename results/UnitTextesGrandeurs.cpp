#include "results/UnitTextesGrandeurs.h"

#include "core/UnitFormatReel.h"
#include "resources/UnitChainesRessources.h"

QString TexteRefusGrandeur(const TRefusGrandeur& r, const TGrandeurPropre& q)
{
    using G = TRefusGrandeur::Genre;
    const QString element = QString::fromStdString(r.Element);
    switch (r.Type) {
    case G::Trop: return Chaines::Texte("RefusGrandeurTrop").arg(TGrandeursMesure::PropresMax);
    case G::Nom: return Chaines::Texte("RefusGrandeurNom");
    case G::NomPris: return Chaines::Texte("RefusGrandeurNomPris").arg(QString::fromStdString(q.Nom));
    case G::Unite: return Chaines::Texte("RefusGrandeurUnite");
    case G::Syntaxe: return Chaines::Texte("RefusGrandeurSyntaxe").arg(r.Position + 1);
    case G::NomInconnu: return Chaines::Texte("RefusGrandeurNomInconnu").arg(r.Position + 1).arg(element);
    case G::SerieAbsente: return Chaines::Texte("RefusGrandeurSerie").arg(r.Position + 1).arg(element);
    case G::NonFini:
        return Chaines::Texte("RefusGrandeurNonFini").arg(r.Echantillon + 1).arg(FormatGeneral(r.Temps, 6));
    }
    return {};
}

QStringList LignesGrandeurIllisible(const std::string& nom, const TRefusGrandeur& r)
{
    const QString n = QString::fromStdString(nom);
    return {Chaines::Texte("MsgGrandeurIllisible").arg(n), TexteRefusGrandeur(r, {nom, {}, {}}),
            Chaines::Texte("MsgGrandeursNonChargees")};
}
