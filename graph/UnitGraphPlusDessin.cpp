#include "graph/UnitGraphPlusDessin.h"

#include "kit/Trace.h"
#include "resources/UnitChainesRessources.h"

#include <QPainter>
#include <algorithm>
#include <utility>

TDessinGraphe::TDessinGraphe()
    : axeX(5, Chaines::Texte("GraphTitreAxe"), false), axeY(6, Chaines::Texte("GraphTitreAxe"), true)
{
    SetZoomXY(true);
    SetLEchelle(64);
    SetColorBegin(Couleur::Blanc);
    SetColorEnd(Couleur::RGB(166, 202, 240));
    SetAxeXFromTop(20);
    SetAxeYFromRight(20);
    SetAxeYFromLeft(75);
    SetAxeXFromBottom(45);
    SetAxeXVisible(true);
    SetAxeYVisible(true);
    SetColorAxe(Couleur::FaceBouton);
}

void TDessinGraphe::CopierMarges()
{
    for (TAxe* a : {&axeX, &axeY}) {
        a->MargeGauche = axeYFromLeft;
        a->MargeDroite = axeYFromRight;
        a->MargeHaut = axeXFromTop;
        a->MargeBas = axeXFromBottom;
    }
}

void TDessinGraphe::SetAxeYFromLeft(int v)
{
    axeYFromLeft = v;
    CopierMarges();
}

void TDessinGraphe::SetAxeYFromRight(int v)
{
    axeYFromRight = v;
    CopierMarges();
}

void TDessinGraphe::SetAxeXFromTop(int v)
{
    axeXFromTop = v;
    CopierMarges();
}

void TDessinGraphe::SetAxeXFromBottom(int v)
{
    axeXFromBottom = v;
    CopierMarges();
}

void TDessinGraphe::SetTitreAxeXFromEdge(int v)
{
    titreAxeXFromEdge = v;
    axeX.DecalageTitre = v;
}

void TDessinGraphe::SetTitreAxeYFromEdge(int v)
{
    titreAxeYFromEdge = v;
    axeY.DecalageTitre = v;
}

void TDessinGraphe::SetLEchelle(int v)
{
    lEchelle = v;
    for (auto& c : courbes) c->SetLEchelle(v);
}

void TDessinGraphe::SetZoomX(bool v)
{
    zoomX = v;
    if (zoomX || zoomY) zoomXY = false;
}

void TDessinGraphe::SetZoomY(bool v)
{
    zoomY = v;
    if (zoomX || zoomY) zoomXY = false;
}

void TDessinGraphe::SetZoomXY(bool v)
{
    zoomXY = v;
    if (v) zoomX = zoomY = false;
}

void TDessinGraphe::SetColorBegin(TColor c)
{
    colorBegin = c;
    gradient.BeginUpdate();
    gradient.SetColorBegin(c);
    gradient.EndUpdate();
    PeindreFond();
}

void TDessinGraphe::SetColorEnd(TColor c)
{
    colorEnd = c;
    gradient.BeginUpdate();
    gradient.SetColorEnd(c);
    gradient.EndUpdate();
    PeindreFond();
}

void TDessinGraphe::SetColorAxe(TColor c)
{
    colorAxe = c;
    axeX.Couleur = axeY.Couleur = c;
}

void TDessinGraphe::PeindreFond()
{
    if (fond.isNull()) return;
    QPainter p(&fond);
    gradient.Paint(p);
}

TCourbe* TDessinGraphe::CourbeIndex(int index) const
{
    return index >= 0 && index < NbCourbes() ? courbes[index].get() : nullptr;
}

int TDessinGraphe::AddCourbe(int NbPoints, const VecteurPointD& Points, const std::vector<VecteurPointD>& Vecteurs,
                             const QStringList& Unites)
{
    courbes.push_back(std::make_unique<TCourbe>(NbPoints, Points, Vecteurs, Unites));
    Dimensionner(largeur, hauteur);
    SetLimites(limites.Xmin, limites.Xmax, limites.Ymin, limites.Ymax);
    SetLEchelle(lEchelle);
    return NbCourbes() - 1;
}

