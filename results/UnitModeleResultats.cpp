#include "results/UnitModeleResultats.h"

#include "kinematics/UnitIncertitudeEchelle.h"

TModeleResultats::TModeleResultats() : series_(pas_) {}

CodeResultat TModeleResultats::CalculerResultats(const TEntreesSeries& mesure, bool afficherVitesse,
                                                 bool afficherAcceleration)
{
    const CodeResultat code = series_.CalculerResultats(mesure, afficherVitesse, afficherAcceleration);
    if (code != CodeEtalonNul) {
        entrees_ = mesure;
        entrees_.TempsImage = nullptr; // it reads a frame source that may not outlive the call
        RemplirTableau();
    }
    return code;
}

void TModeleResultats::PoserGrandeurs(const TGrandeursMesure& g)
{
    grandeurs_ = g;
    RemplirTableau();
}

std::optional<TSerieGrandeur> TModeleResultats::SerieNommee(std::string_view nom, std::string* unite) const
{
    return ::SerieNommee(nom, Series(), grandeurs_, unite);
}

TResultatAjustement TModeleResultats::Ajuster(TDemandeAjustement d) const
{
    if (d.Quantite.empty()) {
        d.EchelleRelative = IncertitudeRelativeEchelle(entrees_, d.IncertitudeLongueur);
        return ::Ajuster(Series(), d);
    }
    if (const auto serie = SerieNommee(d.Quantite)) return AjusterSerie(*serie, d);
    TResultatAjustement refus;
    refus.Demande = d;
    refus.Refus = TRefusAjustement::PointAbsent;
    return refus;
}

void TModeleResultats::RemplirTableau()
{
    tableau_.RemplirTableau(Series());
    // A quantity the series do not allow (no velocities, a point missing)
    // has no column.
    definies_.clear();
    std::vector<TColonneGrandeur> colonnes;
    for (const TGrandeurDefinie& d : GrandeursDefinies(Series(), grandeurs_)) {
        const std::optional<Expression> e = CompilerFormule(d.Formule);
        std::optional<TSerieGrandeur> s = e ? EvaluerFormule(*e, Series(), grandeurs_) : std::nullopt;
        if (!s) continue;
        definies_.push_back(d);
        colonnes.push_back({QString::fromStdString(d.Nom), QString::fromStdString(d.Unite), d.Point, std::move(*s)});
    }
    tableau_.PoserGrandeurs(std::move(colonnes));
}

CodeResultat TModeleResultats::ChangerPasDeTemps(double T)
{
    pas_.TChoisi = T;
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
    RemplirTableau();
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
