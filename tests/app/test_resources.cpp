#include "resources/UnitChainesRessources.h"
#include "resources/UnitCurseurs.h"
#include "resources/UnitGlyphes.h"
#include "resources/UnitGlyphesMenus.h"
#include "resources/UnitImages.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#ifndef KINOTAB_SOURCE_DIR
#error "KINOTAB_SOURCE_DIR must name the source tree"
#endif

TEST(StringTable, EveryNameTheCodeUsesExistsAndNoNameIsDefinedTwice)
{
    QSet<QString> vus;
    int noms = 0;
    QDirIterator it(KINOTAB_SOURCE_DIR "/resources/strings", {"*.txt"}, QDir::Files);
    while (it.hasNext()) {
        QFile f(it.next());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        for (const QByteArray& ligne : f.readAll().split('\n')) {
            if (ligne.isEmpty() || ligne.startsWith('#') || !ligne.contains('=')) continue;
            const QString nom = QString::fromUtf8(ligne.left(ligne.indexOf('='))).trimmed();
            EXPECT_FALSE(vus.contains(nom)) << nom.toStdString() << " defined twice";
            vus.insert(nom);
        }
    }
    const QRegularExpression usage(R"re(Texte\("([A-Za-z0-9_]+)"\))re");
    for (const char* dossier :
         {"app", "video", "kinematics", "results", "graph", "print", "options", "search", "kit"}) {
        QDirIterator src(QString(KINOTAB_SOURCE_DIR "/") + dossier, {"*.cpp", "*.h"}, QDir::Files,
                         QDirIterator::Subdirectories);
        while (src.hasNext()) {
            const QString chemin = src.next();
            QFile f(chemin);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            auto m = usage.globalMatch(QString::fromUtf8(f.readAll()));
            while (m.hasNext()) {
                const QString nom = m.next().captured(1);
                ++noms;
                EXPECT_TRUE(Chaines::Existe(nom.toStdString()))
                    << nom.toStdString() << " used in " << chemin.toStdString();
            }
        }
    }
    EXPECT_GT(noms, 5);
    EXPECT_EQ(Chaines::Texte("NoSuchName"), "<NoSuchName>");
}

TEST(StringTable, EscapesAndDuplicatesAreHandled)
{
    const QStringList doubles = Chaines::Ajouter("TestLignes=a\\nb\\\\c\nTestLignes=x\n");
    EXPECT_EQ(doubles, QStringList({"TestLignes"}));
    EXPECT_EQ(Chaines::Texte("TestLignes"), "x");
    Chaines::Ajouter("TestEchappe=un\\ndeux\\\\\r\n");
    EXPECT_EQ(Chaines::Texte("TestEchappe"), "un\ndeux\\");
}

TEST(Cursors, TwentyTwoAreRegisteredUnderTheirNumbers)
{
    EXPECT_EQ(Curseurs::NomRessource(1), "MarqueNoir");
    EXPECT_EQ(Curseurs::NomRessource(16), "OrigineBlanc");
    EXPECT_EQ(Curseurs::NomRessource(22), "ClickZoomer");
    EXPECT_TRUE(Curseurs::NomRessource(23).isEmpty());
    for (int n = 1; n <= Curseurs::Nombre; ++n) {
        const QCursor c = Curseurs::Curseur(n);
        EXPECT_EQ(c.shape(), Qt::BitmapCursor) << n;
        EXPECT_EQ(c.hotSpot(), Curseurs::PointChaud(n)) << n;
        const QImage image = Curseurs::ImageCurseur(n);
        ASSERT_EQ(image.size(), QSize(32, 32)) << n;
        QImage vide(32, 32, image.format());
        vide.fill(Qt::transparent);
        EXPECT_NE(image, vide) << n << ": nothing drawn";
    }
    EXPECT_NE(Curseurs::ImageCurseur(1), Curseurs::ImageCurseur(2));
    EXPECT_NE(Curseurs::ImageCurseur(4), Curseurs::ImageCurseur(5));
    EXPECT_EQ(Curseurs::Curseur(0).shape(), Qt::ArrowCursor);
}

TEST(Pictures, MainWindowPicturesAndTitleExist)
{
    ASSERT_EQ(Images::NomsFiche().size(), 22);
    QSet<QByteArray> distinctes;
    for (const QString& nom : Images::NomsFiche()) {
        const QImage i = Images::Image(nom.toStdString());
        ASSERT_FALSE(i.isNull()) << nom.toStdString();
        distinctes.insert(QByteArray(reinterpret_cast<const char*>(i.constBits()), i.sizeInBytes()));
    }
    EXPECT_EQ(distinctes.size(), 22) << "two pictures look the same";
    EXPECT_EQ(Images::Image("BmpTitre").size(), QSize(640, 400));
    EXPECT_TRUE(Images::Image("Nothing").isNull());
}

