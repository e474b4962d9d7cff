// Fits of results series: the models, the honesty of their uncertainties on
// independent and on correlated samples, starting values on noisy
// oscillations, and every refusal.

#include "kinematics/UnitAjustementSeries.h"
#include "kinematics/UnitIncertitudeEchelle.h"
#include "tools/MesuresSynthetiques.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr double G = 9.81;

// The results of a measurement, as the results window computes them.
struct Resultats {
    TPasDeTemps pas;
    TSeries series{pas};
    explicit Resultats(const TEntreesSeries& e, bool lisser = true)
    {
        EXPECT_EQ(series.CalculerResultats(e, true, true), CodeSucces);
        if (!lisser) {
            EXPECT_EQ(series.BasculerLissage(), CodeSucces);
        }
    }
    const TResultatsSeries& r() const { return series.Resultats(); }
};

TMouvementSynthetique Lancer()
{
    TMouvementSynthetique m;
    m.Position = [](double t) { return PointD{1.2 * t - 0.4, 2.5 * t - G * t * t / 2}; };
    return m;
}

// A swing on a spring: damped, off the origin, starting at any phase.
TMouvementSynthetique Oscillation(double periode, double amorti, double phase)
{
    TMouvementSynthetique m;
    m.Images = 120;
    m.Fps = 30;
    m.Position = [=](double t) {
        return PointD{0.05 + 0.2 * std::exp(-amorti * t) * std::sin(2 * std::numbers::pi / periode * t + phase), 0.1};
    };
    return m;
}

TDemandeAjustement Demande(TModele modele, TGrandeurAjustee g)
{
    TDemandeAjustement d;
    d.Modele = modele;
    d.Grandeur = g;
    return d;
}

TResultatsSeries SeriesExactes(std::function<double(double)> f, int n, double pas = 0.04)
{
    TResultatsSeries r;
    r.NbMesures = {n};
    r.SerieTemps.assign(1, std::vector<double>(std::size_t(n)));
    r.SerieX = r.SerieY = r.SerieTemps;
    for (int i = 0; i < n; ++i) {
        r.SerieTemps[0][std::size_t(i)] = i * pas;
        r.SerieX[0][std::size_t(i)] = f(i * pas);
    }
    return r;
}

} // namespace

TEST(Ajustement, EachModelGivesBackTheParametersOfExactData)
{
    struct Cas {
        TModele modele;
        std::function<double(double)> f;
        std::vector<double> p;
        const char* expression = "";
    };
    const std::vector<Cas> cas{
        {TModele::Droite, [](double t) { return 0.3 - 1.5 * t; }, {0.3, -1.5}},
        {TModele::Parabole, [](double t) { return 0.3 + 2 * t - 4.9 * t * t; }, {0.3, 2, -4.9}},
        {TModele::Poly3, [](double t) { return 1 - t + 0.5 * t * t + 0.25 * t * t * t; }, {1, -1, 0.5, 0.25}},
        {TModele::Exp, [](double t) { return 0.8 * std::exp(-1.3 * t) + 0.1; }, {0.8, -1.3, 0.1}},
        {TModele::Sinus, [](double t) { return 0.2 * std::sin(5 * t + 0.4) - 0.1; }, {0.2, 5, 0.4, -0.1}},
        {TModele::SinusAmorti,
         [](double t) { return 0.3 * std::exp(-0.4 * t) * std::sin(7 * t + 1) + 0.05; },
         {0.3, 0.4, 7, 1, 0.05}},
        {TModele::Expression, [](double t) { return 0.7 * t * t + 0.2; }, {0.7, 0.2}, "a*t^2 + c"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(NomModele(c.modele)));
        const TResultatsSeries r = SeriesExactes(c.f, 100);
        TDemandeAjustement d = Demande(c.modele, TGrandeurAjustee::X);
        d.Expression = c.expression;
        const TResultatAjustement a = Ajuster(r, d);
        ASSERT_TRUE(a.Reussi()) << int(a.Refus);
        ASSERT_EQ(a.Parametres.size(), c.p.size());
        for (std::size_t k = 0; k < c.p.size(); ++k) EXPECT_NEAR(a.Parametres[k].Valeur, c.p[k], 1e-6);
        EXPECT_LT(a.Rms, 1e-8);
        EXPECT_EQ(a.N, 100);
        // The drawn curve is the fitted model.
        EXPECT_NEAR(TCourbeAjustee(a)(1.234), c.f(1.234), 1e-6);
    }
}

