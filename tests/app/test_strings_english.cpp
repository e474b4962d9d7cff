// The English string table beside the Czech one, and the choice between them.
#include "resources/UnitChainesRessources.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using Chaines::ChoisirLangue;
using Chaines::Langue;

QHash<QString, QString> lireFichier(const QString& chemin)
{
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << chemin.toStdString();
    return Chaines::Lire(QString::fromUtf8(f.readAll()));
}

// What a translation must keep of the Czech text: its placeholders, the
// status-bar-only mark of a hint, the accelerator and the filter's fields.
QString forme(const QString& texte)
{
    static const QRegularExpression jetons(R"(%[0-9s])");
    QStringList r;
    auto m = jetons.globalMatch(texte);
    while (m.hasNext()) r << m.next().captured();
    r.sort();
    r << (texte.startsWith(u'|') ? "hint" : "") << QString::number(texte.count(u'&'))
      << QString::number(texte.count(u'|'));
    return r.join(u' ');
}

} // namespace

TEST(InterfaceLanguage, VariableOverridesTheLocaleWhichChoosesEnglishOnlyForEnglish)
{
    EXPECT_EQ(ChoisirLangue("", "en_US"), Langue::Anglais);
    EXPECT_EQ(ChoisirLangue("", "en_GB"), Langue::Anglais);
    EXPECT_EQ(ChoisirLangue("", "en"), Langue::Anglais);
    for (const char* locale : {"cs_CZ", "fr_FR", "de_DE", "sk_SK", "C", ""})
        EXPECT_EQ(ChoisirLangue("", locale), Langue::Tcheque) << locale;
    EXPECT_EQ(ChoisirLangue("cs", "en_US"), Langue::Tcheque);
    EXPECT_EQ(ChoisirLangue("en", "cs_CZ"), Langue::Anglais);
    EXPECT_EQ(ChoisirLangue("en", "fr_FR"), Langue::Anglais);
    // A value that names no language of the program leaves the locale's choice.
    EXPECT_EQ(ChoisirLangue("de", "en_US"), Langue::Anglais);
    EXPECT_EQ(ChoisirLangue("EN", "cs_CZ"), Langue::Tcheque);
}

TEST(InterfaceLanguage, EveryCzechTextHasAnEnglishOneOfTheSameForm)
{
    const QDir tcheque(":/strings"), anglais(":/strings/en");
    const QStringList fichiers = tcheque.entryList({"*.txt"}, QDir::Files, QDir::Name);
    ASSERT_FALSE(fichiers.isEmpty());
    EXPECT_EQ(anglais.entryList({"*.txt"}, QDir::Files, QDir::Name), fichiers)
        << "each Czech file has an English file of the same name";
    int noms = 0;
    for (const QString& fichier : fichiers) {
        const auto cs = lireFichier(tcheque.filePath(fichier));
        const auto en = lireFichier(anglais.filePath(fichier));
        for (auto it = cs.cbegin(); it != cs.cend(); ++it) {
            ++noms;
            const std::string nom = (fichier + ": " + it.key()).toStdString();
            ASSERT_TRUE(en.contains(it.key())) << nom << " has no English text";
            EXPECT_FALSE(en.value(it.key()).isEmpty() && !it.value().isEmpty()) << nom;
            EXPECT_EQ(forme(en.value(it.key())), forme(it.value())) << nom;
        }
        for (auto it = en.cbegin(); it != en.cend(); ++it)
            EXPECT_TRUE(cs.contains(it.key()))
                << fichier.toStdString() << ": " << it.key().toStdString() << " is English only";
    }
    EXPECT_GT(noms, 200);
}

// Run once with KINOTAB_LANG=cs and once with KINOTAB_LANG=en.
TEST(InterfaceLanguage, TheTableHoldsTheTextsOfTheProcessLanguage)
{
    Chaines::Charger();
    if (Chaines::LangueDuSysteme() == Langue::Anglais) {
        EXPECT_EQ(Chaines::Texte("MenuFichier"), "File");
        EXPECT_EQ(Chaines::Texte("MenuResultatsTableauDesValeurs"), "Table of values");
    } else {
        EXPECT_EQ(Chaines::Texte("MenuFichier"), "Soubor");
        EXPECT_EQ(Chaines::Texte("MenuResultatsTableauDesValeurs"), "Tabulka hodnot");
    }
    EXPECT_EQ(Chaines::Texte("TitreApplication"), "Kinotab");
}
