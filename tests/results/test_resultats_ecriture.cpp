// The results window's failed exports say why under their message: the text
// of the table and the picture of a graph, onto read-only files.

#include "tests/results/ResultatsTest.h"

#include <QFile>

namespace {

using ResultatsEcriture = ResultatsTest;

QString FichierLectureSeule(const QString& chemin)
{
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("stary");
    f.close();
    EXPECT_TRUE(QFile::setPermissions(chemin, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    return chemin;
}

TEST_F(ResultatsEcriture, TextAndPictureExportsSayTheFileIsReadOnly)
{
    Mesurer(1, 10);
    const QStringList attendu = {"Nastala neznámá chyba.", "Soubor je jen pro čtení."};
    const struct {
        TVueResultats vue;
        const char* nom;
    } exports[] = {{TVueResultats::Tableau, "tabulka.txt"}, {TVueResultats::Temps, "graf.bmp"}};
    for (const auto& e : exports) {
        const QString chemin = FichierLectureSeule(config.Dossier() + "/" + e.nom);
        dialogues.Messages.clear();
        dialogues.Fichiers.push_back(FichierChoisi{chemin, 1});
        Montrer(e.vue, [](TResultats& r) { r.MenuFichierEnregistrer->trigger(); });
        ASSERT_EQ(dialogues.Messages.size(), 1) << e.nom;
        EXPECT_EQ(dialogues.Messages[0].lignes, attendu) << e.nom;
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), "stary") << e.nom;
    }
}

} // namespace
