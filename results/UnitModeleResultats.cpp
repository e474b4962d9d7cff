#include "results/UnitModeleResultats.h"

TModeleResultats::TModeleResultats(TPasDeTemps& pas) : pas_(pas), series_(pas) {}

CodeResultat TModeleResultats::CalculerResultats(const TEntreesSeries& mesure, bool afficherVitesse,
                                                 bool afficherAcceleration)
{
    const CodeResultat code = series_.CalculerResultats(mesure, afficherVitesse, afficherAcceleration);
    if (code != CodeEtalonNul) {
        entrees_ = mesure;
        entrees_.TempsImage = nullptr; // it reads a frame source that may not outlive the call
        tableau_.RemplirTableau(Series());
    }
    return code;
}

CodeResultat TModeleResultats::ChangerPasDeTemps(double T)
{
    pas_.TChoisi = T; // the dialog has already set it; the command line has not
    return Rafraichir(series_.ChangerPasDeTemps(T));
}

CodeResultat TModeleResultats::BasculerLissage()
{
    return Rafraichir(series_.BasculerLissage());
}

CodeResultat TModeleResultats::Rafraichir(CodeResultat code)
{
    if (code != CodeSucces) return code;
    // Whatever view is shown, so that the table never shows older numbers
    // than the graphs.
    code = series_.Repartir();
    tableau_.RemplirTableau(Series());
    return code;
}

bool TModeleResultats::MontrerVitesses(bool montrer)
{
    tableau_.MontrerGroupe(GroupeColonne::Vitesse, montrer && Series().AfficherVitesse);
    return tableau_.GroupeMontre(GroupeColonne::Vitesse);
}

bool TModeleResultats::MontrerAccelerations(bool montrer)
{
    tableau_.MontrerGroupe(GroupeColonne::Acceleration, montrer && Series().AfficherAcceleration);
    return tableau_.GroupeMontre(GroupeColonne::Acceleration);
}
