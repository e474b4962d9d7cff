#pragma once
// Everything the print window does without a window: the page set-up, the
// picture `Dessin` and its place, the two ready-made layouts, the title,
// the two copies of "Double", and what the mouse does on the page. The window
// (TImprimer) forwards its controls and the preview's events here and shows
// the page.

#include "print/UnitMBitMap.h"
#include "print/UnitPage.h"

enum class CurseurPage { Defaut, Deplacer, NordOuestSudEst, NordEstSudOuest, NordSud, OuestEst };

class TMiseEnPage {
public:
    // A4 portrait, margins 2.5 / 2.5 / 2 / 2 cm, header shown and footer
    // hidden; `DecalageHaut` is fixed here from the header's fonts.
    TMiseEnPage(double pixelsParPouce, MesureTexte mesure);

    const PageImpression& Page() const { return page_; }
    const MBitMap& Dessin() const { return dessin_; }
    int DecalageHaut() const { return decalageHaut_; }

    // Takes a copy of `source`. A first picture, or one of another pixel
    // size, is laid out centred at the top; one of the same size keeps the
    // place, size and orientation the user left.
    void ChargerImage(const QImage& source);

    void CentreHaut();
    void PleinePage();
    // The picture keeps its place and size.
    void SetOrientation(Orientation o) { page_.SetSens(o); }
    // The part of the paper the chosen printer cannot reach.
    void SetMargesPhysiques(const RectPage& m) { page_.SetMargesPhysiques(m); }
    // The centre caption of the header and of the footer.
    void SetTitre(const QString& texte, const QString& police, int taille);

    bool Double() const { return double_; }
    void SetDouble(bool d);

    // Clears the page and draws the picture (twice with "Double"), with its
    // dotted outline when asked and "Double" is off.
    void Redessiner(bool avecContour);

    // The pointer at `p` on the page: hover, or the drag in progress. All
    // ignored while "Double" is ticked.
    void Deplacement(MPoint p);
    void Appui(MPoint p);
    void Relachement(MPoint p);
    // The cursor the preview shows.
    CurseurPage Curseur() const { return curseur_; }
    bool DeplacementEnCours() const { return deplacement_; }
    bool RedimensionnementEnCours() const { return redimensionnement_; }

private:
    void placerEnHaut();
    void survol(MPoint p);

    PageImpression page_;
    MBitMap dessin_;
    int decalageHaut_ = 0;
    bool double_ = false;
    CurseurPage curseur_ = CurseurPage::Defaut;
    bool deplacement_ = false;
    bool redimensionnement_ = false;
    bool elastiqueCalcule_ = false; // a move came after the press of a resize
    MPoint prise_;                  // pointer minus Position at the press of a move
};
