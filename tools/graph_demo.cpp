// Draws three typical pictures of the graph control without a window and
// saves them as PNG files: graph_temps.png (a coordinate versus time),
// graph_trajectoire.png (three points, equal scales, numbered) and
// graph_vecteurs.png (velocity arrows with their magnitudes, some masked).
// The titles are sample data of this demo, not texts of the program.

#include "resources/UnitPolice.h"
#include "graph/UnitGraphPlusDessin.h"
#include "resources/UnitChainesRessources.h"

#include <QDir>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

using Couleur::RGB;

namespace {

const TColor CouleursPoints[3] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 128, 0)};

struct Etendue {
    double xmin = 1e300, xmax = -1e300, ymin = 1e300, ymax = -1e300;
    void Ajouter(const VecteurPointD& points)
    {
        for (const PointD& p : points) {
            xmin = std::min(xmin, p.X);
            xmax = std::max(xmax, p.X);
            ymin = std::min(ymin, p.Y);
            ymax = std::max(ymax, p.Y);
        }
    }
    // Widens the smaller range so that both axes have the same scale on a
    // plot of w x h pixels, then adds a margin on each side.
    void EchellesEgales(int w, int h, double marge)
    {
        const double dx = xmax - xmin, dy = ymax - ymin;
        if (h * dx >= w * dy) {
            const double d = (h * dx / w - dy) / 2;
            ymin -= d;
            ymax += d;
        } else {
            const double d = (w * dy / h - dx) / 2;
            xmin -= d;
            xmax += d;
        }
        xmin -= (xmax - xmin) * marge;
        xmax += (xmax - xmin) * marge;
        ymin -= (ymax - ymin) * marge;
        ymax += (ymax - ymin) * marge;
    }
};

void Marges(TDessinGraphe& g, int haut, int droite, int gauche, int bas)
{
    g.SetAxeXFromTop(haut);
    g.SetAxeYFromRight(droite);
    g.SetAxeYFromLeft(gauche);
    g.SetAxeXFromBottom(bas);
}

bool Enregistrer(const TDessinGraphe& g, const QString& chemin)
{
    const bool ok = g.Image().save(chemin);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(chemin));
    return ok;
}

// A damped oscillation sampled at 25 frames a second.
bool GrapheTemps(const QString& dossier)
{
    TDessinGraphe g;
    Marges(g, 15, 30, 85, 50);
    g.SetColorBegin(RGB(228, 229, 214));
    g.SetColorEnd(RGB(209, 255, 198));
    g.SetZoomY(true);
    g.Dimensionner(800, 500);
    VecteurPointD points(60);
    for (int i = 0; i < 60; ++i) {
        const double t = i * 0.04;
        points[i] = PointD{t, 0.35 * std::exp(-0.8 * t) * std::cos(7 * t) - 0.05};
    }
    g.AddCourbe(60, points, {}, {});
    g.SetTitreAxeX(QStringLiteral("t (s)"));
    g.SetTitreAxeY(QStringLiteral("x (m)"));
    g.SelectCourbes({0}, {0}, {CouleursPoints[0]}, 0);
    Etendue e;
    e.Ajouter(points);
    e.ymin -= (e.ymax - e.ymin) * 0.05;
    e.ymax += (e.ymax - e.ymin) * 0.05;
    g.SetCourbesJointes({0}, {CouleursPoints[0]});
    g.SetLimites(0, e.xmax * 1.05, e.ymin, e.ymax);
    g.SetCentreZoom(PointD{e.xmax * 1.05 / 2, (e.ymin + e.ymax) / 2});
    g.Dessiner();
    return Enregistrer(g, dossier + QStringLiteral("/graph_temps.png"));
}

