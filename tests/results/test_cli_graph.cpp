// kinotab-cli graph and print: a projectile's trajectory drawn headless, and
// laid out on a PDF page.

#include "measure/UnitTravail.h"
#include "results/UnitVuesGraphe.h"

#include "tests/support/Cli.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int Lancers = 10;

// `bruit`: clicks off by up to about a pixel, in a fixed pattern.
QString TravailJet(const QTemporaryDir& dossier, double bruit = 0)
{
    Travail t;
    t.CheminVideo = QStringLiteral(KINOTAB_DEMO_VIDEO);
    for (int j = 0; j < Lancers; ++j)
        t.Mesure.Marques.push_back(PointD{0.1 + 0.08 * j + bruit * ((j * 7) % 5 - 2), 0.75 - 0.12 * j + 0.013 * j * j});
    t.Mesure.MarquesDerniereImage = 1;
    t.Mesure.EtatEtalon = TEtatEtalon::DeuxBouts;
    t.Mesure.PointsEtalon = {PointD{0.2, 0.08}, PointD{0.2, 0.92}};
    t.Mesure.LongueurEtalon = 2;
    t.Mesure.OriginePlacee = TOrigine::Placee;
    t.Mesure.Origine = PointD{0.05, 0.95};
    const QString chemin = dossier.filePath(QStringLiteral("jet.ktb"));
    EXPECT_EQ(EcrireTravail(chemin, t, '.'), ResultatEcriture::Ok);
    return chemin;
}

// Centres of the groups of touching pure red pixels.
std::vector<std::array<double, 2>> Taches(const QImage& image)
{
    std::vector<std::array<double, 2>> centres;
    std::vector<bool> vu(size_t(image.width() * image.height()));
    const auto rouge = [&](int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0xFF0000; };
    for (int y0 = 0; y0 < image.height(); ++y0)
        for (int x0 = 0; x0 < image.width(); ++x0) {
            if (vu[size_t(y0 * image.width() + x0)] || !rouge(x0, y0)) continue;
            std::vector<QPoint> pile{QPoint(x0, y0)};
            vu[size_t(y0 * image.width() + x0)] = true;
            double sx = 0, sy = 0;
            int n = 0;
            while (!pile.empty()) {
                const QPoint p = pile.back();
                pile.pop_back();
                sx += p.x();
                sy += p.y();
                ++n;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = p.x() + dx, y = p.y() + dy;
                        if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) continue;
                        if (vu[size_t(y * image.width() + x)] || !rouge(x, y)) continue;
                        vu[size_t(y * image.width() + x)] = true;
                        pile.push_back(QPoint(x, y));
                    }
            }
            centres.push_back({sx / n, sy / n});
        }
    return centres;
}

TEST(CliGraph, AProjectileDrawsAParabolaOfRedCrossesOnTheTrajectoryGradient)
{
    QTemporaryDir dossier;
    const QString travail = TravailJet(dossier);
    const QString png = dossier.filePath(QStringLiteral("t.png"));
    QString erreurs;
    ASSERT_EQ(Cli({QStringLiteral("graph"), travail, QStringLiteral("trajectory"), png, QStringLiteral("--size"),
                   QStringLiteral("700x450")},
                  nullptr, &erreurs),
              0)
        << erreurs.toStdString();
    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(700, 450));
    const auto centres = Taches(image);
    ASSERT_EQ(centres.size(), size_t(Lancers));
    // Least squares y = a + b x + c x2 through the crosses, by the normal equations.
    double s[5] = {}, r[3] = {};
    for (const auto& c : centres) {
        double p = 1;
        for (int k = 0; k < 5; ++k, p *= c[0]) s[k] += p;
        r[0] += c[1];
        r[1] += c[1] * c[0];
        r[2] += c[1] * c[0] * c[0];
    }
    const auto det = [](double a, double b, double c, double d, double e, double f, double g, double h, double i) {
        return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
    };
    const double d = det(s[0], s[1], s[2], s[1], s[2], s[3], s[2], s[3], s[4]);
    const double a = det(r[0], s[1], s[2], r[1], s[2], s[3], r[2], s[3], s[4]) / d;
    const double b = det(s[0], r[0], s[2], s[1], r[1], s[3], s[2], r[2], s[4]) / d;
    const double c = det(s[0], s[1], r[0], s[1], s[2], r[1], s[2], s[3], r[2]) / d;
    for (const auto& p : centres) EXPECT_NEAR(a + b * p[0] + c * p[0] * p[0], p[1], 1.0);
    EXPECT_GT(c, 1e-4); // its top up: y grows downwards on the picture

    // The plot's background is the trajectory view's gradient: most of the
    // plot area (85 px left, 15 top, 30 right, 50 bottom are margins) lies
    // between its two colours, the rest is grid lines and marks.
    const QRgb debut = Couleur::VersQRgb(VuesGraphe::FondTrajectoire.ColorBegin);
    const QRgb fin = Couleur::VersQRgb(VuesGraphe::FondTrajectoire.ColorEnd);
    const auto entre = [&](QRgb v) {
        for (int decalage : {16, 8, 0}) {
            const auto canal = [decalage](QRgb c) { return int(c >> decalage) & 0xFF; };
            if (canal(v) < std::min(canal(debut), canal(fin)) || canal(v) > std::max(canal(debut), canal(fin)))
                return false;
        }
        return true;
    };
    int fond = 0, total = 0;
    for (int y = 15; y < 450 - 50; ++y)
        for (int x = 85; x < 700 - 30; ++x, ++total) fond += entre(image.pixel(x, y));
    EXPECT_GT(fond, total * 9 / 10);
}

