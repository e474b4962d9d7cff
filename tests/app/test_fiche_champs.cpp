// Zobrazení › "Půlsnímky jako snímky" on an interlaced camcorder file: only
// such a file offers it; each field becomes a frame, the frame shown stays
// at its moment, the choice goes with the work file, and it cannot be
// switched while marks would change meaning.

#include "tests/app/FicheTest.h"
#include "tests/support/Enfant.h"

#include "media/FrameSource.h"
#include "resources/UnitChainesRessources.h"

#include <QFile>
#include <QMouseEvent>
#include <QTest>

namespace {

class FicheChamps : public FicheTest {
protected:
    QString Video(const QString& nom, bool entrelace)
    {
        OptionsVideo o;
        o.codec = OptionsVideo::Codec::H264;
        o.images = 8;
        o.conteneur = entrelace ? "mpegts" : "mp4";
        o.entrelace = entrelace;
        const QString chemin = config.Dossier() + "/" + nom;
        EXPECT_EQ(EcrireVideo(QFile::encodeName(chemin).toStdString(), o), "");
        return chemin;
    }
};

TEST_F(FicheChamps, PulsnimkyJakoSnimky)
{
    fiche->OuvrirVideo(Video("p.mp4", false));
    ASSERT_TRUE(Vue().Opened());
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuAffichageChamps")->isEnabled());

    fiche->OuvrirVideo(Video("kamera.ts", true));
    ASSERT_TRUE(Vue().Opened());
    ASSERT_TRUE(Enfant<QAction>(*fiche, "MenuAffichageChamps")->isEnabled());
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuAffichageChamps")->isChecked());
    EXPECT_EQ(Enfant<QAction>(*fiche, "MenuAffichageChamps")->text().remove(u'&'), Chaines::Texte("MenuAffichageChamps").remove(u'&'));
    dialogues.Messages.clear();
    Vue().AllerImage(3);
    Enfant<QAction>(*fiche, "MenuAffichageChamps")->trigger();
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuAffichageChamps")->isChecked());
    EXPECT_EQ(Vue().FrameCount(), 16);
    EXPECT_EQ(Vue().NumeroImage(), 6); // the first field of the picture shown
    EXPECT_TRUE(Mesure().Etat().ChampsImages);
    EXPECT_TRUE(dialogues.Messages.isEmpty());

    // A mark on field 7: switching back would move it to another moment.
    Vue().AllerImage(7);
    QTest::mouseClick(&Vue(), Qt::LeftButton, {}, QPoint(Vue().width() / 2, Vue().height() / 2));
    ASSERT_EQ(Mesure().NombreDePoints(), 1);
    Enfant<QAction>(*fiche, "MenuAffichageChamps")->trigger();
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_TRUE(dialogues.Lignes().contains(Chaines::Texte("MsgChampsAvecMarques")));
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuAffichageChamps")->isChecked());
    EXPECT_EQ(Vue().FrameCount(), 16);

    const QString travail = config.Dossier() + "/pulsnimky.ktb";
    dialogues.Fichiers.push_back(FichierChoisi{travail, 1});
    ASSERT_TRUE(fiche->MenuFichierEnregistrerWClick());
    fiche->ChargerTravail(travail);
    ASSERT_TRUE(Vue().Opened());
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuAffichageChamps")->isChecked());
    EXPECT_EQ(Vue().FrameCount(), 16);
    EXPECT_EQ(Mesure().Etat().ImagesMarques, std::vector<int>{8});
    EXPECT_EQ(dialogues.Messages.size(), 2); // the save's notice only

    // Without marks it switches back.
    Enfant<QAction>(*fiche, "MenuAffichageEffacerLesMarques")->trigger();
    Enfant<QAction>(*fiche, "MenuAffichageChamps")->trigger();
    EXPECT_FALSE(Enfant<QAction>(*fiche, "MenuAffichageChamps")->isChecked());
    EXPECT_EQ(Vue().FrameCount(), 8);
    // Undoing the clearing would bring back marks on fields among whole pictures.
    EXPECT_FALSE(Mesure().Historique().PeutAnnuler());
}

} // namespace