TEST(Ajustement, DerivedValuesAndTheirNames)
{
    const TResultatsSeries r =
        SeriesExactes([](double t) { return 0.2 * std::sin(2 * std::numbers::pi / 1.3 * t); }, 90);
    const TResultatAjustement s = Ajuster(r, Demande(TModele::Sinus, TGrandeurAjustee::X));
    ASSERT_TRUE(s.Reussi());
    EXPECT_EQ(s.Derivee, TValeurDerivee::Periode);
    EXPECT_NEAR(s.ValeurDerivee.Valeur, 1.3, 1e-7);
    EXPECT_EQ(NomDerivee(s.Derivee), "period");
    const TResultatAjustement e = Ajuster(SeriesExactes([](double t) { return 2 * std::exp(0.7 * t) - 1; }, 50),
                                          Demande(TModele::Exp, TGrandeurAjustee::X));
    ASSERT_TRUE(e.Reussi());
    EXPECT_EQ(e.Derivee, TValeurDerivee::Taux);
    EXPECT_NEAR(e.ValeurDerivee.Valeur, 0.7, 1e-7);
    // A line through a position has nothing a pupil reads directly.
    EXPECT_EQ(Ajuster(r, Demande(TModele::Droite, TGrandeurAjustee::X)).Derivee, TValeurDerivee::Aucune);
    EXPECT_EQ(ModeleNomme("dampedsine"), TModele::SinusAmorti);
    EXPECT_FALSE(ModeleNomme("spline"));
    EXPECT_EQ(GrandeurNommee("vy"), TGrandeurAjustee::VY);
    EXPECT_FALSE(GrandeurNommee("z"));
}

// Over many throws the spread of the fitted g matches the uncertainty the
// fit states, for a parabola through y and for a line through vy, whose
// samples share marks. Without the correlations the line's uncertainty would
// be several times too small; with them both agree.
TEST(Ajustement, UncertaintiesOfIndependentAndCorrelatedSamplesMatchTheirSpread)
{
    for (bool lisser : {true, false}) {
        SCOPED_TRACE(lisser ? "smoothed" : "differences");
        double s2Parabole = 0, s2Droite = 0, u2Parabole = 0, u2Droite = 0;
        const int n = 80;
        for (int k = 0; k < n; ++k) {
            TMouvementSynthetique m = Lancer();
            m.DemiLargeurEtalon = 0; // the scale's part is checked on its own
            const Resultats res(MesureSynthetique(m, std::uint32_t(1000 + k)), lisser);
            const TResultatAjustement p = Ajuster(res.r(), Demande(TModele::Parabole, TGrandeurAjustee::Y));
            const TResultatAjustement d = Ajuster(res.r(), Demande(TModele::Droite, TGrandeurAjustee::VY));
            ASSERT_TRUE(p.Reussi());
            ASSERT_TRUE(d.Reussi());
            s2Parabole += std::pow(p.ValeurDerivee.Valeur + G, 2);
            s2Droite += std::pow(d.ValeurDerivee.Valeur + G, 2);
            u2Parabole += std::pow(p.ValeurDerivee.Incertitude, 2);
            u2Droite += std::pow(d.ValeurDerivee.Incertitude, 2);
        }
        // The ratio of two spreads over 80 throws is known to about 8 %.
        EXPECT_NEAR(std::sqrt(s2Parabole / u2Parabole), 1.0, 0.25);
        EXPECT_NEAR(std::sqrt(s2Droite / u2Droite), 1.0, 0.25);
    }
}

TEST(Ajustement, TheScaleAddsItsRelativePartToLengthsOnly)
{
    TMouvementSynthetique m = Lancer();
    const TEntreesSeries e = MesureSynthetique(m, 7);
    const double r = IncertitudeRelativeEchelle(e, 0.0);
    EXPECT_NEAR(r, std::sqrt(2.0) * (0.5 / std::sqrt(3.0)) / 400, 0.01 * r);
    EXPECT_NEAR(IncertitudeRelativeEchelle(e, 0.02), std::hypot(r, 0.02), 1e-12);
    TEntreesSeries inconnue = e;
    inconnue.VideoWidth = 0;
    EXPECT_EQ(IncertitudeRelativeEchelle(inconnue, 0.003), 0.003);

    const Resultats res(e);
    TDemandeAjustement d = Demande(TModele::Parabole, TGrandeurAjustee::Y);
    const TResultatAjustement sans = Ajuster(res.r(), d);
    d.EchelleRelative = 0.01;
    const TResultatAjustement avec = Ajuster(res.r(), d);
    ASSERT_TRUE(avec.Reussi());
    EXPECT_NEAR(avec.ValeurDerivee.PartEchelle, 0.01 * std::abs(avec.ValeurDerivee.Valeur), 1e-9);
    EXPECT_NEAR(avec.EchelleRelative, 0.01, 1e-9);
    EXPECT_NEAR(std::pow(avec.ValeurDerivee.Incertitude, 2),
                std::pow(sans.ValeurDerivee.Incertitude, 2) + std::pow(avec.ValeurDerivee.PartEchelle, 2), 1e-12);

    // A period is a time: the scale does not reach it.
    const Resultats osc(MesureSynthetique(Oscillation(1.1, 0.3, 0.5), 3));
    TDemandeAjustement o = Demande(TModele::SinusAmorti, TGrandeurAjustee::X);
    o.EchelleRelative = 0.01;
    const TResultatAjustement periode = Ajuster(osc.r(), o);
    ASSERT_TRUE(periode.Reussi());
    EXPECT_LT(periode.EchelleRelative, 1e-9);
    EXPECT_GT(periode.Parametres[0].PartEchelle, 0.009 * std::abs(periode.Parametres[0].Valeur));
}

