#include "search/UnitAnimationRecherche.h"
#include "search/UnitRecherche.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <QTest>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class Recherche : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* f : {"b.avi", "a.ktb", "sub/c.avi", "sub/d.AVI", ".h.avi", "notes.txt"}) {
            QDir().mkpath(QFileInfo(racine.filePath(f)).absolutePath());
            QFile fichier(racine.filePath(f));
            ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
        }
        chemin = QDir(racine.path()).canonicalPath();
    }

    // Runs a search from the window's buttons and waits for its end.
    void Chercher()
    {
        QSignalSpy fin(&recherche, &TRecherche::RechercheTerminee);
        recherche.ButtonRechercher->click();
        EXPECT_TRUE(recherche.EnRecherche());
        EXPECT_TRUE(recherche.ButtonStop->isEnabled());
        EXPECT_FALSE(recherche.ButtonRechercher->isEnabled());
        EXPECT_FALSE(recherche.ButtonOuvrir->isEnabled());
        EXPECT_FALSE(recherche.ListView->header()->sectionsClickable());
        ASSERT_TRUE(fin.wait(10000));
    }

    QList<QStringList> Lignes() const
    {
        QList<QStringList> r;
        for (int i = 0; i < recherche.ListView->topLevelItemCount(); ++i)
            r << QStringList{recherche.ListView->topLevelItem(i)->text(0),
                             recherche.ListView->topLevelItem(i)->text(1)};
        return r;
    }

    QTemporaryDir racine;
    QString chemin;
    TRecherche recherche;
};

TEST_F(Recherche, LayoutFilterAndColumns)
{
    EXPECT_EQ(recherche.windowTitle(), "Vyhledat");
    EXPECT_EQ(recherche.size(), QSize(476, 273));
    EXPECT_EQ(recherche.minimumSize(), recherche.maximumSize());
    ASSERT_EQ(recherche.FilterComboBox->count(), 2);
    // Every video the program opens, AVI first.
    const QString masques = recherche.FilterComboBox->itemData(0).toString();
    EXPECT_TRUE(masques.startsWith("*.avi;*.mp4;")) << masques.toStdString();
    EXPECT_TRUE(masques.split(u';').contains("*.mkv") && masques.split(u';').contains("*.webm"));
    EXPECT_EQ(recherche.FilterComboBox->itemText(0), "Videosoubor (" + masques + ")");
    EXPECT_EQ(recherche.FilterComboBox->itemText(1), "Soubor Kinotab (*.ktb)");
    EXPECT_EQ(recherche.FilterComboBox->itemData(1).toString(), "*.ktb");
    EXPECT_EQ(recherche.FilterComboBox->currentIndex(), 0);
    EXPECT_EQ(recherche.ListView->headerItem()->text(0), "Název");
    EXPECT_EQ(recherche.ListView->headerItem()->text(1), "Ve složce");
    EXPECT_EQ(recherche.ListView->columnWidth(0), 125);
    EXPECT_EQ(recherche.ListView->columnWidth(1), 400);
    EXPECT_EQ(recherche.ListView->geometry(), QRect(9, 48, 288, 150));
    EXPECT_EQ(recherche.DirectoryListBox->geometry(), QRect(310, 14, 155, 227));
    EXPECT_EQ(recherche.ButtonRechercher->geometry(), QRect(76, 216, 75, 25));
    EXPECT_EQ(recherche.ButtonStop->geometry(), QRect(157, 216, 55, 25));
    EXPECT_EQ(recherche.ButtonOuvrir->geometry(), QRect(232, 216, 65, 25));
    EXPECT_GT(recherche.DriveComboBox->count(), 0);
    // Before the first search all three buttons are enabled, and Stop does nothing.
    for (QPushButton* b : {recherche.ButtonRechercher, recherche.ButtonStop, recherche.ButtonOuvrir})
        EXPECT_TRUE(b->isEnabled());
    recherche.ButtonStop->click();
    EXPECT_FALSE(recherche.EnRecherche());

    recherche.show();
    // The animation sits centred left of "Vyhledat", between the list and the status bar.
    EXPECT_EQ(recherche.Animate->x(), (76 - TAnimationRecherche::Largeur) / 2);
    EXPECT_EQ(recherche.Animate->y(), 198 + (254 - 198 - TAnimationRecherche::Hauteur) / 2);
    EXPECT_FALSE(recherche.Animate->Actif());
}

TEST_F(Recherche, ChoosingAFolderShowsItsPath)
{
    recherche.ChoisirDossier(racine.filePath("sub"));
    EXPECT_EQ(recherche.DossierChoisi(), chemin + "/sub");
    EXPECT_EQ(recherche.StatusTexte->text(), "Cesta hledání : " + chemin + "/sub");
}

