// Energies, momenta, centre of mass and the user's formulas over the series,
// with their propagated uncertainties.

#include "kinematics/UnitRefusGrandeur.h"
#include "kinematics/UnitSerieGrandeur.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>
#include <random>

namespace {

constexpr double g = 9.81;

// Two moving points, two samples each, with values easy to compute by hand.
TResultatsSeries DeuxPoints()
{
    TResultatsSeries r;
    r.NbPointsMobiles = 2;
    r.NbMarques = 4;
    r.NbMesures = {2, 2};
    r.AfficherVitesse = r.AfficherAcceleration = true;
    r.SerieTemps = {{0, 0.1}, {0, 0.1}};
    r.SerieX = {{1, 2}, {4, 6}};
    r.SerieY = {{0.5, -1}, {2, 3}};
    r.SerieVX = {{3, 1}, {-2, 0}};
    r.SerieVY = {{4, 0}, {1, 2}};
    r.SerieV = {{5, 1}, {std::sqrt(5.0), 2}};
    r.SerieAX = r.SerieAY = r.SerieA = {{0, 0}, {0, 0}};
    r.SerieUVX = r.SerieUVY = r.SerieUV = r.SerieUAX = r.SerieUAY = r.SerieUA = {{0, 0}, {0, 0}};
    return r;
}

TGrandeursMesure Masses(double m1, double m2, double m3 = 0)
{
    TGrandeursMesure m;
    m.Masses = {m1, m2, m3};
    return m;
}

std::vector<double> Valeurs(std::string_view nom, const TResultatsSeries& r, const TGrandeursMesure& m)
{
    const auto s = SerieNommee(nom, r, m);
    return s ? s->Valeurs : std::vector<double>{};
}

std::vector<std::string> Noms(const std::vector<TGrandeurDefinie>& l)
{
    std::vector<std::string> n;
    for (const auto& d : l) n.push_back(d.Nom);
    return n;
}

} // namespace

TEST(Grandeurs, ReadyQuantitiesOfEachPointAndOfTheSystemByHand)
{
    const TResultatsSeries r = DeuxPoints();
    const TGrandeursMesure m = Masses(2, 0.5);
    EXPECT_EQ(Noms(GrandeursPretes(r, m)),
              (std::vector<std::string>{"Ek1", "Ep1", "E1", "px1", "py1", "p1", "Ek2", "Ep2", "E2", "px2", "py2", "p2",
                                        "xT", "yT", "vxT", "vyT", "pxS", "pyS"}));
    const auto proche = [](std::vector<double> a, std::vector<double> b) {
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], b[i], 1e-12 * (1 + std::abs(b[i]))) << i;
    };
    proche(Valeurs("Ek1", r, m), {25, 1});
    proche(Valeurs("Ep1", r, m), {2 * g * 0.5, -2 * g});
    proche(Valeurs("E1", r, m), {25 + g, 1 - 2 * g});
    proche(Valeurs("px1", r, m), {6, 2});
    proche(Valeurs("py1", r, m), {8, 0});
    proche(Valeurs("p1", r, m), {10, 2});
    proche(Valeurs("Ek2", r, m), {0.25 * 5, 0.25 * 4});
    proche(Valeurs("Ep2", r, m), {0.5 * g * 2, 0.5 * g * 3});
    proche(Valeurs("p2", r, m), {0.5 * std::sqrt(5.0), 1});
    proche(Valeurs("xT", r, m), {(2 * 1 + 0.5 * 4) / 2.5, (2 * 2 + 0.5 * 6) / 2.5});
    proche(Valeurs("yT", r, m), {(2 * 0.5 + 0.5 * 2) / 2.5, (2 * -1 + 0.5 * 3) / 2.5});
    proche(Valeurs("vxT", r, m), {(6 - 1) / 2.5, 2 / 2.5});
    proche(Valeurs("vyT", r, m), {(8 + 0.5) / 2.5, 1 / 2.5});
    proche(Valeurs("pxS", r, m), {5, 2});
    proche(Valeurs("pyS", r, m), {8.5, 1});
    std::string unite;
    ASSERT_TRUE(SerieNommee("E2", r, m, &unite));
    EXPECT_EQ(unite, "J");
    ASSERT_TRUE(SerieNommee("pyS", r, m, &unite));
    EXPECT_EQ(unite, "kg m/s");
    ASSERT_TRUE(SerieNommee("vxT", r, m, &unite));
    EXPECT_EQ(unite, "m/s");
    ASSERT_TRUE(SerieNommee("vy2", r, m, &unite));
    EXPECT_EQ(unite, "m/s");
    EXPECT_EQ(Valeurs("vy2", r, m), (std::vector<double>{1, 2}));
    EXPECT_EQ(SerieNommee("t", r, m)->Valeurs, (std::vector<double>{0, 0.1}));

    // With the vertical axis down, the height is -y.
    TResultatsSeries bas = r;
    bas.AxeVersLeBas = true;
    proche(Valeurs("Ep1", bas, m), {-2 * g * 0.5, 2 * g});
    // Axes turned 30° (along a ramp): the height is measured up the picture,
    // x sin 30° + y cos 30°: (1, 0.5) is 1/2 + √3/4 m up, (2, -1) 1 - √3/2 m.
    TResultatsSeries rampe = r;
    rampe.AngleAxes = 30;
    proche(Valeurs("Ep1", rampe, m), {2 * g * (0.5 + std::sqrt(3.0) / 4), 2 * g * (1 - std::sqrt(3.0) / 2)});
    // Turned 90° with the vertical axis down: x points up the picture.
    rampe.AngleAxes = 90;
    rampe.AxeVersLeBas = true;
    proche(Valeurs("Ep1", rampe, m), {2 * g * 1, 2 * g * 2});
    // Another g.
    TGrandeursMesure lune = m;
    lune.g = 1.62;
    proche(Valeurs("Ep2", r, lune), {0.5 * 1.62 * 2, 0.5 * 1.62 * 3});
}