// Starting values from the data: real-looking oscillations at any phase,
// period and damping converge without guesses.
TEST(Ajustement, DampedSwingsConvergeFromStartingValuesOfTheirOwn)
{
    std::mt19937 g(5);
    std::uniform_real_distribution<double> periode(0.5, 2.0), amorti(0.0, 0.6), phase(-3.1, 3.1);
    for (int k = 0; k < 12; ++k) {
        const double T = periode(g), b = amorti(g), ph = phase(g);
        SCOPED_TRACE(testing::Message() << "T " << T << " b " << b << " phase " << ph);
        TMouvementSynthetique m = Oscillation(T, b, ph);
        m.DemiLargeurBruit = 1.0;
        const Resultats res(MesureSynthetique(m, std::uint32_t(k)));
        const TResultatAjustement a = Ajuster(res.r(), Demande(TModele::SinusAmorti, TGrandeurAjustee::X));
        ASSERT_TRUE(a.Reussi()) << int(a.Refus);
        EXPECT_NEAR(a.ValeurDerivee.Valeur, T, 4 * a.ValeurDerivee.Incertitude);
        EXPECT_LT(a.ValeurDerivee.Incertitude, 0.01 * T);
        if (b < 0.05) {
            const TResultatAjustement s = Ajuster(res.r(), Demande(TModele::Sinus, TGrandeurAjustee::X));
            ASSERT_TRUE(s.Reussi());
            EXPECT_NEAR(s.ValeurDerivee.Valeur, T, 0.02 * T);
        }
    }
}

// An exact flight followed by frames at rest: the range keeps the flight.
TEST(Ajustement, TheRangeLimitsTheFitToItsSamples)
{
    TMouvementSynthetique m = Lancer();
    m.DemiLargeurBruit = m.DemiLargeurEtalon = 0;
    m.Images = 30;
    m.Position = [](double t) {
        const double arret = 0.6;
        const double s = std::min(t, arret);
        return PointD{0.0, 2.0 * s - G * s * s / 2};
    };
    const TEntreesSeries e = MesureSynthetique(m, 1);
    const Resultats res(e);
    const auto plage = PlageDesImages(e.ImagesMarques, 1, 0, 30, 0, 15);
    ASSERT_TRUE(plage);
    EXPECT_EQ(plage->Debut, 0);
    EXPECT_EQ(plage->Fin, 15);
    TDemandeAjustement d = Demande(TModele::Parabole, TGrandeurAjustee::Y);
    d.Debut = plage->Debut;
    d.Fin = plage->Fin;
    const TResultatAjustement a = Ajuster(res.r(), d);
    ASSERT_TRUE(a.Reussi());
    EXPECT_NEAR(a.ValeurDerivee.Valeur, -G, 1e-6);
    EXPECT_EQ(a.N, 16);
    EXPECT_FALSE(PlageDesImages(e.ImagesMarques, 1, 0, 30, 40, 50));
}

