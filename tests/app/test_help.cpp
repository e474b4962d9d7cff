#include "app/UnitAide.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

class Aide : public ::testing::Test {
protected:
    void SetUp() override
    {
        page = EcrireAide(dossier.path());
        ASSERT_EQ(page, dossier.path() + "/Kinotab.html");
        html = lire(page);
        ASSERT_FALSE(html.isEmpty());
    }
    QTemporaryDir dossier;
    QString page;
    QString html;
};

const QStringList Sections = {"PriseEnMain", "Ouvrir", "Charger", "Affichage", "Nombre", "TableauDesValeurs",
                              "RepresentationTemps", "TrajectoireReferentiel", "Vecteurs", "Options", "Desinstaller"};

TEST_F(Aide, SectionsComeInOrderEachWithItsAnchor)
{
    qsizetype avant = -1;
    for (const QString& s : Sections) {
        const qsizetype i = html.indexOf(QStringLiteral("id=\"%1\"").arg(s));
        EXPECT_GT(i, avant) << s.toStdString();
        avant = i;
    }
    EXPECT_TRUE(html.contains("lang=\"cs\""));
    EXPECT_TRUE(html.contains("#ffddbb"));
    EXPECT_TRUE(html.contains("#009933"));
}

TEST_F(Aide, EveryPictureAndScriptTheHelpNamesIsWrittenOut)
{
    const QRegularExpression reference(QStringLiteral("(?:src|href)=\"([^\"#:]+)\""));
    int n = 0;
    for (const auto& m : reference.globalMatch(html)) {
        EXPECT_TRUE(QFile::exists(dossier.path() + "/" + m.captured(1))) << m.captured(1).toStdString();
        ++n;
    }
    EXPECT_GE(n, 10);
    EXPECT_TRUE(html.contains("scripts/MenuArray.js"));
    EXPECT_TRUE(html.contains("scripts/MMenu.js"));
    // Pictures are PNG screenshots.
    for (const QString& f : QDir(dossier.path() + "/images").entryList(QDir::Files)) {
        QFile image(dossier.path() + "/images/" + f);
        ASSERT_TRUE(image.open(QIODevice::ReadOnly));
        EXPECT_TRUE(image.read(8).startsWith("\x89PNG")) << f.toStdString();
    }
}

TEST_F(Aide, TheMenuBarLinksToTheSectionsOfThePage)
{
    const QString menu = lire(dossier.path() + "/scripts/MenuArray.js");
    const QRegularExpression lien(QStringLiteral("#([A-Za-z]+)"));
    QStringList cibles;
    for (const auto& m : lien.globalMatch(menu)) cibles << m.captured(1);
    for (const QString& s : Sections) EXPECT_TRUE(cibles.contains(s)) << s.toStdString();
    for (const QString& c : cibles) EXPECT_TRUE(html.contains("id=\"" + c + "\"")) << c.toStdString();
    for (const char* entree : {"Fichier", "Affichage", "Mesures", "Résultats", "Aide"})
        EXPECT_TRUE(menu.contains(QString::fromUtf8(entree))) << entree;
}

TEST_F(Aide, OverlayKeysAndTheMarkedPlacesForOtherTopics)
{
    EXPECT_TRUE(html.contains("<kbd>+</kbd>"));
    EXPECT_TRUE(html.contains("<kbd>=</kbd>"));
    EXPECT_TRUE(html.contains("<kbd>-</kbd>"));
    EXPECT_TRUE(html.contains("id=\"KlavesoveZkratky\""));
    EXPECT_TRUE(html.contains("id=\"VideaZTelefonu\""));
}

TEST(AideTemporaire, WrittenOnceToAPrivateFolderAndAgainOnEachCall)
{
    const QString page = PreparerAide();
    ASSERT_FALSE(page.isEmpty());
    EXPECT_TRUE(page.startsWith(QDir::tempPath() + "/kinotab-aide-"));
    EXPECT_EQ(QFile(QFileInfo(page).absolutePath()).permissions() & (QFile::ReadOther | QFile::WriteOther), 0);
    QFile::remove(page);
    EXPECT_EQ(PreparerAide(), page);
    EXPECT_TRUE(QFile::exists(page));
}

} // namespace
