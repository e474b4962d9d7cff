#include "results/UnitVueVecteurs.h"

#include "core/UnitFormatReel.h"
#include "kit/Trace.h"
#include "resources/UnitChainesRessources.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace VueVecteurs {

std::vector<Sorte> Sortes(const TResultatsSeries& r)
{
    std::vector<Sorte> l;
    if (r.AfficherVitesse) l.push_back(Sorte::Vitesses);
    if (r.AfficherAcceleration) l.push_back(Sorte::Accelerations);
    return l;
}

QString Libelle(Sorte s)
{
    return Chaines::Texte(s == Sorte::Vitesses ? "VecteursVitesses" : "VecteursAccelerations");
}

QString Exposant(Sorte s)
{
    return s == Sorte::Vitesses ? QStringLiteral("-1") : QStringLiteral("-2");
}

QString Unite(Sorte s)
{
    return s == Sorte::Vitesses ? QStringLiteral(" m/s") : QStringLiteral(" m/s2");
}

QStringList Points(const TResultatsSeries& r)
{
    QStringList l;
    for (int p = 1; p <= r.NbPointsMobiles; ++p) l << QString::number(p);
    return l;
}

void Preparer(TDessinGraphe& g)
{
    g.SetZoomXY(true);
    g.SetAxeXVisible(false);
    g.SetAxeYVisible(false);
    VuesGraphe::AppliquerFond(g, VuesGraphe::FondVecteurs);
    g.SetLEchelle(LargeurFleche);
    VuesGraphe::Marges(g, 0, 0, 0, 0);
}

void Dessiner(TDessinGraphe& g, const TResultatsSeries& r, const Choix& c, TEtendue& e)
{
    const size_t p = size_t(c.point);
    const size_t n = size_t(r.NbMesures[p]);
    // The series' y follows the chosen axis sense; the drawing keeps y upwards.
    const double s = r.AxeVersLeBas ? -1.0 : 1.0;
    VecteurPointD positions(n), vitesses(n), accelerations(n);
    for (size_t i = 0; i < n; ++i) {
        positions[i] = PointD{r.SerieX[p][i], s * r.SerieY[p][i]};
        vitesses[i] = PointD{r.SerieVX[p][i], s * r.SerieVY[p][i]};
        accelerations[i] = PointD{r.SerieAX[p][i], s * r.SerieAY[p][i]};
    }
    e.Ajouter(positions);
    g.AddCourbe(int(n), positions, {vitesses, accelerations}, {QStringLiteral("m/s"), QStringLiteral("m/s2")});
    if (!e.Vide()) VuesGraphe::EchellesEgales(e, g.LargeurGraphe(), g.HauteurGraphe(), 0.15);
    g.SelectCourbes({0}, {VuesGraphe::MarquesPoints[p]}, {VuesGraphe::CouleursPoints[p]}, int(c.sorte));
    g.SetVecteursVisibles({0}, {Couleur::Noir});
    AppliquerOptions(g, c);
}

void AppliquerOptions(TDessinGraphe& g, const Choix& c)
{
    const TColor couleur = VuesGraphe::CouleursPoints[size_t(c.point)];
    if (c.numeros)
        g.SetNumerosVisibles({0}, {couleur});
    else
        g.SetNumerosVisibles({}, {});
    if (c.valeurs)
        g.SetValeursVisibles({0}, {couleur});
    else
        g.SetValeursVisibles({}, {});
    g.SetCourbesJointes({}, {});
}

void DessinerLegende(QImage& image, double echelle, Sorte s)
{
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 2));
    Trace::Ligne(p, QPoint(20, 20), QPoint(20 + LargeurFleche, 20));
    QFont police(QStringLiteral("Times New Roman"));
    police.setPixelSize(10);
    p.setFont(police);
    const QString texte = FormatGeneral(echelle, 4) + Unite(s);
    const QFontMetrics m(police);
    const int gauche = 20 + (LargeurFleche - m.horizontalAdvance(texte)) / 2;
    // Top 5: the text's box starts there.
    p.drawText(gauche, 5 + m.ascent(), texte);
}

} // namespace VueVecteurs