TEST(Grandeurs, WhatIsOfferedFollowsTheMassesAndTheDerivatives)
{
    TResultatsSeries r = DeuxPoints();
    // No mass: nothing; one mass: that point's, no system.
    EXPECT_TRUE(GrandeursPretes(r, Masses(0, 0)).empty());
    EXPECT_EQ(Noms(GrandeursPretes(r, Masses(0, 3))),
              (std::vector<std::string>{"Ek2", "Ep2", "E2", "px2", "py2", "p2"}));
    EXPECT_FALSE(SerieNommee("Ek1", r, Masses(0, 3)));
    // A mass of a point that is not moving counts for nothing.
    EXPECT_EQ(Noms(GrandeursPretes(r, Masses(0, 0, 1))), std::vector<std::string>{});
    // Without velocities, only what the positions give.
    r.AfficherVitesse = false;
    EXPECT_EQ(Noms(GrandeursPretes(r, Masses(1, 1))), (std::vector<std::string>{"Ep1", "Ep2", "xT", "yT"}));
    EXPECT_FALSE(SerieNommee("vx1", r, Masses(1, 1)));
    EXPECT_FALSE(SerieNommee("m1", r, Masses(1, 1))); // a mass is no series
    EXPECT_FALSE(SerieNommee("z1", r, Masses(1, 1)));
    // The user's follow the ready ones, in their order.
    TGrandeursMesure m = Masses(1, 0);
    m.Propres = {{"Q", "J", "x1*2"}, {"R", "", "t"}};
    EXPECT_EQ(Noms(GrandeursDefinies(r, m)), (std::vector<std::string>{"Ep1", "Q", "R"}));
}

