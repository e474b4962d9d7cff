// Measuring work is never lost without a word: the closing question before
// another video, work file or the end, and a save that fails says so and
// leaves the earlier file as it was.

#include "tests/app/FicheTest.h"
#include "tests/support/Enfant.h"

#include "measure/UnitTravail.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

class FichePerte : public FicheTest {
protected:
    void Marquer()
    {
        fiche->OuvrirVideo(Video());
        QTest::mouseClick(&Vue(), Qt::LeftButton, {}, QPoint(10, 20));
        ASSERT_EQ(Mesure().NombreDePoints(), 1);
        dialogues.Messages.clear();
    }
    bool Fermer()
    {
        QCloseEvent e;
        QApplication::sendEvent(fiche, &e);
        return e.isAccepted();
    }
    static QStringList Question()
    {
        return {"Okamzite ukoncit program.", "Ulozit praci do souboru.", "Zrusit ukonceni."};
    }
};

TEST_F(FichePerte, AnotherVideoAsksFirstAndZrusitKeepsTheMarks)
{
    Marquer();
    const QString premiere = Vue().FileName();
    dialogues.Reponses = {2};
    fiche->OuvrirVideo(Video("autre.avi"));
    EXPECT_EQ(dialogues.Lignes(), Question());
    EXPECT_EQ(Vue().FileName(), premiere);
    EXPECT_EQ(Mesure().NombreDePoints(), 1);

    dialogues.Messages.clear();
    dialogues.Reponses = {0}; // Konec: go on without saving
    fiche->OuvrirVideo(Video("autre.avi"));
    EXPECT_EQ(dialogues.Lignes(), Question());
    EXPECT_TRUE(Vue().FileName().endsWith("autre.avi"));
    EXPECT_EQ(Mesure().NombreDePoints(), 0);
}

TEST_F(FichePerte, UlozitSavesBeforeLoadingAndACancelledSaveStops)
{
    Marquer();
    const QString travail = config.Dossier() + "/w.ktb";
    dialogues.Reponses = {1};
    fiche->ChargerTravail(travail); // the save dialog is cancelled: nothing happens
    EXPECT_EQ(Mesure().NombreDePoints(), 1);
    EXPECT_FALSE(QFile::exists(travail));

    dialogues.Reponses = {1};
    dialogues.Fichiers.push_back(FichierChoisi{travail, 1});
    fiche->OuvrirVideo(Video("autre.avi"));
    ASSERT_TRUE(QFile::exists(travail));
    EXPECT_TRUE(Vue().FileName().endsWith("autre.avi"));
    // Nothing measured on the new video: no question before loading the saved work.
    dialogues.Messages.clear();
    fiche->ChargerTravail(travail);
    EXPECT_TRUE(dialogues.Messages.isEmpty()) << dialogues.Lignes().join('|').toStdString();
    EXPECT_EQ(Mesure().NombreDePoints(), 1);
}

TEST_F(FichePerte, QuittingAsksOnlyWhenTheMeasurementChangedOrTheOptionIsOn)
{
    fiche->OuvrirVideo(Video());
    QTest::mouseClick(&Vue(), Qt::RightButton, {}, QPoint(10, 20)); // nothing to remove
    Enfant<QToolButton>(*fiche, "SpeedButtonOrigine")->click();     // a tool is no measurement
    dialogues.Messages.clear();
    EXPECT_TRUE(Fermer());
    EXPECT_TRUE(dialogues.Messages.isEmpty());

    Marquer();
    dialogues.Reponses = {2};
    EXPECT_FALSE(Fermer());
    EXPECT_EQ(dialogues.Lignes(), Question());

    // Saved: quitting goes on without a word, unless the option asks always.
    dialogues.Messages.clear();
    dialogues.Fichiers.push_back(FichierChoisi{config.Dossier() + "/w.ktb", 1});
    ASSERT_TRUE(fiche->MenuFichierEnregistrerWClick());
    dialogues.Messages.clear();
    EXPECT_TRUE(Fermer());
    EXPECT_TRUE(dialogues.Messages.isEmpty());
    fiche->ConfirmerFermeture = true;
    dialogues.Reponses = {2};
    EXPECT_FALSE(Fermer());
    EXPECT_EQ(dialogues.Lignes(), Question());
}

// Writes beyond `octets` fail as on a full disk, for the life of the object.
class DisquePlein {
public:
    explicit DisquePlein(rlim_t octets)
    {
        getrlimit(RLIMIT_FSIZE, &avant_);
        ancien_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = avant_;
        r.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~DisquePlein()
    {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, ancien_);
    }

private:
    rlimit avant_{};
    void (*ancien_)(int) = nullptr;
};

TEST_F(FichePerte, ASaveOntoAFullDiskSaysSoAndKeepsTheEarlierFile)
{
    Marquer();
    const QString travail = config.Dossier() + "/w.ktb";
    Travail ancien;
    ancien.CheminVideo = Vue().FileName();
    ASSERT_EQ(EcrireTravail(travail, ancien, '.'), ResultatEcriture::Ok);
    QFile f(travail);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bon = f.readAll();
    f.close();

    for (int i = 0; i < 40; ++i) QTest::mouseClick(&Vue(), Qt::LeftButton, {}, QPoint(30 + i, 40));
    dialogues.Messages.clear();
    dialogues.Fichiers.push_back(FichierChoisi{travail, 1});
    dialogues.Reponses = {0}; // replace the existing file
    bool enregistre = true;
    {
        DisquePlein plein(bon.size() + 10);
        enregistre = fiche->MenuFichierEnregistrerWClick();
    }
    EXPECT_FALSE(enregistre);
    // The size limit stands for the full disk: its cause in the system's words.
    EXPECT_EQ(
        dialogues.Lignes().mid(2),
        QStringList({"w.ktb.", "Uložení seouboru neprovedeno.", QString::fromLocal8Bit(std::strerror(EFBIG)) + "."}));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), bon);
    EXPECT_FALSE(fiche->MRU.Fichiers().contains(travail));
    // Still unsaved: quitting asks.
    dialogues.Messages.clear();
    dialogues.Reponses = {2};
    EXPECT_FALSE(Fermer());
}

TEST(WorkFileWrite, AFullDiskIsAFailedWriteAndNoFileIsLeft)
{
    QTemporaryDir dossier;
    Travail t;
    t.CheminVideo = "v.avi";
    t.Mesure.Marques.assign(200, PointD{0.25, 0.5});
    const QString chemin = dossier.filePath("t.ktb");
    ResultatEcriture r = ResultatEcriture::Ok;
    {
        DisquePlein plein(512);
        r = EcrireTravail(chemin, t, '.');
    }
    EXPECT_EQ(r, ResultatEcriture::EcritureEchouee);
    EXPECT_FALSE(QFile::exists(chemin));
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList());
}

} // namespace
