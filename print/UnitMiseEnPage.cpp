#include "print/UnitMiseEnPage.h"

#include <algorithm>

namespace {

const QString PoliceCentre = QStringLiteral("Times New Roman");
const QString PoliceCotes = QStringLiteral("Arial");

void PoserPolices(Bande& b)
{
    b.gauche.police = {PoliceCotes, 16};
    b.droite.police = {PoliceCotes, 16};
    b.centre.police = {PoliceCentre, 24};
}

} // namespace

TMiseEnPage::TMiseEnPage(double pixelsParPouce, MesureTexte mesure)
    : page_(pixelsParPouce, std::move(mesure)), dessin_(pixelsParPouce)
{
    page_.SetMargesCm(2.5, 2.5, 2, 2);
    PoserPolices(page_.Entete());
    PoserPolices(page_.Pied());
    page_.Entete().visible = true;
    page_.Pied().visible = false;
    // Fixed once: a later title font does not move the layouts.
    decalageHaut_ = Arrondi((page_.HauteurEntete() + page_.MargeHaut()) * 1.05);
}

void TMiseEnPage::ChargerImage(const QImage& source)
{
    const bool etaitVide = dessin_.Vide();
    const bool tailleChangee = dessin_.Pixels().size() != source.size();
    // QImage shares until written: the caller may repaint its own picture
    // afterwards without touching this one.
    dessin_.SetPixels(source);
    if (etaitVide || tailleChangee)
        CentreHaut();
    else
        Redessiner(true);
}

void TMiseEnPage::placerEnHaut()
{
    dessin_.Position = {(page_.Largeur() - dessin_.Largeur()) / 2, decalageHaut_};
}

void TMiseEnPage::CentreHaut()
{
    page_.SetSens(Orientation::Portrait);
    dessin_.SetLargeur(page_.Largeur() - page_.MargeGauche() - page_.MargeDroite());
    placerEnHaut();
    Redessiner(true);
}

void TMiseEnPage::PleinePage()
{
    page_.SetSens(Orientation::Paysage);
    const double s1 = dessin_.EchellePourLargeur(page_.Largeur() - page_.MargeGauche() - page_.MargeDroite());
    const double s2 =
        dessin_.EchellePourHauteur(page_.Hauteur() - decalageHaut_ - page_.MargeBas() - page_.HauteurPied());
    dessin_.SetAgrandissement(std::min(s1, s2));
    placerEnHaut();
    Redessiner(true);
}

void TMiseEnPage::SetTitre(const QString& texte, const QString& police, int taille)
{
    for (Bande* b : {&page_.Entete(), &page_.Pied()}) b->centre = {texte, {police, taille}};
}

void TMiseEnPage::SetDouble(bool d)
{
    if (d == double_) return;
    if (d) CentreHaut();
    double_ = d;
    // The title is printed again under the second copy.
    page_.Pied().visible = d;
    curseur_ = CurseurPage::Defaut;
    Redessiner(true);
}

void TMiseEnPage::Redessiner(bool avecContour)
{
    page_.Effacer();
    if (dessin_.Vide()) return;
    page_.DessinerImage(dessin_.Pixels(), dessin_.Cadre());
    if (!double_) {
        if (avecContour) page_.Contour(dessin_.Cadre());
        return;
    }
    int ecart = page_.Hauteur() - 2 * (dessin_.Hauteur() + decalageHaut_);
    if (ecart < 0) {
        // Two copies do not fit: each gets half the page below DecalageHaut.
        dessin_.SetHauteur(page_.Hauteur() / 2 - decalageHaut_);
        placerEnHaut();
        page_.Effacer();
        page_.DessinerImage(dessin_.Pixels(), dessin_.Cadre());
        ecart = page_.Hauteur() - 2 * (dessin_.Hauteur() + decalageHaut_);
    }
    RectPage second = dessin_.Cadre();
    second.Top += dessin_.Hauteur() + ecart;
    second.Bottom += dessin_.Hauteur() + ecart;
    page_.DessinerImage(dessin_.Pixels(), second);
}

void TMiseEnPage::survol(MPoint p)
{
    if (dessin_.Vide()) {
        curseur_ = CurseurPage::Defaut;
        return;
    }
    // Corner 1, edge 1, corner 2, edge 2 ...: the first zone that holds the
    // pointer decides.
    for (int i = 1; i <= 4; ++i) {
        const bool impair = i % 2 == 1;
        if (dessin_.ZoneCoin(i).Contient(p)) {
            dessin_.SetCoinActif(i);
            curseur_ = impair ? CurseurPage::NordOuestSudEst : CurseurPage::NordEstSudOuest;
            return;
        }
        if (dessin_.ZoneBord(i).Contient(p)) {
            dessin_.SetBordActif(i);
            curseur_ = impair ? CurseurPage::NordSud : CurseurPage::OuestEst;
            return;
        }
    }
    dessin_.SetCoinActif(0);
    curseur_ = dessin_.Cadre().Contient(p) ? CurseurPage::Deplacer : CurseurPage::Defaut;
}

void TMiseEnPage::Deplacement(MPoint p)
{
    if (double_) return;
    if (deplacement_) {
        // Only the outline follows the pointer; the picture moves at release.
        const MPoint coin = p - prise_;
        page_.Effacer();
        page_.Contour({coin.X, coin.Y, coin.X + dessin_.Largeur(), coin.Y + dessin_.Hauteur()});
    } else if (redimensionnement_) {
        page_.Effacer();
        dessin_.CalculerElastique(p);
        elastiqueCalcule_ = true;
        if (!dessin_.Elastique.Vide()) page_.Contour(dessin_.Elastique);
    } else {
        survol(p);
    }
}

void TMiseEnPage::Appui(MPoint p)
{
    if (double_) return;
    if (curseur_ == CurseurPage::Deplacer) {
        if (deplacement_) return;
        deplacement_ = true;
        prise_ = p - dessin_.Position;
    } else if (curseur_ != CurseurPage::Defaut) {
        redimensionnement_ = true;
        elastiqueCalcule_ = false;
    }
}

void TMiseEnPage::Relachement(MPoint p)
{
    if (double_ || !(deplacement_ || redimensionnement_)) return;
    if (deplacement_) {
        dessin_.Position = p - prise_;
    } else if (elastiqueCalcule_) {
        // A press on a zone released without a move leaves the picture as it was.
        dessin_.Position = {dessin_.Elastique.Left, dessin_.Elastique.Top};
        dessin_.SetLargeur(dessin_.Elastique.Largeur());
    }
    deplacement_ = redimensionnement_ = false;
    Redessiner(true);
    curseur_ = CurseurPage::Defaut;
}