void TDessinGraphe::ClearCourbes()
{
    actives.clear();
    courbes.clear();
    facteurZoom = PointD{1, 1};
}

void TDessinGraphe::SelectCourbes(const std::vector<int>& Indices, const std::vector<int>& Marques,
                                  const std::vector<TColor>& Couleurs, int SerieVecteurs)
{
    serieVecteurs = SerieVecteurs;
    actives.clear();
    for (std::size_t k = 0; k < Indices.size(); ++k) {
        TCourbe* c = CourbeIndex(Indices[k]);
        if (!c) continue;
        actives.push_back(c);
        c->SetSerieCourante(SerieVecteurs);
        if (k < Marques.size()) c->Marque = Marques[k];
        if (k < Couleurs.size()) c->CouleurPoints = Couleurs[k];
    }
    InitialiserEchelleVecteurs();
}

void TDessinGraphe::InitialiserEchelleVecteurs()
{
    if (actives.empty()) return;
    double M = -1.7e308;
    for (const TCourbe* c : actives) M = std::max(M, c->PlusGrandeNorme());
    for (auto& c : courbes) c->InitialiserEchelle(M);
    echelleVecteurs = actives.front()->EchelleAffichee();
}

void TDessinGraphe::PourChaqueListee(const std::vector<int>& indices, const std::vector<TColor>& couleurs,
                                     void (*appliquer)(TCourbe&, TColor))
{
    for (std::size_t k = 0; k < indices.size() && k < couleurs.size(); ++k)
        if (TCourbe* c = CourbeIndex(indices[k])) appliquer(*c, couleurs[k]);
}

void TDessinGraphe::SetCourbesJointes(const std::vector<int>& Indices, const std::vector<TColor>& Couleurs)
{
    for (auto& c : courbes) c->Jointe = false;
    PourChaqueListee(Indices, Couleurs, [](TCourbe& c, TColor couleur) {
        c.Jointe = true;
        c.CouleurCourbe = couleur;
    });
}

void TDessinGraphe::SetValeursVisibles(const std::vector<int>& Indices, const std::vector<TColor>& Couleurs)
{
    for (auto& c : courbes) c->SetValeursVisibles(false);
    PourChaqueListee(Indices, Couleurs, [](TCourbe& c, TColor couleur) {
        c.SetValeursVisibles(true);
        c.NumerosVisibles = false;
        c.SetCouleurValeurs(couleur);
    });
}

void TDessinGraphe::SetVecteursVisibles(const std::vector<int>& Indices, const std::vector<TColor>& Couleurs)
{
    for (auto& c : courbes) {
        c->SetVecteursVisibles(false);
        c->ToutAfficher();
    }
    PourChaqueListee(Indices, Couleurs, [](TCourbe& c, TColor couleur) {
        c.SetVecteursVisibles(true);
        c.SetCouleurVecteurs(couleur);
    });
}

void TDessinGraphe::SetNumerosVisibles(const std::vector<int>& Indices, const std::vector<TColor>& Couleurs)
{
    for (auto& c : courbes) c->NumerosVisibles = false;
    PourChaqueListee(Indices, Couleurs, [](TCourbe& c, TColor couleur) {
        c.NumerosVisibles = true;
        c.SetValeursVisibles(false);
        c.CouleurNumeros = couleur;
    });
}

void TDessinGraphe::SetCourbePointillee(int Indice, TColor Couleur)
{
    if (TCourbe* c = CourbeIndex(Indice)) {
        c->Pointillee = true;
        c->CouleurCourbe = Couleur;
    }
}

void TDessinGraphe::SetBarres(int Indice, std::vector<double> DemiHauteurs)
{
    if (TCourbe* c = CourbeIndex(Indice)) c->SetBarres(std::move(DemiHauteurs));
}

