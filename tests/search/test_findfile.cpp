#include "search/FindFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

void creer(const QString& chemin)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

// Everything the engine reports, in order: "begin", "dir:<path>",
// "file:<path>", "end".
struct Journal {
    explicit Journal(FindFile& m)
    {
        m.DebutRecherche = [this] { evenements.push_back("begin"); };
        m.ChangementDossier = [this](const std::string& d) {
            evenements.push_back("dir:" + d);
            return true;
        };
        m.FichierTrouve = [this](const std::string& d, const EntreeFichier& f) {
            evenements.push_back("file:" + d + f.Nom);
            fichiers.push_back(d + f.Nom);
        };
        m.FinRecherche = [this] { evenements.push_back("end"); };
    }
    std::vector<std::string> evenements;
    std::vector<std::string> fichiers;
};

class Walker : public ::testing::Test {
protected:
    std::string R(const char* relatif = "") const { return racine.path().toStdString() + "/" + relatif; }
    void Creer(const char* relatif) { creer(racine.filePath(relatif)); }

    QTemporaryDir racine;
    FindFile moteur;
    Journal journal{moteur};
};

TEST(Masks, WildcardsCaseAndSeveralMasks)
{
    EXPECT_TRUE(CorrespondMasque("chute.avi", "*.avi"));
    EXPECT_TRUE(CorrespondMasque("CLIP.AVI", "*.avi"));
    EXPECT_FALSE(CorrespondMasque("clip.avi2", "*.avi"));
    EXPECT_FALSE(CorrespondMasque("avi", "*.avi"));
    EXPECT_TRUE(CorrespondMasque(".avi", "*.avi"));
    EXPECT_TRUE(CorrespondMasque("a.b.avi", "*.avi"));
    EXPECT_TRUE(CorrespondMasque("x1.ktb", "x?.ktb"));
    EXPECT_FALSE(CorrespondMasque("x12.ktb", "x?.ktb"));
    // "?" is one character, also outside ASCII.
    EXPECT_TRUE(CorrespondMasque("ž.ktb", "?.ktb"));
    EXPECT_TRUE(CorrespondMasque("pád míče.avi", "*míč*"));
    EXPECT_TRUE(CorrespondMasque("anything", "*"));
    EXPECT_TRUE(CorrespondMasque("aXbXc", "a*b*c"));
    EXPECT_FALSE(CorrespondMasque("aXbXd", "a*b*c"));
    EXPECT_EQ(DecouperMasques("*.avi;*.mp4; *.ktb ;;"), (std::vector<std::string>{"*.avi", "*.mp4", "*.ktb"}));
    EXPECT_EQ(DecouperMasques("*.avi"), (std::vector<std::string>{"*.avi"}));
}

TEST_F(Walker, FilesOfAFolderComeBeforeItsSubfoldersDepthFirstInNameOrder)
{
    Creer("b.avi");
    Creer("A.avi");
    Creer("zeta/z.avi");
    Creer("alfa/beta/deep.avi");
    Creer("alfa/one.avi");
    Creer("alfa/notes.txt");
    moteur.Masques = "*.avi";
    moteur.Dossier = racine.path().toStdString();
    moteur.Executer();
    EXPECT_EQ(journal.evenements,
              (std::vector<std::string>{"begin", "dir:" + R(), "file:" + R("A.avi"), "file:" + R("b.avi"),
                                        "dir:" + R("alfa/"), "file:" + R("alfa/one.avi"), "dir:" + R("alfa/beta/"),
                                        "file:" + R("alfa/beta/deep.avi"), "dir:" + R("zeta/"),
                                        "file:" + R("zeta/z.avi"), "end"}));
    EXPECT_FALSE(moteur.EnCours());
}

TEST_F(Walker, MasksAreTakenInTurnAndAFileIsReportedOnce)
{
    Creer("a.ktb");
    Creer("b.avi");
    Creer("c.AVI");
    moteur.Masques = "*.avi;*.ktb;?.*";
    moteur.Dossier = R();
    moteur.Executer();
    EXPECT_EQ(journal.fichiers, (std::vector<std::string>{R("b.avi"), R("c.AVI"), R("a.ktb")}));
}