TEST(Grandeurs, UserFormulaEqualToTheReadyKineticEnergyGivesTheSameColumn)
{
    TResultatsSeries r = DeuxPoints();
    r.SerieUVX = {{0.1, 0.2}, {0.3, 0.1}};
    r.SerieUVY = {{0.05, 0.1}, {0.2, 0.2}};
    TGrandeursMesure m = Masses(2, 0.5);
    m.Propres = {{"K", "J", "0.5*m1*(vx1^2+vy1^2)"}};
    const auto pret = SerieNommee("Ek1", r, m);
    const auto propre = SerieNommee("K", r, m);
    ASSERT_TRUE(pret && propre);
    EXPECT_EQ(propre->Temps, pret->Temps);
    EXPECT_EQ(propre->Valeurs, pret->Valeurs);
    EXPECT_EQ(propre->Incertitudes, pret->Incertitudes);
    // u(Ek) = m sqrt((vx ux)^2 + (vy uy)^2).
    EXPECT_NEAR(pret->Incertitudes[0], 2 * std::hypot(3 * 0.1, 4 * 0.05), 1e-9);
    // Positions count as exact: the potential energy has none.
    EXPECT_EQ(SerieNommee("Ep1", r, m)->Incertitudes, (std::vector<double>{0, 0}));
    // An uncertainty that cannot be estimated stays unknown.
    r.SerieUVX[0][1] = std::nan("");
    EXPECT_TRUE(std::isnan(SerieNommee("K", r, m)->Incertitudes[1]));
    EXPECT_FALSE(std::isnan(SerieNommee("K", r, m)->Incertitudes[0]));
}

namespace {

double Gaussienne(std::mt19937& gen)
{
    static std::normal_distribution<double> loi;
    return loi(gen);
}

// The spread of the formula over many draws of its inputs about x, against
// the first-order propagation.
void ComparerMonteCarlo(const std::string& formule, std::vector<double> x, const std::vector<double>& u)
{
    const auto e = CompilerFormule(formule);
    ASSERT_TRUE(e) << formule;
    const double f0 = e->Evaluer(x);
    const double propagee = Propager(*e, x, u);
    ASSERT_GT(propagee, 0.0);
    std::mt19937 gen(11);
    const int tirages = 20000;
    double somme = 0, somme2 = 0;
    std::vector<double> tire = x;
    for (int k = 0; k < tirages; ++k) {
        for (std::size_t i = 0; i < x.size(); ++i) tire[i] = x[i] + u[i] * Gaussienne(gen);
        const double d = e->Evaluer(tire) - f0;
        somme += d;
        somme2 += d * d;
    }
    const double ecart = std::sqrt(somme2 / tirages - (somme / tirages) * (somme / tirages));
    EXPECT_NEAR(propagee, ecart, 0.1 * ecart) << formule;
}

std::size_t Indice(const std::string& nom)
{
    const auto& v = NomsVariables();
    return std::size_t(std::find(v.begin(), v.end(), nom) - v.begin());
}

} // namespace

TEST(Grandeurs, PropagationAgreesWithMonteCarlo)
{
    std::vector<double> x(NomsVariables().size(), 0.0), u(x.size(), 0.0);
    x[Indice("m1")] = 0.2;
    x[Indice("g")] = g;
    x[Indice("y1")] = 1.3;
    x[Indice("vx1")] = 2.0;
    x[Indice("vy1")] = -3.0;
    x[Indice("ax1")] = 0.4;
    x[Indice("ay1")] = -9.7;
    u[Indice("vx1")] = 0.08;
    u[Indice("vy1")] = 0.15;
    u[Indice("ax1")] = 0.3;
    u[Indice("ay1")] = 0.5;
    ComparerMonteCarlo("0.5*m1*(vx1^2+vy1^2) + m1*g*y1", x, u);
    ComparerMonteCarlo("sqrt(vx1^2+vy1^2)*exp(ax1/5)", x, u);
    ComparerMonteCarlo("atan2(vy1, vx1) + ay1/vx1", x, u);
    // An uncertainty far below its value still reaches the result.
    std::vector<double> petite(u.size(), 0.0);
    petite[Indice("vy1")] = 1e-15;
    const auto ek = CompilerFormule("0.5*m1*(vx1^2+vy1^2)");
    ASSERT_TRUE(ek);
    EXPECT_NEAR(Propager(*ek, x, petite), 0.2 * 3.0 * 1e-15, 1e-20);
    // Variables the formula does not use add nothing.
    const auto e = CompilerFormule("m1*vx1");
    ASSERT_TRUE(e);
    EXPECT_NEAR(Propager(*e, x, u), 0.2 * 0.08, 1e-12);
}

