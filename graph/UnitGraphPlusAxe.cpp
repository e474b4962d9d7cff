#include "graph/UnitGraphPlusAxe.h"

#include "kit/Trace.h"
#include "core/UnitMath.h"

#include <QLocale>
#include <QPainter>
#include <cmath>
#include <cstdio>

using GraphTrace::Arrondi;

namespace {

// "2.00E+04" -> "2.00E+4": at least one exponent digit, sign kept.
QString ExposantCourt(const char* texte)
{
    QString s = QString::fromLatin1(texte);
    const qsizetype e = s.indexOf(u'E');
    qsizetype debut = e + 2; // after the sign
    while (debut < s.size() - 1 && s[debut] == u'0') s.remove(debut, 1);
    return s;
}

QString AvecSeparateur(QString s)
{
    return s.replace(u'.', QLocale().decimalPoint());
}

} // namespace

QString FormaterGraduation(double x, double Min, double Max)
{
    const double a = std::fabs(Max), b = std::fabs(Min), v = std::fabs(x);
    const bool scientifique = ((a >= 10000 || b >= 10000) && (v > 10000 || v < 0.1)) || (v < 0.1 && a < 0.1 && b < 0.1);
    char texte[64];
    if (scientifique) {
        std::snprintf(texte, sizeof texte, "%.2E", x);
        return AvecSeparateur(ExposantCourt(texte));
    }
    const int decimales = v > 1000 ? 0 : v > 100 ? 1 : v > 10 ? 2 : 3;
    // A value that rounds to zero is written without a sign.
    if (v < 0.5 * std::pow(10.0, -decimales)) x = 0;
    std::snprintf(texte, sizeof texte, "%.*f", decimales, x);
    return AvecSeparateur(QString::fromLatin1(texte));
}

TAxe::TAxe(int nbDivisions, QString titre, bool vertical)
    : Titre(std::move(titre)), NbDivisions(nbDivisions), Vertical(vertical)
{
}

int TAxe::LongueurTrace() const
{
    return Vertical ? Zone.Height - MargeHaut : Zone.Width - MargeGauche - MargeDroite;
}

void TAxe::Dessiner(QPainter& p, int longueurGrille, int debutGrille) const
{
    Trace::Remplir(p, Zone.Left, Zone.Top, Zone.Left + Zone.Width, Zone.Top + Zone.Height,
                   Couleur::VersQColor(Couleur));
    if (!Visible || NbDivisions == 0 || NbSousDivisions == 0) return;
    const int pas = Arrondi(double(LongueurTrace()) / NbDivisions);
    EcrireGraduations(p, pas);
    EcrireTitre(p);
    TracerTraits(p, pas, longueurGrille, debutGrille);
}

void TAxe::EcrireGraduations(QPainter& p, int pas) const
{
    p.setFont(GraphTrace::PolicePoints(8));
    p.setPen(QColor(20, 20, 100));
    const QFontMetrics fm = p.fontMetrics();
    const double d = (Max - Min) / NbDivisions;
    for (int i = 0; i <= NbDivisions; ++i) {
        const QString t = FormaterGraduation(Min + i * d, Min, Max);
        const int largeur = fm.horizontalAdvance(t);
        if (Vertical)
            GraphTrace::Ecrire(p, Zone.Left + Zone.Width - largeur - 5,
                               Zone.Top + Zone.Height - fm.height() / 2 - i * pas - 2, t);
        else
            GraphTrace::Ecrire(p, Zone.Left + MargeGauche + i * pas - largeur / 2, Zone.Top + 5, t);
    }
}

void TAxe::EcrireTitre(QPainter& p) const
{
    p.setFont(GraphTrace::PolicePoints(12, true));
    p.setPen(Couleur::VersQColor(Couleur::Bleu));
    const QFontMetrics fm = p.fontMetrics();
    const int largeur = fm.horizontalAdvance(Titre);
    if (!Vertical) {
        GraphTrace::Ecrire(p, (LongueurTrace() - largeur) / 2 + Zone.Left + MargeGauche,
                           Zone.Top + Zone.Height - fm.height() - DecalageTitre, Titre);
        return;
    }
    // Turned a quarter counter-clockwise: the text reads upwards from its
    // starting point, its cell's top towards the left.
    p.save();
    p.translate(DecalageTitre, (largeur + LongueurTrace()) / 2 + Zone.Top + MargeHaut);
    p.rotate(-90);
    GraphTrace::Ecrire(p, 0, 0, Titre);
    p.restore();
}

void TAxe::TracerTraits(QPainter& p, int pas, int longueurGrille, int debutGrille) const
{
    const int x0 = Zone.Left + MargeGauche, y0 = Zone.Top + MargeHaut;
    // The line across the plot at `position` along the axis.
    auto travers = [&](int position, auto&& ligne) {
        if (Vertical)
            ligne(QPoint(debutGrille, position), QPoint(debutGrille + longueurGrille, position));
        else
            ligne(QPoint(position, debutGrille), QPoint(position, debutGrille + longueurGrille));
    };
    // A tick of `longueur` pixels from the plot edge into the band.
    auto trait = [&](GraphTrace::TTraceur& t, int decalage, int longueur) {
        if (Vertical)
            t.Ligne({x0, y0 + decalage}, {x0 - longueur, y0 + decalage});
        else
            t.Ligne({x0 + decalage, Zone.Top}, {x0 + decalage, Zone.Top + longueur});
    };
    const QColor gris = Couleur::VersQColor(Couleur::Gris);

    GraphTrace::TTraceur grille(p, gris);
    for (int i = 1; i < NbDivisions; ++i)
        travers((Vertical ? y0 : x0) + i * pas, [&](QPoint a, QPoint b) { grille.Ligne(a, b); });

    if (Max > 0 && Min < 0 && !EstNul(Max - Min)) {
        p.setPen(QPen(gris, 3));
        const int P = LongueurTrace();
        travers(Vertical ? Arrondi(P * Max / (Max - Min)) + y0 : x0 - Arrondi(P * Min / (Max - Min)),
                [&](QPoint a, QPoint b) { Trace::Ligne(p, a, b); });
    }

    GraphTrace::TTraceur ticks(p, Qt::black);
    for (int i = 0; i <= NbDivisions; ++i) trait(ticks, i * pas, 4);

    GraphTrace::TTraceur sousTicks(p, gris);
    const int sousPas = Arrondi(double(LongueurTrace()) / NbDivisions / NbSousDivisions);
    for (int i = 0; i < NbDivisions; ++i)
        for (int j = 1; j < NbSousDivisions; ++j) trait(sousTicks, i * pas + j * sousPas, 3);
}
