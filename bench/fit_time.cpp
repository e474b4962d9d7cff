// A damped-sine fit of 10,000 samples against the table of the same work
// file, both through kinotab-cli as a user runs them: the fit must take at
// most twice the time of the table. The counter "ratio" is fit / table over
// the runs.

#include "measure/UnitTravail.h"

#include <benchmark/benchmark.h>

#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <numbers>

namespace {

constexpr int Echantillons = 10000;

// A swing marked 10,000 times on the demo video (marks without their frames
// count as consecutive frames), the ruler as the scale.
QString Travail10000(const QTemporaryDir& dossier)
{
    Travail t;
    t.CheminVideo = QStringLiteral(KINOTAB_DEMO_VIDEO);
    for (int i = 0; i < Echantillons; ++i) {
        const double s = i / 25.0;
        const double x = 320 + 100 * std::exp(-0.01 * s) * std::sin(2 * std::numbers::pi / 1.7 * s + 0.3) +
            0.5 * std::sin(i * 12.9898);
        t.Mesure.Marques.push_back(PointD{x / 640, 240.0 / 480});
    }
    t.Mesure.EtatEtalon = TEtatEtalon::DeuxBouts;
    t.Mesure.PointsEtalon = {PointD{128.0 / 640, 40.0 / 480}, PointD{128.0 / 640, 440.0 / 480}};
    t.Mesure.LongueurEtalon = 2.0;
    t.Mesure.OriginePlacee = TOrigine::Placee;
    t.Mesure.Origine = PointD{0.5, 0.5};
    const QString chemin = dossier.filePath(QStringLiteral("swing.ktb"));
    EcrireTravail(chemin, t, '.');
    return chemin;
}

double Secondes(const QStringList& arguments)
{
    const auto debut = std::chrono::steady_clock::now();
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(QStringLiteral(KINOTAB_CLI), arguments);
    p.waitForFinished(-1);
    if (p.exitCode() != 0) return std::nan("");
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

void FitContreTable(benchmark::State& state)
{
    QTemporaryDir dossier;
    const QString travail = Travail10000(dossier);
    double fit = 0, table = 0;
    for (auto _ : state) {
        table += Secondes({QStringLiteral("table"), travail});
        fit += Secondes({QStringLiteral("fit"), travail, QStringLiteral("--quantity"), QStringLiteral("x"),
                         QStringLiteral("--point"), QStringLiteral("1"), QStringLiteral("--model"),
                         QStringLiteral("dampedsine")});
    }
    state.counters["table_s"] = table / double(state.iterations());
    state.counters["fit_s"] = fit / double(state.iterations());
    state.counters["ratio"] = fit / table;
}
BENCHMARK(FitContreTable)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
