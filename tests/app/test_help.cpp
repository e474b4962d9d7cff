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

// One help page per interface language, with its own menu script.
struct PageAide {
    Chaines::Langue langue;
    const char* fichier;
    const char* lang;
    const char* menu;
};

const PageAide Pages[] = {{Chaines::Langue::Tcheque, "Kinotab.html", "cs", "scripts/MenuArray.js"},
                          {Chaines::Langue::Anglais, "Kinotab.en.html", "en", "scripts/MenuArray.en.js"}};

class Aide : public ::testing::TestWithParam<PageAide> {
protected:
    void SetUp() override
    {
        page = EcrireAide(dossier.path(), GetParam().langue);
        ASSERT_EQ(page, dossier.path() + "/" + GetParam().fichier);
        html = lire(page);
        ASSERT_FALSE(html.isEmpty());
    }
    QTemporaryDir dossier;
    QString page;
    QString html;
};

const QStringList Sections = {"PriseEnMain",
                              "Ouvrir",
                              "Charger",
                              "Affichage",
                              "Nombre",
                              "TableauDesValeurs",
                              "RepresentationTemps",
                              "TrajectoireReferentiel",
                              "Vecteurs",
                              "Options",
                              "Desinstaller"};

TEST_P(Aide, SectionsComeInOrderEachWithItsAnchor)
{
    qsizetype avant = -1;
    for (const QString& s : Sections) {
        const qsizetype i = html.indexOf(QStringLiteral("id=\"%1\"").arg(s));
        EXPECT_GT(i, avant) << s.toStdString();
        avant = i;
    }
    EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\">").arg(GetParam().lang)));
    EXPECT_TRUE(html.contains("href=\"Kinotab.css\""));
    const QString css = lire(dossier.path() + "/Kinotab.css");
    EXPECT_TRUE(css.contains("#ffddbb"));
    EXPECT_TRUE(css.contains("#009933"));
}

TEST_P(Aide, EveryPictureAndScriptTheHelpNamesIsWrittenOut)
{
    const QRegularExpression reference(QStringLiteral("(?:src|href)=\"([^\"#:]+)\""));
    int n = 0;
    for (const auto& m : reference.globalMatch(html)) {
        EXPECT_TRUE(QFile::exists(dossier.path() + "/" + m.captured(1))) << m.captured(1).toStdString();
        ++n;
    }
    EXPECT_GE(n, 10);
    EXPECT_TRUE(html.contains(GetParam().menu));
    EXPECT_TRUE(html.contains("scripts/MMenu.js"));
    // Pictures are PNG screenshots.
    for (const QString& f : QDir(dossier.path() + "/images").entryList(QDir::Files)) {
        QFile image(dossier.path() + "/images/" + f);
        ASSERT_TRUE(image.open(QIODevice::ReadOnly));
        EXPECT_TRUE(image.read(8).startsWith("\x89PNG")) << f.toStdString();
    }
}

TEST_P(Aide, TheMenuBarLinksToTheSectionsOfThePage)
{
    const QString menu = lire(dossier.path() + "/" + GetParam().menu);
    const QRegularExpression lien(QStringLiteral("#([A-Za-z]+)"));
    QStringList cibles;
    for (const auto& m : lien.globalMatch(menu)) cibles << m.captured(1);
    for (const QString& s : Sections) EXPECT_TRUE(cibles.contains(s)) << s.toStdString();
    for (const QString& c : cibles) EXPECT_TRUE(html.contains("id=\"" + c + "\"")) << c.toStdString();
}

TEST(AideTcheque, MenuBarEntries)
{
    QTemporaryDir dossier;
    ASSERT_FALSE(EcrireAide(dossier.path(), Chaines::Langue::Tcheque).isEmpty());
    const QString menu = lire(dossier.path() + "/scripts/MenuArray.js");
    for (const char* entree : {"Fichier", "Affichage", "Mesures", "Résultats", "Aide"})
        EXPECT_TRUE(menu.contains(QString::fromUtf8(entree))) << entree;
}

// The English page is a translation: the same anchors, in the same order,
// and the same pictures.
TEST(AideAnglaise, SameAnchorsAndPicturesAsTheCzechPage)
{
    QTemporaryDir dossier;
    const QString cs = lire(EcrireAide(dossier.path(), Chaines::Langue::Tcheque));
    const QString en = lire(EcrireAide(dossier.path(), Chaines::Langue::Anglais));
    const auto liste = [](const QString& html, const char* motif) {
        QStringList l;
        for (const auto& m : QRegularExpression(QString::fromLatin1(motif)).globalMatch(html)) l << m.captured(1);
        return l;
    };
    EXPECT_EQ(liste(en, "id=\"([^\"]+)\""), liste(cs, "id=\"([^\"]+)\""));
    EXPECT_EQ(liste(en, "<img src=\"([^\"]+)\""), liste(cs, "<img src=\"([^\"]+)\""));
    EXPECT_EQ(liste(en, "<kbd>([^<]+)</kbd>").size(), liste(cs, "<kbd>([^<]+)</kbd>").size());
    EXPECT_FALSE(en.contains(QString::fromUtf8("ř")));
}

TEST_P(Aide, OverlayKeysAndTheMarkedPlacesForOtherTopics)
{
    EXPECT_TRUE(html.contains("<kbd>+</kbd>"));
    EXPECT_TRUE(html.contains("<kbd>=</kbd>"));
    EXPECT_TRUE(html.contains("<kbd>-</kbd>"));
    EXPECT_TRUE(html.contains("id=\"KlavesoveZkratky\""));
    EXPECT_TRUE(html.contains("id=\"VideaZTelefonu\""));
}

INSTANTIATE_TEST_SUITE_P(Langues, Aide, ::testing::ValuesIn(Pages),
                         [](const auto& i) { return std::string(i.param.lang); });

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
