#include "resources/UnitChainesRessources.h"
#include "resources/UnitCurseurs.h"
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
    for (const char* dossier : {"app", "video", "kinematics", "results", "graph", "print", "options", "search", "kit"}) {
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
                EXPECT_TRUE(Chaines::Existe(nom.toStdString())) << nom.toStdString() << " used in " << chemin.toStdString();
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