TEST_F(Walker, HiddenAndNonRegularFilesNeverMatchAndLinkedFoldersAreNotFollowed)
{
    Creer("seen.avi");
    Creer(".hidden.avi");
    Creer(".secret/inside.avi"); // a hidden folder is walked, its visible files listed
    ASSERT_EQ(::mkfifo(racine.filePath("pipe.avi").toUtf8().constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(racine.filePath("folder.avi")));
    fs::create_symlink(R("seen.avi"), R("link.avi"));
    fs::create_directory_symlink(R(), R("loop")); // would never end if followed
    moteur.Masques = "*.avi";
    moteur.Dossier = R();
    moteur.Executer();
    EXPECT_EQ(journal.fichiers, (std::vector<std::string>{R("link.avi"), R("seen.avi"), R(".secret/inside.avi")}));
}

TEST_F(Walker, NoSubfoldersWhenAskedAndASkippedFolderContributesNothing)
{
    Creer("top.avi");
    Creer("skip/no.avi");
    Creer("keep/yes.avi");
    moteur.Masques = "*.avi";
    moteur.Dossier = R();
    moteur.ChangementDossier = [this](const std::string& d) { return d != R("skip/"); };
    moteur.Executer();
    EXPECT_EQ(journal.fichiers, (std::vector<std::string>{R("top.avi"), R("keep/yes.avi")}));
    journal.fichiers.clear();
    moteur.SousDossiers = false;
    moteur.Executer();
    EXPECT_EQ(journal.fichiers, (std::vector<std::string>{R("top.avi")}));
}

TEST_F(Walker, AFolderThatCannotBeListedContributesNothing)
{
    Creer("a/gone/x.avi");
    Creer("b/y.avi");
    moteur.Masques = "*.avi";
    moteur.Dossier = R();
    // The folder disappears between being found and being listed.
    moteur.ChangementDossier = [this](const std::string& d) {
        if (d == R("a/gone/")) fs::remove_all(d);
        return true;
    };
    moteur.Executer();
    EXPECT_EQ(journal.fichiers, (std::vector<std::string>{R("b/y.avi")}));
    // A start folder that does not exist: begin and end only.
    journal.evenements.clear();
    moteur.ChangementDossier = nullptr;
    moteur.Dossier = R("nowhere");
    moteur.Executer();
    EXPECT_EQ(journal.evenements, (std::vector<std::string>{"begin", "end"}));
}

TEST_F(Walker, StopEndsTheWalkEarlyAndTheFinishEventStillComes)
{
    for (const char* f : {"1.avi", "2.avi", "3.avi", "sub/4.avi"}) Creer(f);
    moteur.Masques = "*.avi";
    moteur.Dossier = R();
    moteur.FichierTrouve = [this](const std::string& d, const EntreeFichier& f) {
        journal.fichiers.push_back(d + f.Nom);
        if (journal.fichiers.size() == 2) moteur.Arreter();
    };
    moteur.Executer();
    EXPECT_EQ(journal.fichiers, (std::vector<std::string>{R("1.avi"), R("2.avi")}));
    EXPECT_EQ(journal.evenements.back(), "end");

    // The flag is cleared when a walk ends; a stop asked before a walk ends it at once.
    journal.fichiers.clear();
    moteur.Executer();
    EXPECT_EQ(journal.fichiers.size(), 2u);
    journal.fichiers.clear();
    moteur.Arreter();
    moteur.Executer();
    EXPECT_TRUE(journal.fichiers.empty());
}

TEST_F(Walker, AStartWhileRunningDoesNothing)
{
    Creer("a.avi");
    moteur.Masques = "*.avi";
    moteur.Dossier = R();
    int debuts = 0;
    moteur.DebutRecherche = [&] {
        ++debuts;
        EXPECT_TRUE(moteur.EnCours());
        moteur.Executer(); // ignored
    };
    moteur.Executer();
    EXPECT_EQ(debuts, 1);
    EXPECT_EQ(journal.fichiers.size(), 1u);
}

TEST_F(Walker, TheFileEntryCarriesSize)
{
    QFile f(racine.filePath("v.avi"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(1234, 'a'));
    f.close();
    std::uintmax_t taille = 0;
    moteur.FichierTrouve = [&](const std::string&, const EntreeFichier& e) { taille = e.Taille; };
    moteur.Masques = "*.avi";
    moteur.Dossier = R();
    moteur.Executer();
    EXPECT_EQ(taille, 1234u);
}

} // namespace
