#include "tests/print/OutilsPage.h"

#include <gtest/gtest.h>

namespace {

TEST(PageModel, A4WithItsMarginsAndAHeaderWhoseCentreFontFixesDecalageHaut)
{
    TMiseEnPage m(Ecran, MesureFictive);
    const PageImpression& page = m.Page();
    EXPECT_EQ(page.Sens(), Orientation::Portrait);
    EXPECT_EQ(page.Largeur(), 21000);
    EXPECT_EQ(page.Hauteur(), 29700);
    EXPECT_EQ(page.MargeHaut(), 2500);
    EXPECT_EQ(page.MargeBas(), 2500);
    EXPECT_EQ(page.MargeGauche(), 2000);
    EXPECT_EQ(page.MargeDroite(), 2000);
    // Times New Roman 24 px measures 27 px; plus 2 px at 96 px per inch.
    EXPECT_EQ(page.HauteurEntete(), 767);
    EXPECT_EQ(page.HauteurPied(), 0);
    EXPECT_EQ(m.DecalageHaut(), 3430); // nearest((767 + 2500) * 1.05)

    // A larger title font makes the header taller but the layouts keep
    // the offset fixed at creation.
    m.SetTitre(QStringLiteral("Pád"), QStringLiteral("Times New Roman"), 80);
    EXPECT_EQ(page.Entete().centre.texte, QStringLiteral("Pád"));
    EXPECT_EQ(page.Pied().centre.police.hauteur, 80);
    EXPECT_GT(page.HauteurEntete(), 767);
    EXPECT_EQ(m.DecalageHaut(), 3430);

    PageImpression paysage(Ecran, MesureFictive);
    paysage.SetSens(Orientation::Paysage);
    EXPECT_EQ(paysage.Largeur(), 29700);
    EXPECT_EQ(paysage.Hauteur(), 21000);
}

TEST(PageModel, PageSizeFollowsTheScaleAndTheScreenResolution)
{
    MBitMap b(Ecran);
    b.SetPixels(ImageUnie(96, 48));
    EXPECT_EQ(b.Largeur(), 2540); // one inch at scale 1
    EXPECT_EQ(b.Hauteur(), 1270);
    b.SetAgrandissement(2.5);
    EXPECT_EQ(b.Largeur(), 6350);
    b.SetHauteur(1000); // the width follows, proportions kept
    EXPECT_DOUBLE_EQ(b.Agrandissement(), 1000 / (48 * 2540.0 / 96));
    EXPECT_EQ(b.Largeur(), 2000);
    EXPECT_DOUBLE_EQ(b.RapportLH(), 2.0);
    EXPECT_DOUBLE_EQ(b.RapportHL(), 0.5);

    MBitMap fin(120);
    fin.SetPixels(ImageUnie(120, 60));
    EXPECT_EQ(fin.Largeur(), 2540);
    EXPECT_EQ(fin.Hauteur(), 1270);
}

TEST(PageModel, FirstPrintingIsCentredAtTheTop170mmWideWithItsOutline)
{
    TMiseEnPage m(Ecran, MesureFictive);
    m.ChargerImage(ImageUnie(640, 400));
    const MBitMap& d = m.Dessin();
    EXPECT_EQ(m.Page().Sens(), Orientation::Portrait);
    EXPECT_EQ(d.Largeur(), 17000);
    EXPECT_EQ(d.Hauteur(), 10625);
    EXPECT_EQ(d.Position, (MPoint{2000, m.DecalageHaut()}));
    EXPECT_EQ(Compter(m.Page()), std::make_pair(1, 4));
    EXPECT_EQ(CadresImages(m.Page()).front(), d.Cadre());

    m.Redessiner(false);
    EXPECT_EQ(Compter(m.Page()), std::make_pair(1, 0));
}

TEST(PageModel, APictureOfTheSameSizeKeepsTheUsersPlaceAndAnotherSizeIsLaidOutAgain)
{
    TMiseEnPage m(Ecran, MesureFictive);
    m.ChargerImage(ImageUnie(640, 400));
    m.PleinePage();
    m.SetOrientation(Orientation::Portrait); // the user's own choice, kept too
    // Move the picture with the mouse.
    const MPoint centre{m.Dessin().Position.X + 5000, m.Dessin().Position.Y + 5000};
    m.Deplacement(centre);
    m.Appui(centre);
    m.Deplacement({centre.X - 700, centre.Y + 300});
    m.Relachement({centre.X - 700, centre.Y + 300});
    const MPoint place = m.Dessin().Position;
    const int largeur = m.Dessin().Largeur();
    ASSERT_NE(largeur, 17000);

    m.ChargerImage(ImageUnie(640, 400, Qt::blue));
    EXPECT_EQ(m.Dessin().Position, place);
    EXPECT_EQ(m.Dessin().Largeur(), largeur);
    EXPECT_EQ(m.Page().Sens(), Orientation::Portrait);
    EXPECT_EQ(m.Dessin().Pixels().pixelColor(0, 0), QColor(Qt::blue));

    m.PleinePage();
    m.ChargerImage(ImageUnie(500, 400));
    EXPECT_EQ(m.Page().Sens(), Orientation::Portrait);
    EXPECT_EQ(m.Dessin().Largeur(), 17000);
    EXPECT_EQ(m.Dessin().Position, (MPoint{2000, m.DecalageHaut()}));
}

TEST(PageModel, FullPageIsLimitedByTheWidthOfAWideGraphAndTheHeightOfATallOne)
{
    TMiseEnPage m(Ecran, MesureFictive);
    m.ChargerImage(ImageUnie(800, 200));
    m.PleinePage();
    EXPECT_EQ(m.Page().Sens(), Orientation::Paysage);
    EXPECT_EQ(m.Dessin().Largeur(), 29700 - 4000);
    EXPECT_EQ(m.Dessin().Hauteur(), 6425);
    EXPECT_EQ(m.Dessin().Position, (MPoint{2000, m.DecalageHaut()}));

    m.ChargerImage(ImageUnie(300, 600));
    m.PleinePage();
    const int disponible = 21000 - m.DecalageHaut() - 2500; // the footer is hidden
    EXPECT_EQ(m.Dessin().Hauteur(), disponible);
    EXPECT_EQ(m.Dessin().Largeur(), Arrondi(disponible / 2.0));
    EXPECT_EQ(m.Dessin().Position, (MPoint{(29700 - m.Dessin().Largeur()) / 2, m.DecalageHaut()}));
}

TEST(PageModel, DoubleShrinksATallPictureToHalfThePageAndStartsTheSecondCopyAtTheMiddle)
{
    TMiseEnPage m(Ecran, MesureFictive);
    m.ChargerImage(ImageUnie(300, 600));
    m.PleinePage(); // ticking Double lays the picture out centred at the top first
    m.SetDouble(true);
    const int D = m.DecalageHaut();
    EXPECT_EQ(m.Page().Sens(), Orientation::Portrait);
    EXPECT_EQ(m.Dessin().Hauteur(), 29700 / 2 - D);
    EXPECT_EQ(m.Dessin().Position, (MPoint{(21000 - m.Dessin().Largeur()) / 2, D}));
    const auto cadres = CadresImages(m.Page());
    ASSERT_EQ(cadres.size(), 2u);
    EXPECT_EQ(Compter(m.Page()).second, 0); // no outline while Double is ticked
    EXPECT_EQ(cadres[0], m.Dessin().Cadre());
    EXPECT_EQ(cadres[1].Top, 29700 / 2);
    EXPECT_EQ(cadres[1].Left, cadres[0].Left);
    EXPECT_EQ(cadres[1].Hauteur(), cadres[0].Hauteur());
    EXPECT_TRUE(m.Page().Pied().visible);

    // Unticking keeps the smaller picture and hides the footer.
    const int hauteur = m.Dessin().Hauteur();
    m.SetDouble(false);
    EXPECT_FALSE(m.Page().Pied().visible);
    EXPECT_EQ(m.Dessin().Hauteur(), hauteur);
    EXPECT_EQ(Compter(m.Page()), std::make_pair(1, 4));
}

TEST(PageModel, DoubleWithAWidePictureSpreadsTheTwoCopiesSymmetrically)
{
    TMiseEnPage m(Ecran, MesureFictive);
    m.ChargerImage(ImageUnie(640, 400));
    m.SetDouble(true);
    const auto cadres = CadresImages(m.Page());
    ASSERT_EQ(cadres.size(), 2u);
    EXPECT_EQ(cadres[0].Hauteur(), 10625); // fits twice: not shrunk
    EXPECT_EQ(cadres[0].Top, m.DecalageHaut());
    EXPECT_EQ(cadres[1].Bottom, 29700 - m.DecalageHaut());
    EXPECT_GT(cadres[1].Top, cadres[0].Bottom);
}

TEST(PageModel, OrientationButtonsKeepThePicturesPlaceAndSize)
{
    TMiseEnPage m(Ecran, MesureFictive);
    m.ChargerImage(ImageUnie(640, 400));
    const RectPage avant = m.Dessin().Cadre();
    m.SetOrientation(Orientation::Paysage);
    EXPECT_EQ(m.Page().Largeur(), 29700);
    EXPECT_EQ(m.Dessin().Cadre(), avant);
}

TEST(PageModel, AnEmptyPageHasNothingToDrawAndNoZones)
{
    TMiseEnPage m(Ecran, MesureFictive);
    m.CentreHaut();
    m.PleinePage();
    EXPECT_TRUE(m.Page().Elements().empty());
    m.Deplacement({0, 0});
    EXPECT_EQ(m.Curseur(), CurseurPage::Defaut);
    m.Appui({0, 0});
    EXPECT_FALSE(m.RedimensionnementEnCours());
}

} // namespace