void TDessinGraphe::SetLimites(double Xmin, double Xmax, double Ymin, double Ymax)
{
    limites = TLimites{Xmin, Xmax, Ymin, Ymax};
    for (auto& c : courbes) c->SetLimites(Xmin, Xmax, Ymin, Ymax);
    axeX.Min = Xmin;
    axeX.Max = Xmax;
    axeY.Min = Ymin;
    axeY.Max = Ymax;
}

bool TDessinGraphe::SetEchelleVecteurs(double Valeur)
{
    // Every drawn curve is offered the value, even after a refusal.
    bool toutes = true;
    for (TCourbe* c : actives) toutes = c->EssayerEchelle(Valeur) && toutes;
    if (toutes) echelleVecteurs = Valeur;
    return toutes;
}

void TDessinGraphe::Dimensionner(int Width, int Height)
{
    largeur = Width;
    hauteur = Height;
    const int lg = LargeurGraphe(), hg = HauteurGraphe();
    if (lg < 0 || hg < 0) return;

    if (image.size() != QSize(largeur, hauteur)) image = QImage(largeur, hauteur, QImage::Format_RGB32);
    // The pattern is stretched again only when the plot's size changes.
    if (fond.size() != QSize(lg, hg)) {
        fond = QImage(lg, hg, QImage::Format_RGB32);
        gradient.SetSize(QSize(lg, hg));
        PeindreFond();
    }

    const TZone zone{axeYFromLeft, axeXFromTop, lg, hg};
    for (auto& c : courbes) c->SetZone(zone);

    // The arrow sets may have had to change their scale value to stay in range.
    double m = 1.7e308;
    for (const TCourbe* c : actives) m = std::min(m, c->EchelleAffichee());
    if (m != echelleVecteurs && m < 1.7e308) {
        for (TCourbe* c : actives) c->SetEchelleAffichee(m);
        echelleVecteurs = m;
    }

    axeX.Zone = TZone{0, hauteur - axeXFromBottom, largeur, axeXFromBottom};
    axeY.Zone = TZone{0, 0, axeYFromLeft, hauteur - axeXFromBottom};
}

void TDessinGraphe::Dessiner()
{
    if (image.isNull()) return;
    QPainter p(&image);
    p.drawImage(QPoint(axeYFromLeft, axeXFromTop), fond);

    const QColor axe = Couleur::VersQColor(colorAxe);
    Trace::Remplir(p, axeYFromLeft, 0, largeur, axeXFromTop, axe);
    Trace::Remplir(p, largeur - axeYFromRight, 0, largeur, hauteur - axeXFromBottom, axe);

    axeX.Dessiner(p, HauteurGraphe(), axeXFromTop);
    axeY.Dessiner(p, LargeurGraphe(), axeYFromLeft);

    for (const TCourbe* c : actives) c->Dessiner(p);

    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    Trace::Rectangle(p, axeYFromLeft, axeXFromTop, largeur - axeYFromRight, hauteur - axeXFromBottom);

    // Raised border.
    GraphTrace::TTraceur clair(p, Qt::white);
    clair.Ligne({0, 0}, {largeur, 0});
    clair.Ligne({0, 0}, {0, hauteur});
    GraphTrace::TTraceur sombre(p, Couleur::VersQColor(Couleur::Gris));
    sombre.Ligne({largeur, hauteur - 1}, {0, hauteur - 1});
    sombre.Ligne({largeur - 1, hauteur}, {largeur - 1, 0});

    if (selection) DessinerSelection(p);
}

void TDessinGraphe::DessinerSelection(QPainter& p) const
{
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    const QPoint a = debutSelection, b = finSelection;
    Trace::Polyligne(p, QPolygon({a, QPoint(a.x(), b.y()), b, QPoint(b.x(), a.y()), a}));
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine));
}