namespace {

// Marks placed exactly on a motion given in metres, the scale one metre a
// picture height, the origin at the middle of the left edge.
TEntreesSeries Marques(int points, int images, double T, const std::function<PointD(int point, double t)>& position)
{
    TEntreesSeries m;
    m.AspectRatio = 1.0;
    m.FrameTime = T;
    m.FichierVideo = "exact.avi";
    m.EtatEtalon = 2;
    m.LongueurEtalon = 1.0;
    m.PointsEtalon = {PointD{0.9, 0.0}, PointD{0.9, 1.0}};
    m.Origine = PointD{0.0, 0.5};
    m.MarquesParImage = points;
    for (int j = 0; j < images; ++j)
        for (int p = 0; p < points; ++p) {
            const PointD metres = position(p, j * T);
            m.Marques.push_back(PointD{metres.X, 0.5 - metres.Y});
        }
    m.NombreDePoints = int(m.Marques.size());
    return m;
}

} // namespace

TEST(Grandeurs, FreeFallMarkedExactlyKeepsItsTotalEnergy)
{
    const double h0 = 0.45, vx = 0.6, T = 0.02, masse = 0.057;
    for (bool lisser : {true, false}) {
        TPasDeTemps pas;
        TSeries s(pas);
        const auto chute = [&](int, double t) { return PointD{0.1 + vx * t, h0 - g * t * t / 2}; };
        ASSERT_EQ(s.CalculerResultats(Marques(1, 18, T, chute), true, true), CodeSucces);
        if (!lisser) {
            ASSERT_EQ(s.BasculerLissage(), CodeSucces);
        }
        const auto E = SerieNommee("E1", s.Resultats(), Masses(masse, 0));
        ASSERT_TRUE(E);
        ASSERT_EQ(E->Valeurs.size(), 18u);
        const double attendue = masse * (g * h0 + vx * vx / 2);
        for (double e : E->Valeurs) EXPECT_NEAR(e, attendue, 1e-6 * attendue) << (lisser ? "smoothed" : "raw");
        // Energy moves from Ep to Ek.
        const auto Ek = SerieNommee("Ek1", s.Resultats(), Masses(masse, 0));
        EXPECT_GT(Ek->Valeurs.back(), 10 * Ek->Valeurs.front());
    }
}

TEST(Grandeurs, CollisionOnAFrameKeepsTheSystemsMomentumAtEveryFrame)
{
    // Point 1 (2 kg) at +1 m/s meets point 2 (1 kg) at -1 m/s on frame 8;
    // after the elastic collision they leave at -1/3 and +5/3 m/s.
    const double T = 0.05, choc = 8 * T, m1 = 2, m2 = 1;
    const auto position = [&](int p, double t) {
        const double avant = p == 0 ? 1.0 : -1.0, apres = p == 0 ? -1.0 / 3 : 5.0 / 3;
        const double x = 0.5 + (t < choc ? avant * (t - choc) : apres * (t - choc));
        return PointD{x, p == 0 ? 0.02 : -0.02};
    };
    TPasDeTemps pas;
    TSeries s(pas);
    ASSERT_EQ(s.CalculerResultats(Marques(2, 17, T, position), true, true), CodeSucces);
    ASSERT_EQ(s.BasculerLissage(), CodeSucces); // no smoothing
    ASSERT_FALSE(s.Resultats().Lisser);
    const TGrandeursMesure m = Masses(m1, m2);
    const auto pxS = SerieNommee("pxS", s.Resultats(), m);
    const auto pyS = SerieNommee("pyS", s.Resultats(), m);
    ASSERT_TRUE(pxS && pyS);
    ASSERT_EQ(pxS->Valeurs.size(), 17u);
    for (std::size_t j = 0; j < 17; ++j) {
        EXPECT_NEAR(pxS->Valeurs[j], m1 * 1 + m2 * -1, 1e-6) << j;
        EXPECT_NEAR(pyS->Valeurs[j], 0, 1e-6) << j;
    }
    // Each point's own momentum does change at the collision.
    const auto px1 = SerieNommee("px1", s.Resultats(), m);
    EXPECT_NEAR(px1->Valeurs.front(), 2, 1e-6);
    EXPECT_NEAR(px1->Valeurs.back(), -2.0 / 3, 1e-6);
    // The centre of mass moves uniformly, at P / M.
    const auto vxT = SerieNommee("vxT", s.Resultats(), m);
    for (double v : vxT->Valeurs) EXPECT_NEAR(v, 1.0 / 3, 1e-6);
}

