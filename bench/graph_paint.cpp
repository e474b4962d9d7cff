// Painting the graph: a 1280 x 800 control with three curves of 1000 points,
// joining lines, numbers and one arrow set; and one pan step of a drag, which
// should cost no more than one paint.

#include "resources/UnitPolice.h"
#include "graph/UnitGraphPlusDessin.h"
#include "resources/UnitChainesRessources.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr int NbPoints = 1000;

// Three spirals of different sizes; the first carries its velocities.
void Remplir(TDessinGraphe& g)
{
    g.Dimensionner(1280, 800);
    const TColor couleurs[3] = {Couleur::RGB(255, 0, 0), Couleur::RGB(0, 0, 255), Couleur::RGB(0, 128, 0)};
    for (int k = 0; k < 3; ++k) {
        VecteurPointD points(NbPoints), vitesses(NbPoints);
        for (int i = 0; i < NbPoints; ++i) {
            const double t = i * 0.02, r = 1 + k + 0.002 * i;
            points[i] = PointD{r * std::cos(t), r * std::sin(t)};
            vitesses[i] = PointD{-r * std::sin(t), r * std::cos(t)};
        }
        if (k == 0)
            g.AddCourbe(NbPoints, points, {vitesses}, {QStringLiteral("m/s")});
        else
            g.AddCourbe(NbPoints, points, {}, {});
    }
    g.SelectCourbes({0, 1, 2}, {0, 1, 2}, {couleurs[0], couleurs[1], couleurs[2]}, 0);
    g.SetCourbesJointes({0, 1, 2}, {couleurs[0], couleurs[1], couleurs[2]});
    g.SetNumerosVisibles({0, 1, 2}, {couleurs[0], couleurs[1], couleurs[2]});
    g.SetVecteursVisibles({0}, {Couleur::Noir});
    g.SetLimites(-6, 6, -5, 5);
    g.SetCentreZoom(PointD{0, 0});
}

void BM_Paint(benchmark::State& state)
{
    TDessinGraphe g;
    Remplir(g);
    for (auto _ : state) {
        g.Dessiner();
        benchmark::DoNotOptimize(g.Image().constBits());
    }
}
BENCHMARK(BM_Paint)->Unit(benchmark::kMillisecond);

void BM_PanStep(benchmark::State& state)
{
    TDessinGraphe g;
    Remplir(g);
    g.SourisEnfoncee(TBoutonSouris::Gauche, {640, 400});
    int x = 640;
    for (auto _ : state) {
        x += (x % 2 == 0) ? 3 : -1; // wanders slowly right
        if (g.SourisDeplacee({x, 400})) g.Dessiner();
        benchmark::DoNotOptimize(g.Image().constBits());
    }
}
BENCHMARK(BM_PanStep)->Unit(benchmark::kMillisecond);

void BM_ZoomStep(benchmark::State& state)
{
    TDessinGraphe g;
    Remplir(g);
    g.SourisEnfoncee(TBoutonSouris::Droit, {640, 400});
    int x = 640, sens = -1;
    for (auto _ : state) {
        if (!g.SourisDeplacee({x + sens, 400}))
            sens = -sens; // back and forth between the limits
        else
            g.Dessiner();
        x += sens;
        benchmark::DoNotOptimize(g.Image().constBits());
    }
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond);

// A background colour change: the pattern is rebuilt and stretched once.
void BM_ColourChange(benchmark::State& state)
{
    TDessinGraphe g;
    g.Dimensionner(1280, 800);
    int n = 0;
    for (auto _ : state) g.SetColorBegin(Couleur::RGB(255, 255, ++n % 256));
}
BENCHMARK(BM_ColourChange)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    InstallerPolice();
    Chaines::Charger();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