// Three points on circles of different sizes: the circles must stay round.
bool Trajectoire(const QString& dossier)
{
    TDessinGraphe g;
    Marges(g, 15, 30, 85, 50);
    g.SetColorBegin(RGB(255, 243, 220));
    g.SetColorEnd(RGB(252, 225, 195));
    g.Dimensionner(900, 500);
    Etendue e;
    for (int k = 0; k < 3; ++k) {
        VecteurPointD points(24);
        const double r = 0.1 * (k + 1);
        for (int i = 0; i < 24; ++i) {
            const double a = i * 2 * std::numbers::pi / 24 + k;
            points[i] = PointD{0.5 + r * std::cos(a), 0.3 + r * std::sin(a)};
        }
        g.AddCourbe(24, points, {}, {});
        e.Ajouter(points);
    }
    g.SetTitreAxeX(QStringLiteral("x (m)"));
    g.SetTitreAxeY(QStringLiteral("y (m)"));
    const std::vector<int> indices{0, 1, 2};
    const std::vector<TColor> couleurs(CouleursPoints, CouleursPoints + 3);
    g.SelectCourbes(indices, {0, 1, 2}, couleurs, 0);
    e.EchellesEgales(g.LargeurGraphe(), g.HauteurGraphe(), 0.1);
    g.SetNumerosVisibles(indices, couleurs);
    g.SetCourbesJointes(indices, couleurs);
    g.SetLimites(e.xmin, e.xmax, e.ymin, e.ymax);
    g.Dessiner();
    return Enregistrer(g, dossier + QStringLiteral("/graph_trajectoire.png"));
}

// A throw: velocity arrows along the parabola, magnitudes shown, the arrows
// of three middle samples masked with a dragged rectangle.
bool Vecteurs(const QString& dossier)
{
    TDessinGraphe g;
    Marges(g, 0, 0, 0, 0);
    g.SetAxeXVisible(false);
    g.SetAxeYVisible(false);
    g.SetColorBegin(RGB(235, 241, 243));
    g.SetColorEnd(RGB(202, 229, 245));
    g.SetLEchelle(64);
    g.Dimensionner(900, 560);
    const int n = 15;
    VecteurPointD points(n), vitesses(n), accelerations(n, PointD{0, -9.81});
    for (int i = 0; i < n; ++i) {
        const double t = i * 0.06;
        points[i] = PointD{2.0 * t, 3.0 * t - 4.905 * t * t};
        vitesses[i] = PointD{2.0, 3.0 - 9.81 * t};
    }
    g.AddCourbe(n, points, {vitesses, accelerations}, {QStringLiteral("m/s"), QStringLiteral("m/s2")});
    Etendue e;
    e.Ajouter(points);
    e.EchellesEgales(g.LargeurGraphe(), g.HauteurGraphe(), 0.15);
    g.SelectCourbes({0}, {1}, {CouleursPoints[1]}, 0);
    g.SetVecteursVisibles({0}, {Couleur::Noir});
    g.SetNumerosVisibles({}, {});
    g.SetValeursVisibles({0}, {CouleursPoints[1]});
    g.SetCourbesJointes({}, {});
    g.SetLimites(e.xmin, e.xmax, e.ymin, e.ymax);
    g.SetModeVecteurs(true);
    const QPoint a = g.Courbe(0).PositionPixel(6), b = g.Courbe(0).PositionPixel(8);
    g.SourisEnfoncee(TBoutonSouris::Gauche, QPoint(a.x() - 8, std::min(a.y(), b.y()) - 8));
    g.SourisDeplacee(QPoint(b.x() + 8, std::max(a.y(), b.y()) + 8));
    g.SourisRelachee();
    g.Dessiner();
    std::printf("arrow scale: %.3g m/s for %d pixels\n", g.EchelleVecteurs(), g.LEchelle());
    return Enregistrer(g, dossier + QStringLiteral("/graph_vecteurs.png"));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    InstallerPolice();
    Chaines::Charger();
    const QString dossier = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(dossier);
    const bool ok = GrapheTemps(dossier) & Trajectoire(dossier) & Vecteurs(dossier);
    return ok ? 0 : 1;
}