TEST(Ajustement, EveryRefusSaysWhy)
{
    const Resultats res(MesureSynthetique(Lancer(), 2));
    const auto refus = [&](TDemandeAjustement d) { return Ajuster(res.r(), d); };
    TDemandeAjustement d = Demande(TModele::Parabole, TGrandeurAjustee::Y);

    d.Debut = 10, d.Fin = 5;
    EXPECT_EQ(refus(d).Refus, TRefusAjustement::PlageVide);
    d.Debut = d.Fin = 4;
    const TResultatAjustement un = refus(d);
    EXPECT_EQ(un.Refus, TRefusAjustement::TropPeu);
    EXPECT_EQ(un.NbParametresRequis, 4);
    d.Debut = 0, d.Fin = -1;
    d.Point = 1;
    EXPECT_EQ(refus(d).Refus, TRefusAjustement::PointAbsent);
    d.Point = 0;

    // A point at rest, exactly.
    TMouvementSynthetique repos = Lancer();
    repos.DemiLargeurBruit = 0;
    repos.Position = [](double) { return PointD{0.1, 0.2}; };
    const Resultats fixe(MesureSynthetique(repos, 3));
    for (TModele m : {TModele::Parabole, TModele::SinusAmorti})
        EXPECT_EQ(Ajuster(fixe.r(), Demande(m, TGrandeurAjustee::Y)).Refus, TRefusAjustement::Constante);

    d.Modele = TModele::Expression;
    d.Expression = "a*t^2 + zz*t";
    const TResultatAjustement inconnu = refus(d);
    EXPECT_EQ(inconnu.Refus, TRefusAjustement::Expression);
    EXPECT_TRUE(inconnu.NomInconnu);
    EXPECT_EQ(inconnu.PositionErreur, 8);
    EXPECT_EQ(inconnu.ElementErreur, "zz");
    d.Expression = "a*(t+";
    EXPECT_EQ(refus(d).Refus, TRefusAjustement::Expression);
    d.Expression = "t^2";
    EXPECT_EQ(refus(d).Refus, TRefusAjustement::SansParametre);
    d.Expression = "sqrt(a - 10*t)";
    d.Departs = {1};
    EXPECT_EQ(refus(d).Refus, TRefusAjustement::NonFini);
    // A model whose best parameters lie at infinity: on a straight line
    // through 0, b (1 - e^(-a t)) only approaches it as a goes to 0 and b to
    // infinity.
    TDemandeAjustement fuite = Demande(TModele::Expression, TGrandeurAjustee::X);
    fuite.Expression = "b*(1 - exp(-a*t))";
    const TRefusAjustement diverge = Ajuster(SeriesExactes([](double t) { return 0.5 * t; }, 40), fuite).Refus;
    EXPECT_TRUE(diverge == TRefusAjustement::NonConvergence || diverge == TRefusAjustement::Indetermine)
        << int(diverge);
    // Two parameters the samples cannot tell apart.
    d.Expression = "a*b*t";
    d.Departs = {};
    EXPECT_EQ(refus(d).Refus, TRefusAjustement::Indetermine);
}

TEST(Ajustement, ARepeatedSampleIsLeftOutOfTheFitsOfDerivatives)
{
    // A noisy throw with the mark of frame 12 flagged repeated: a line through
    // vy over frames 5..20 gives what the same marks without it give, range
    // and uncertainties included.
    TMouvementSynthetique m = Lancer();
    m.Images = 30;
    TEntreesSeries avec = MesureSynthetique(m, 1);
    avec.EtatsMarques.resize(avec.Marques.size());
    avec.EtatsMarques[12].Repetee = true;
    TEntreesSeries sans = avec;
    sans.Marques.erase(sans.Marques.begin() + 12);
    sans.ImagesMarques.erase(sans.ImagesMarques.begin() + 12);
    sans.EtatsMarques.clear();
    sans.NombreDePoints -= 1;
    const Resultats a(avec), b(sans);
    TDemandeAjustement d = Demande(TModele::Droite, TGrandeurAjustee::VY);
    d.Debut = 5;
    d.Fin = 20;
    const TResultatAjustement fa = Ajuster(a.r(), d);
    d.Fin = 19;
    const TResultatAjustement fb = Ajuster(b.r(), d);
    ASSERT_TRUE(fa.Reussi());
    ASSERT_TRUE(fb.Reussi());
    EXPECT_EQ(fa.N, 15);
    EXPECT_EQ(fa.Demande.Fin, 20); // the range as asked, in the samples of the table
    EXPECT_NEAR(fa.ValeurDerivee.Valeur, fb.ValeurDerivee.Valeur, 1e-9);
    EXPECT_NEAR(fa.ValeurDerivee.Incertitude, fb.ValeurDerivee.Incertitude, 1e-9);
    EXPECT_NEAR(fa.ValeurDerivee.Valeur, -G, 0.5);

    // A quantity fitted by name skips the samples where it is not defined.
    TSerieGrandeur vy{a.r().SerieTemps[0], a.r().SerieVY[0], a.r().SerieUVY[0]};
    TDemandeAjustement q = Demande(TModele::Droite, TGrandeurAjustee::X);
    q.Debut = 5;
    q.Fin = 20;
    const TResultatAjustement fq = AjusterSerie(vy, q);
    ASSERT_TRUE(fq.Reussi());
    EXPECT_EQ(fq.N, 15);
    EXPECT_NEAR(fq.Parametres[1].Valeur, -G, 0.5);
}