namespace {

// `petite` with each pixel repeated over a 2 x 2 block.
QImage Doublee(const QImage& petite)
{
    return petite.scaled(petite.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool SansDemiTeintes(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const int a = qAlpha(image.pixel(x, y)); a != 0 && a != 255) return false;
    return true;
}

} // namespace

// At a device pixel ratio of 2 each picture is drawn anew on four times the
// pixels: one-pixel lines stay one logical pixel, two device pixels, with no
// blend, and text and curves gain the detail a scaled copy could not have.
TEST(HiDpi, CursorsAreDrawnOnSixtyFourPixelsWithTheirHotSpotInLogicalPixels)
{
    for (int n = 1; n <= Curseurs::Nombre; ++n) {
        const QImage deux = Curseurs::ImageCurseur(n, 2);
        ASSERT_EQ(deux.size(), QSize(64, 64)) << n;
        EXPECT_EQ(deux.devicePixelRatio(), 2) << n;
        const QCursor c = Curseurs::CreerCurseur(n, 2);
        EXPECT_EQ(c.pixmap().devicePixelRatio(), 2) << n;
        EXPECT_EQ(c.hotSpot(), Curseurs::PointChaud(n)) << n;
    }
    // The cross hair alone is made of one-pixel lines: exactly doubled.
    EXPECT_EQ(Curseurs::ImageCurseur(1, 2), Doublee(Curseurs::ImageCurseur(1)));
    EXPECT_TRUE(SansDemiTeintes(Curseurs::ImageCurseur(1, 2)));
    // Its digit is set again at twice the size.
    EXPECT_NE(Curseurs::ImageCurseur(4, 2), Doublee(Curseurs::ImageCurseur(4)));
}

TEST(HiDpi, ButtonIconsCarryANativeTwiceSizedPicture)
{
    const QImage marque = ImageGlyphe(Glyphe::Marque, true, 2);
    ASSERT_EQ(marque.size(), QSize(44, 44));
    EXPECT_EQ(marque.devicePixelRatio(), 2);
    EXPECT_EQ(marque, Doublee(ImageGlyphe(Glyphe::Marque)));
    EXPECT_TRUE(SansDemiTeintes(marque));
    // Anti-aliased shapes are not a doubled copy: their edges are finer.
    EXPECT_NE(ImageGlyphe(Glyphe::Lecture, true, 2), Doublee(ImageGlyphe(Glyphe::Lecture)));

    const QIcon icone = IconeGlyphe(Glyphe::Lecture);
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        const QPixmap pixmap = icone.pixmap(QSize(22, 22), 2, mode);
        EXPECT_EQ(pixmap.devicePixelRatio(), 2);
        EXPECT_EQ(pixmap.toImage(), ImageGlyphe(Glyphe::Lecture, mode == QIcon::Normal, 2)) << int(mode);
        EXPECT_EQ(icone.pixmap(QSize(22, 22), 1, mode).toImage(), ImageGlyphe(Glyphe::Lecture, mode == QIcon::Normal));
    }
}

TEST(HiDpi, MenuGlyphLinesOnWholePixelsAreSolidAtRatioTwo)
{
    // The table's vertical line at x = 6 straddles two pixels at 1x, blended
    // with the paper; at 2x it covers device columns 11 and 12 in full ink.
    const QImage une = ImageGlypheMenu(GlypheMenu::Tableau);
    const QImage deux = ImageGlypheMenu(GlypheMenu::Tableau, 2);
    ASSERT_EQ(deux.size(), QSize(32, 32));
    EXPECT_EQ(deux.devicePixelRatio(), 2);
    const QRgb encre = qRgb(40, 40, 40);
    EXPECT_NE(une.pixel(5, 8), encre);
    EXPECT_NE(une.pixel(6, 8), encre);
    EXPECT_EQ(deux.pixel(11, 16), encre);
    EXPECT_EQ(deux.pixel(12, 16), encre);
    EXPECT_EQ(IconeGlypheMenu(GlypheMenu::Tableau).pixmap(QSize(16, 16), 2).toImage(), deux);
}

TEST(HiDpi, PicturesAreDrawnAtTheRatioAskedAndKeptApart)
{
    for (const QString& nom : Images::NomsFiche()) {
        const QImage deux = Images::Image(nom.toStdString(), 2);
        EXPECT_EQ(deux.size(), Images::Image(nom.toStdString()).size() * 2) << nom.toStdString();
        EXPECT_EQ(deux.devicePixelRatio(), 2) << nom.toStdString();
        EXPECT_NE(deux, Doublee(Images::Image(nom.toStdString()))) << nom.toStdString();
    }
    EXPECT_EQ(Images::Image("BmpTitre", 2).size(), QSize(1280, 800));
    EXPECT_EQ(Images::Image("BmpTitre").devicePixelRatio(), 1);
    EXPECT_EQ(Images::Icone("BmpMarqueNB").pixmap(QSize(32, 32), 2).devicePixelRatio(), 2);
}