TEST(Grandeurs, EveryRefusalOfAUserQuantity)
{
    using G = TRefusGrandeur::Genre;
    const TResultatsSeries r = DeuxPoints();
    TGrandeursMesure m = Masses(1, 1);
    m.Propres = {{"Q", "J", "x1"}};
    const auto refus = [&](TGrandeurPropre q, int indice = 1, const TResultatsSeries* res = nullptr) {
        return RefuserGrandeur(q, m, indice, res);
    };
    EXPECT_FALSE(refus({"W", "J", "0.5*m1*(vx1^2+vy1^2)"}, 1, &r));
    EXPECT_FALSE(refus({"Q", "J", "x1+1"}, 0, &r)); // itself, changed
    EXPECT_FALSE(refus({"Vykon_2", "", "sin(t)*pi"}));

    EXPECT_EQ(refus({"R", "", "t"}, TGrandeursMesure::PropresMax)->Type, G::Trop);
    for (const char* nom : {"", "2x", "a b", "x-1", "č"}) EXPECT_EQ(refus({nom, "", "t"})->Type, G::Nom) << nom;
    for (const char* nom : {"Q", "uQ", "x1", "vx3", "uvx1", "t", "g", "m2", "Ek3", "uEk1", "pyS", "xT", "Date"})
        EXPECT_EQ(refus({nom, "", "t"})->Type, G::NomPris) << nom;
    EXPECT_EQ(refus({"R", "J\tx", "t"})->Type, G::Unite);

    auto r1 = refus({"R", "", "x1+*2"});
    ASSERT_TRUE(r1);
    EXPECT_EQ(r1->Type, G::Syntaxe);
    EXPECT_EQ(r1->Position, 3);
    EXPECT_EQ(refus({"R", "", ""})->Type, G::Syntaxe);
    EXPECT_EQ(refus({"R", "", "(x1"})->Type, G::Syntaxe);
    EXPECT_EQ(refus({"R", "", "sin("})->Position, 4); // past the end: the end
    r1 = refus({"R", "", "2*x1 + z7"});
    ASSERT_TRUE(r1);
    EXPECT_EQ(r1->Type, G::NomInconnu);
    EXPECT_EQ(r1->Position, 7);

    // Series these results lack: a third point, derivatives not computed.
    r1 = refus({"R", "", "x1 + vx3"}, 1, &r);
    ASSERT_TRUE(r1);
    EXPECT_EQ(r1->Type, G::SerieAbsente);
    EXPECT_EQ(r1->Element, "vx3");
    EXPECT_EQ(r1->Position, 5);
    EXPECT_FALSE(refus({"R", "", "x1 + vx3"})); // without results, only the syntax counts
    TResultatsSeries sans = r;
    sans.AfficherAcceleration = false;
    EXPECT_EQ(refus({"R", "", "ax1"}, 1, &sans)->Type, G::SerieAbsente);

    // Not finite at a sample: vy1 is 0 at the second.
    r1 = refus({"R", "", "vx1/vy1"}, 1, &r);
    ASSERT_TRUE(r1);
    EXPECT_EQ(r1->Type, G::NonFini);
    EXPECT_EQ(r1->Echantillon, 1);
    EXPECT_DOUBLE_EQ(r1->Temps, 0.1);
    EXPECT_EQ(refus({"R", "", "sqrt(y1)"}, 1, &r)->Echantillon, 1);
    EXPECT_EQ(refus({"R", "", "log(y1-0.5)"}, 1, &r)->Echantillon, 0);
}