TEST(CliGraph, OtherViewsAndRefusals)
{
    QTemporaryDir dossier;
    const QString travail = TravailJet(dossier);
    QString erreurs;
    const QString bmp = dossier.filePath(QStringLiteral("v.bmp"));
    ASSERT_EQ(Cli({QStringLiteral("graph"), travail, QStringLiteral("vectors"), bmp, QStringLiteral("--quantity"),
                   QStringLiteral("2")},
                  nullptr, &erreurs),
              0)
        << erreurs.toStdString();
    const QImage v(bmp, "BMP");
    ASSERT_EQ(v.size(), QSize(640, 400));
    EXPECT_EQ(v.pixel(40, 20) & 0xFFFFFF, 0u); // the legend's line
    ASSERT_EQ(Cli({QStringLiteral("graph"), travail, QStringLiteral("time"), dossier.filePath(QStringLiteral("g.png")),
                   QStringLiteral("--quantity"), QStringLiteral("5")},
                  nullptr, &erreurs),
              0);
    EXPECT_EQ(Cli({QStringLiteral("graph"), travail, QStringLiteral("time"), bmp, QStringLiteral("--quantity"),
                   QStringLiteral("9")},
                  nullptr, &erreurs),
              1);
    EXPECT_TRUE(erreurs.contains(QStringLiteral("--quantity takes 1 to 8"))) << erreurs.toStdString();
    EXPECT_EQ(Cli({QStringLiteral("graph"), travail, QStringLiteral("trajectory"), bmp, QStringLiteral("--frame"),
                   QStringLiteral("2")},
                  nullptr, &erreurs),
              1);
    EXPECT_EQ(Cli({QStringLiteral("graph"), travail, QStringLiteral("pie"), bmp}, nullptr, &erreurs), 1);
}

// With --uncertainty each red mark of the graph of ax (0, with the scatter of
// the clicks for its uncertainty) grows a red bar through it.
TEST(CliGraph, UncertaintyDrawsTheErrorBarsOfTheGraphsAgainstTime)
{
    QTemporaryDir dossier;
    const QString travail = TravailJet(dossier, 0.002);
    const QString sans = dossier.filePath(QStringLiteral("sans.png")),
                  avec = dossier.filePath(QStringLiteral("avec.png"));
    QString erreurs;
    const QStringList ax{QStringLiteral("--quantity"), QStringLiteral("6")};
    ASSERT_EQ(Cli(QStringList{QStringLiteral("graph"), travail, QStringLiteral("time"), sans} + ax, nullptr, &erreurs),
              0)
        << erreurs.toStdString();
    ASSERT_EQ(Cli(QStringList{QStringLiteral("graph"), travail, QStringLiteral("time"), avec,
                              QStringLiteral("--uncertainty")} +
                      ax,
                  nullptr, &erreurs),
              0)
        << erreurs.toStdString();
    const auto rouges = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == 0xFF0000;
        return n;
    };
    const QImage a(avec), b(sans);
    ASSERT_EQ(Taches(b).size(), size_t(Lancers));
    EXPECT_GT(rouges(a), rouges(b) + 8 * Lancers);
}

QByteArray Lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(CliPrint, AViewIsWrittenAsOnePdfPageInEitherLayoutWithOrWithoutTwoCopies)
{
    QTemporaryDir dossier;
    const QString travail = TravailJet(dossier);
    QString erreurs;
    const struct {
        const char* vue;
        QStringList options;
        const char* boite; // the page's width in points: A4 portrait or landscape
    } cas[] = {
        {"trajectory", {QStringLiteral("--title"), QStringLiteral("Šikmý vrh")}, "/MediaBox [0 0 595"},
        {"vectors", {QStringLiteral("--landscape")}, "/MediaBox [0 0 842"},
        {"time", {QStringLiteral("--double"), QStringLiteral("--quantity"), QStringLiteral("2")}, "/MediaBox [0 0 595"},
    };
    for (const auto& c : cas) {
        const QString pdf = dossier.filePath(QStringLiteral("%1.pdf").arg(QLatin1String(c.vue)));
        ASSERT_EQ(Cli(QStringList{QStringLiteral("print"), travail, QLatin1String(c.vue), pdf} + c.options, nullptr,
                      &erreurs),
                  0)
            << c.vue << ": " << erreurs.toStdString();
        const QByteArray contenu = Lire(pdf);
        EXPECT_TRUE(contenu.startsWith("%PDF")) << c.vue;
        EXPECT_TRUE(contenu.contains(c.boite)) << c.vue;
        EXPECT_EQ(contenu.count("/Type /Page\n"), 1) << c.vue;
        EXPECT_EQ(contenu.count("/Subtype /Image"), 1) << c.vue; // two copies draw the one image twice
    }
}

TEST(CliPrint, RefusalsAreSaidAndNothingIsWritten)
{
    QTemporaryDir dossier;
    const QString travail = TravailJet(dossier);
    QString erreurs;
    EXPECT_EQ(Cli({QStringLiteral("print"), travail, QStringLiteral("trajectory")}, nullptr, &erreurs), 1);
    EXPECT_TRUE(erreurs.contains(QStringLiteral("output file"))) << erreurs.toStdString();
    const QString absent = dossier.filePath(QStringLiteral("absent/p.pdf"));
    EXPECT_EQ(Cli({QStringLiteral("print"), travail, QStringLiteral("trajectory"), absent}, nullptr, &erreurs), 1);
    EXPECT_TRUE(erreurs.contains(QStringLiteral("cannot write"))) << erreurs.toStdString();
    const QString pdf = dossier.filePath(QStringLiteral("p.pdf"));
    EXPECT_EQ(Cli({QStringLiteral("print"), travail, QStringLiteral("pie"), pdf}, nullptr, &erreurs), 1);
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
