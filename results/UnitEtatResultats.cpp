#include "results/UnitEtatResultats.h"

#include "core/UnitFormatReel.h"
#include "resources/UnitChainesRessources.h"

QString TexteLissage(const TResultatsSeries& r)
{
    switch (r.Lissage) {
    case TLissage::Aucun: return Chaines::Texte("LissageAucun");
    case TLissage::Polynome: return Chaines::Texte("LissagePolynome");
    case TLissage::Local: return Chaines::Texte("LissageLocal").arg(r.FenetreLocale);
    case TLissage::Mixte: return Chaines::Texte("LissageMixte").arg(r.FenetreLocale);
    }
    return {};
}

QString TexteEtatResultats(const TResultatsSeries& r, double T, QChar sep)
{
    const QString separation = QStringLiteral(" · ");
    return TexteLissage(r) + separation + Chaines::Texte("EtatPasDeTemps").arg(FormatGeneral(T, 3, sep)) + separation +
        Chaines::Texte(r.TempsDesImages ? "EtatTempsImages" : "EtatTempsConsecutifs");
}
