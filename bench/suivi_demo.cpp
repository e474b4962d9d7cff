// Automatic tracking on the bundled demo (640 x 480, a ball falling beside a
// ruler), from one mark on the ball at rest on frame 0:
// - frames tracked a second, from decoded frames held in memory and with
//   the decoding through the frame source;
// - accuracy: the worst distance of an automatic mark from the ball's true
//   centre, and g from a parabola through the falling part;
// and the undo history of a long measurement: time and bytes per mark.

#include "kinematics/UnitMoinCar.h"
#include "tools/demo_chute.h"
#include "media/FrameSource.h"
#include "measure/UnitMesure.h"
#include "tracking/UnitTravailleurSuivi.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

using namespace DemoChute;

// The ball's centre in video pixels (pixel i stands at i, the scene being
// drawn with pixel i spanning i .. i + 1).
PointD Centre(int image)
{
    return {BalleX - 0.5, BalleY(image) - 0.5};
}

class ImagesEnMemoire final : public ImagesSuivi {
public:
    explicit ImagesEnMemoire(std::vector<QImage> images) : images_(std::move(images)) {}
    int Nombre() const override { return int(images_.size()); }
    QImage Image(int numero) override { return images_[std::size_t(numero)]; }

private:
    std::vector<QImage> images_;
};

std::vector<QImage> ImagesDemo()
{
    FrameSource source;
    if (!source.Ouvrir(QStringLiteral(KINOTAB_DEMO_VIDEO))) return {};
    std::vector<QImage> images;
    for (int i = 0; i < source.FrameCount(); ++i) images.push_back(source.Image(i));
    return images;
}

// Tracks to the end; the frames tracked.
int Suivre(ImagesSuivi& images, std::vector<EtapeSuivi>* etapes = nullptr)
{
    TSuivi suivi(images, 0, {{Centre(0)}});
    int n = 0;
    for (EtapeSuivi e = suivi.Suivante(); e.Fin == FinSuivi::Aucune; e = suivi.Suivante(), ++n)
        if (etapes) etapes->push_back(e);
    return n;
}

void BM_SuiviImagesEnMemoire(benchmark::State& state)
{
    ImagesEnMemoire images(ImagesDemo());
    if (images.Nombre() == 0) return state.SkipWithError("demo video missing");
    std::int64_t suivies = 0;
    for (auto _ : state) suivies += Suivre(images);
    state.SetItemsProcessed(suivies); // items/s: frames tracked a second
}
BENCHMARK(BM_SuiviImagesEnMemoire)->Unit(benchmark::kMillisecond);

void BM_SuiviAvecDecodage(benchmark::State& state)
{
    std::int64_t suivies = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FrameSource source;
        source.FixerBudgetCache(0); // every frame decoded in the loop, none kept from the last pass
        if (!source.Ouvrir(QStringLiteral(KINOTAB_DEMO_VIDEO))) return state.SkipWithError("demo video missing");
        ImagesSource images(source);
        state.ResumeTiming();
        suivies += Suivre(images);
    }
    state.SetItemsProcessed(suivies);
}
BENCHMARK(BM_SuiviAvecDecodage)->Unit(benchmark::kMillisecond);

void BM_PrecisionDemo(benchmark::State& state)
{
    ImagesEnMemoire images(ImagesDemo());
    if (images.Nombre() == 0) return state.SkipWithError("demo video missing");
    std::vector<EtapeSuivi> etapes;
    for (auto _ : state) {
        etapes.clear();
        Suivre(images, &etapes);
    }
    double pire = 0;
    std::vector<double> t, y;
    for (const EtapeSuivi& e : etapes) {
        const PointD vrai = Centre(e.Image);
        pire = std::max(pire, std::hypot(e.Points[0].X - vrai.X, e.Points[0].Y - vrai.Y));
        if (e.Image >= ImageLacher && BalleY(e.Image) < BalleYSol) {
            t.push_back(double(e.Image) / Cadence);
            y.push_back(e.Points[0].Y);
        }
    }
    TMoinCar ajustement;
    ajustement.Ajuster(t, y, int(t.size()), 2);
    const double g = 2 * ajustement.Coefficients()[3] / PixelsParMetre;
    state.counters["marques"] = double(etapes.size());
    state.counters["ecart_max_px"] = pire;
    state.counters["g"] = g;
    state.counters["ecart_g_pct"] = 100 * std::abs(g - G) / G;
}
BENCHMARK(BM_PrecisionDemo)->Iterations(1)->Unit(benchmark::kMillisecond);

// A view that only counts frames, for the measurement without a window.
class VueBanc final : public VueMesure {
public:
    bool Ouverte() const override { return true; }
    int NumeroImage() const override { return numero_; }
    int FrameCount() const override { return 1 << 30; }
    void AllerImage(int i) override { numero_ = i; }
    int Largeur() const override { return 640; }
    int Hauteur() const override { return 480; }

private:
    int numero_ = 0;
};

void BM_HistoriqueMarques(benchmark::State& state)
{
    const int marques = int(state.range(0));
    std::size_t octets = 0;
    for (auto _ : state) {
        VueBanc vue;
        TMesure m(vue);
        for (int i = 0; i < marques; ++i) m.AppuiGauche({i % 640, (i / 640) % 480});
        octets = m.Historique().Octets();
        benchmark::DoNotOptimize(octets);
    }
    state.SetItemsProcessed(state.iterations() * marques);
    state.counters["octets_par_marque"] = double(octets) / marques;
}
BENCHMARK(BM_HistoriqueMarques)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
