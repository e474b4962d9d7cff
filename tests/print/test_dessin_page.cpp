// The page painted: preview pixels, the printed page without the preview's
// marks, captions, and the PDF file.

#include "print/UnitDessinPage.h"
#include "tests/print/OutilsPage.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr double Echelle = 0.02; // preview pixels per page unit

const QRgb Blanc = qRgb(255, 255, 255), Argent = qRgb(192, 192, 192), Noir = qRgb(0, 0, 0);

int px(int unites)
{
    return Arrondi(unites * Echelle);
}

// Pixels of column x (or row y) from a to b, not included, equal to c.
int CompterColonne(const QImage& i, int x, int a, int b, QRgb c)
{
    int n = 0;
    for (int y = a; y < b; ++y) n += (i.pixel(x, y) & 0xFFFFFF) == (c & 0xFFFFFF);
    return n;
}

int CompterLigne(const QImage& i, int y, int a, int b, QRgb c)
{
    int n = 0;
    for (int x = a; x < b; ++x) n += (i.pixel(x, y) & 0xFFFFFF) == (c & 0xFFFFFF);
    return n;
}

// Bounding box of the dark grey or black pixels of a zone (the pictures of
// these tests are red).
QRect Encre(const QImage& i, const QRect& zone)
{
    QRect r;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (qRed(i.pixel(x, y)) < 128 && qGreen(i.pixel(x, y)) < 128) r |= QRect(x, y, 1, 1);
    return r;
}

// The page as the printer gets it, on a picture.
QImage Imprimee(const PageImpression& page)
{
    QImage i(px(page.Largeur()), px(page.Hauteur()), QImage::Format_RGB32);
    i.fill(Qt::white);
    QPainter p(&i);
    p.scale(Echelle, Echelle);
    DessinerPage(p, page, false);
    return i;
}

TEST(PageDrawing, PreviewShowsPaperMarginsPictureAndItsDottedOutline)
{
    TMiseEnPage m(Ecran, HauteurTexte);
    m.ChargerImage(ImageUnie(640, 400));
    const QImage i = ImageApercu(m.Page(), Echelle);
    ASSERT_EQ(i.size(), QSize(420, 594));
    const RectPage c = m.Dessin().Cadre();
    EXPECT_EQ(i.pixel(2, 2), Blanc);
    EXPECT_EQ(i.pixel(px((c.Left + c.Right) / 2), px((c.Top + c.Bottom) / 2)), qRgb(255, 0, 0));

    // Left margin (2 cm), below the picture: dotted silver on white.
    const int x = px(2000), bas = px(c.Bottom) + 2;
    const int argent = CompterColonne(i, x, bas, 594, Argent);
    EXPECT_GT(argent, 50);
    EXPECT_EQ(argent + CompterColonne(i, x, bas, 594, Blanc), 594 - bas);
    EXPECT_GT(CompterLigne(i, px(29700 - 2500), 0, 420, Argent), 100);

    // The outline: black dots along the picture's top edge.
    EXPECT_GT(CompterLigne(i, px(c.Top), px(c.Left) + 2, px(c.Right) - 2, Noir), 50);

    // Printed without outline, the page has neither outline nor margins.
    m.Redessiner(false);
    const QImage papier = Imprimee(m.Page());
    EXPECT_EQ(CompterColonne(papier, x, bas, 594, Blanc), 594 - bas);
    EXPECT_EQ(CompterLigne(papier, px(c.Top), px(c.Left) + 2, px(c.Right) - 2, Noir), 0);
    EXPECT_EQ(papier.pixel(px(c.Left) + 5, px(c.Top) + 5), qRgb(255, 0, 0));
}

TEST(PageDrawing, TheTitleIsCentredInTheHeaderAndRepeatedInTheFooterWithDouble)
{
    TMiseEnPage m(Ecran, HauteurTexte);
    m.ChargerImage(ImageUnie(640, 400));
    const PageImpression& page = m.Page();
    const QRect entete(0, px(page.MargeHaut()), 420, px(page.HauteurEntete()));
    EXPECT_TRUE(Encre(ImageApercu(page, Echelle), entete).isNull()); // no title yet

    m.SetTitre(QStringLiteral("Volný pád"), QStringLiteral("Times New Roman"), 16);
    const QRect titre = Encre(ImageApercu(page, Echelle), QRect(0, 0, 420, px(m.DecalageHaut())));
    ASSERT_FALSE(titre.isNull());
    EXPECT_NEAR(titre.center().x(), 210, 3);
    // Inside the header band, which is now the 16-pixel font's.
    EXPECT_GE(titre.top(), px(page.MargeHaut()));
    EXPECT_LE(titre.bottom(), px(page.MargeHaut() + page.HauteurEntete()));
    EXPECT_GT(titre.width(), 30);

    m.SetDouble(true);
    const int piedHaut = px(page.Hauteur() - page.MargeBas() - page.HauteurPied());
    const QImage doublee = ImageApercu(page, Echelle);
    const QRect pied = Encre(doublee, QRect(0, piedHaut, 420, px(page.HauteurPied())));
    ASSERT_FALSE(pied.isNull());
    EXPECT_NEAR(pied.center().x(), 210, 3);
    // Both copies are drawn.
    const auto cadres = CadresImages(page);
    ASSERT_EQ(cadres.size(), 2u);
    for (const RectPage& c : cadres)
        EXPECT_EQ(doublee.pixel(px((c.Left + c.Right) / 2), px((c.Top + c.Bottom) / 2)), qRgb(255, 0, 0));
}

TEST(PageDrawing, TheHeaderHeightComesFromTheCentreFontPlusTwoPixels)
{
    TMiseEnPage m(Ecran, HauteurTexte);
    const int texte = HauteurTexte({QStringLiteral("Times New Roman"), 24});
    EXPECT_GT(texte, HauteurTexte({QStringLiteral("Arial"), 16}));
    EXPECT_EQ(m.Page().HauteurEntete(), Arrondi((texte + 2) * 2540 / Ecran));
    EXPECT_EQ(m.DecalageHaut(), Arrondi((m.Page().HauteurEntete() + 2500) * 1.05));
}

TEST(PageDrawing, APdfPageIsWrittenInTheOrientationOfThePage)
{
    QTemporaryDir dossier;
    TMiseEnPage m(Ecran, HauteurTexte);
    m.ChargerImage(ImageUnie(640, 400));
    m.PleinePage();
    m.Redessiner(false);
    const QString chemin = dossier.filePath(QStringLiteral("page.pdf"));
    {
        QPdfWriter pdf(chemin);
        ASSERT_TRUE(ImprimerPage(pdf, m.Page()));
        EXPECT_EQ(pdf.pageLayout().orientation(), QPageLayout::Landscape);
        EXPECT_EQ(pdf.pageLayout().pageSize().id(), QPageSize::A4);
    }
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray contenu = f.readAll();
    EXPECT_TRUE(contenu.startsWith("%PDF"));
    EXPECT_EQ(contenu.count("/Type /Page\n") + contenu.count("/Type /Page "), 1);
    EXPECT_TRUE(contenu.contains("/Subtype /Image"));

    QPdfWriter impossible(dossier.filePath(QStringLiteral("absent/page.pdf")));
    EXPECT_FALSE(ImprimerPage(impossible, m.Page()));
}

} // namespace