TEST_F(Recherche, TheFolderTreeShowsEverySubfolderOfTheFoldersItLists)
{
    ASSERT_TRUE(QDir().mkpath(racine.filePath("other/deep")));
    auto* filtre = qobject_cast<QSortFilterProxyModel*>(recherche.DirectoryListBox->model());
    ASSERT_NE(filtre, nullptr);
    auto* modele = qobject_cast<QFileSystemModel*>(filtre->sourceModel());
    ASSERT_NE(modele, nullptr);
    // Rows move while the model loads folders in the background: indices are
    // taken afresh after each wait.
    auto dans = [&](const QString& d) { return filtre->mapFromSource(modele->index(d)); };
    recherche.ChoisirDossier(racine.filePath("sub"));
    EXPECT_EQ(recherche.DossierChoisi(), chemin + "/sub");
    // The open folder's parent lists both its folders, without being opened again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return filtre->rowCount(dans(chemin)) == 2; }, 5000));
    EXPECT_EQ(filtre->index(0, 0, dans(chemin)).data().toString(), "other");
    EXPECT_EQ(filtre->index(1, 0, dans(chemin)).data().toString(), "sub");
    EXPECT_TRUE(recherche.DirectoryListBox->isExpanded(dans(chemin)));
    // A folder not expanded shows that it holds folders, and lists them once opened.
    EXPECT_FALSE(recherche.DirectoryListBox->isExpanded(dans(chemin + "/other")));
    EXPECT_TRUE(filtre->hasChildren(dans(chemin + "/other")));
    recherche.DirectoryListBox->expand(dans(chemin + "/other"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return filtre->rowCount(dans(chemin + "/other")) == 1; }, 5000));
    // Choosing a folder above keeps everything listed.
    recherche.DirectoryListBox->setCurrentIndex(dans(chemin));
    EXPECT_EQ(recherche.StatusTexte->text(), "Cesta hledání : " + chemin);
    recherche.DirectoryListBox->doubleClicked(dans(chemin));
    EXPECT_EQ(filtre->rowCount(dans(chemin)), 2);
    EXPECT_EQ(recherche.DossierChoisi(), chemin);
}

TEST_F(Recherche, ASearchListsTheFolderFilesFirstAndSelectsTheFirstRow)
{
    recherche.show();
    recherche.ChoisirDossier(racine.path());
    Chercher();
    EXPECT_EQ(Lignes(),
              (QList<QStringList>{{"b.avi", chemin + "/"}, {"c.avi", chemin + "/sub/"}, {"d.AVI", chemin + "/sub/"}}));
    EXPECT_EQ(recherche.StatusTexte->text(), "Počet nalezených souborů : 3");
    EXPECT_FALSE(recherche.ButtonStop->isEnabled());
    EXPECT_TRUE(recherche.ButtonRechercher->isEnabled());
    EXPECT_TRUE(recherche.ButtonOuvrir->isEnabled());
    EXPECT_TRUE(recherche.ListView->header()->sectionsClickable());
    EXPECT_FALSE(recherche.Animate->Actif());
    ASSERT_NE(recherche.ListView->currentItem(), nullptr);
    EXPECT_EQ(recherche.ListView->currentItem()->text(0), "b.avi");

    // Picking hides the window and hands over folder and name.
    QString dossier, nom;
    recherche.ChoixFichier = [&](const QString& d, const QString& n) {
        dossier = d;
        nom = n;
    };
    recherche.ListView->setCurrentItem(recherche.ListView->topLevelItem(2));
    recherche.ButtonOuvrir->click();
    EXPECT_FALSE(recherche.isVisible());
    EXPECT_EQ(dossier + nom, chemin + "/sub/d.AVI");
    // The rows stay while the window is hidden.
    EXPECT_EQ(Lignes().size(), 3);
}

TEST_F(Recherche, WorkFilesAndAnEmptyResult)
{
    recherche.ChoisirDossier(racine.path());
    recherche.FilterComboBox->setCurrentIndex(1);
    Chercher();
    EXPECT_EQ(Lignes(), (QList<QStringList>{{"a.ktb", chemin + "/"}}));

    recherche.ChoisirDossier(racine.filePath("sub"));
    Chercher();
    EXPECT_TRUE(Lignes().isEmpty());
    EXPECT_EQ(recherche.StatusTexte->text(), "Počet nalezených souborů : 0");
    EXPECT_TRUE(recherche.ButtonOuvrir->isEnabled());
    // Picking with no row only hides the window.
    bool appele = false;
    recherche.ChoixFichier = [&](const QString&, const QString&) { appele = true; };
    recherche.show();
    recherche.ButtonOuvrir->click();
    EXPECT_FALSE(recherche.isVisible());
    EXPECT_FALSE(appele);
}

TEST_F(Recherche, StopKeepsTheRowsFoundSoFar)
{
    // Stop right after the start: the walk ends early or completes, and
    // either way the window comes back to idle with what it found.
    recherche.ChoisirDossier(racine.path());
    QSignalSpy fin(&recherche, &TRecherche::RechercheTerminee);
    recherche.ButtonRechercher->click();
    recherche.ButtonStop->click();
    ASSERT_TRUE(fin.wait(10000));
    EXPECT_LE(Lignes().size(), 3);
    EXPECT_FALSE(recherche.EnRecherche());
    EXPECT_TRUE(recherche.ButtonRechercher->isEnabled());
    EXPECT_FALSE(recherche.ButtonStop->isEnabled());
}

TEST_F(Recherche, HeaderClickSortsWhenIdle)
{
    recherche.ChoisirDossier(racine.path());
    Chercher();
    recherche.ListView->header()->sectionClicked(0);
    EXPECT_EQ(Lignes().first().first(), "b.avi");
    recherche.ListView->header()->sectionClicked(0);
    EXPECT_EQ(Lignes().first().first(), "d.AVI");
}

TEST(AnimationRecherche, StillPictureDiffersFromTheMovingOnes)
{
    const QImage fixe = ImageAnimationRecherche(0);
    EXPECT_EQ(fixe.size(), QSize(TAnimationRecherche::Largeur, TAnimationRecherche::Hauteur));
    EXPECT_NE(fixe, ImageAnimationRecherche(3));
    EXPECT_EQ(fixe, ImageAnimationRecherche(0));
}

} // namespace
