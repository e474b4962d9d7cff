// The main window with videos of every container: a phone's portrait MP4
// opened upright and marked, the one-time notice of a variable rate, the
// extensions the dialog, the recent files and the save command know, and
// the line saying why a video did not open.

#include "tests/app/FicheTest.h"
#include "tests/support/Enfant.h"

#include "media/FrameSource.h"
#include "view/UnitBoiteInfo.h"

#include <QFile>
#include <QMouseEvent>
#include <QTest>

namespace {

class FicheVideos : public FicheTest {
protected:
    QString Mp4(const QString& nom, OptionsVideo o)
    {
        o.conteneur = "mp4";
        const QString chemin = config.Dossier() + "/" + nom;
        EXPECT_EQ(EcrireVideo(QFile::encodeName(chemin).toStdString(), o), "");
        return chemin;
    }
    QString Portrait(const QString& nom = "telefon.mp4")
    {
        OptionsVideo o;
        o.codec = OptionsVideo::Codec::H264;
        o.images = 8;
        o.largeur = 96;
        o.hauteur = 160;
        o.rotation = 90;
        return Mp4(nom, o);
    }
};

// Marks are normalised on the upright picture: a press in the view's
// bottom-right quarter stays there, whatever the file's stored orientation.
TEST_F(FicheVideos, UnePortraitDeTelephoneSOuvreDroiteEtSeMesure)
{
    const QString video = Portrait();
    fiche->OuvrirVideo(video);
    ASSERT_TRUE(Vue().Opened());
    EXPECT_TRUE(dialogues.Messages.isEmpty());
    EXPECT_EQ(Vue().VideoWidth(), 96);
    EXPECT_EQ(Vue().VideoHeight(), 160);
    EXPECT_EQ(fiche->windowTitle(), video);
    // The window follows the portrait's proportions only with "Proportions"
    // on; either way the picture fills the view.
    const QPoint clic(Vue().width() * 3 / 4, Vue().height() * 3 / 4);
    QTest::mouseClick(&Vue(), Qt::LeftButton, {}, clic);
    ASSERT_EQ(Mesure().NombreDePoints(), 1);
    EXPECT_NEAR(Mesure().Etat().Marques[0].X, 0.75, 0.02);
    EXPECT_NEAR(Mesure().Etat().Marques[0].Y, 0.75, 0.02);
    ASSERT_EQ(Vue().NumeroImage(), 1);
    // Frame 1 upright: its code's first cell (16 video pixels, top left) is
    // white, the next one black.
    const QImage vue = Vue().Composer();
    const double sx = vue.width() / 96.0, sy = vue.height() / 160.0;
    EXPECT_GT(qGray(vue.pixel(int(8 * sx), int(8 * sy))), 200);
    EXPECT_LT(qGray(vue.pixel(int(24 * sx), int(8 * sy))), 50);
}

// A phone's quarter turn that is wrong: Zobrazení › Otočit obraz turns the
// picture back, the view takes its proportions and the mark stays on the
// object; the turn goes with the work file.
TEST_F(FicheVideos, OtocitObrazTourneImageEtMarques)
{
    fiche->OuvrirVideo(Portrait());
    ASSERT_TRUE(Vue().Opened());
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuAffichageRotation90")->isChecked());
    const QPoint clic(Vue().width() / 4, Vue().height() / 8);
    QTest::mouseClick(&Vue(), Qt::LeftButton, {}, clic);
    ASSERT_EQ(Mesure().NombreDePoints(), 1);
    const PointD avant = Mesure().Etat().Marques[0];

    Enfant<QAction>(*fiche, "MenuAffichageRotation0")->trigger();
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuAffichageRotation0")->isChecked());
    EXPECT_EQ(Vue().VideoWidth(), 160);
    EXPECT_EQ(Vue().VideoHeight(), 96);
    EXPECT_EQ(Mesure().Etat().RotationImage, 0);
    // Three quarter turns clockwise back from the file's one.
    const PointD apres = Mesure().Etat().Marques[0];
    EXPECT_NEAR(apres.X, avant.Y, 1e-12);
    EXPECT_NEAR(apres.Y, 1 - avant.X, 1e-12);

    const QString travail = config.Dossier() + "/otoceny.ktb";
    dialogues.Fichiers.push_back(FichierChoisi{travail, 1});
    ASSERT_TRUE(fiche->MenuFichierEnregistrerWClick());
    fiche->ChargerTravail(travail); // a new view, the picture turned as the file says
    ASSERT_TRUE(Vue().Opened());
    EXPECT_EQ(Vue().Source().Rotation(), 0);
    EXPECT_EQ(Vue().VideoWidth(), 160);
    EXPECT_NEAR(Mesure().Etat().Marques[0].X, apres.X, 1e-12); // as the file's reals write it
    EXPECT_NEAR(Mesure().Etat().Marques[0].Y, apres.Y, 1e-12);
    EXPECT_TRUE(Enfant<QAction>(*fiche, "MenuAffichageRotation0")->isChecked());
}

TEST_F(FicheVideos, LaCadenceVariableEstSignaleeUneFoisParVideo)
{
    OptionsVideo o;
    o.codec = OptionsVideo::Codec::H264;
    o.images = 6;
    o.temps = {0, 40, 80, 200, 240, 280};
    const QString video = Mp4("vfr.mp4", o);
    fiche->OuvrirVideo(video);
    ASSERT_TRUE(Vue().Opened());
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Messages[0].icone, IconeMessage::Information);
    const QStringList& l = dialogues.Messages[0].lignes;
    ASSERT_EQ(l.size(), 4);
    EXPECT_EQ(l[0], "vfr.mp4.");
    EXPECT_TRUE(l[1].startsWith("Snímková frekvence videa je proměnná")) << l[1].toStdString();
    EXPECT_EQ(l[2], "Chybějící nebo opakované snímky: 2.");
    // The notice says the truth about the time base.
    EXPECT_EQ(l[3], "Výsledky počítají s vlastním časem každého snímku.");
    fiche->OuvrirVideo(Video());
    fiche->OuvrirVideo(video);
    EXPECT_EQ(dialogues.Messages.size(), 1);

    // The properties box adds what the file says after the nine lines.
    QStringList texte;
    dialogues.Modaux.push_back([&texte](QDialog& d) {
        d.show();
        texte = static_cast<TBoiteInfo&>(d).Texte().split(u'\n');
        d.hide();
        return int(QDialog::Accepted);
    });
    Enfant<QAction>(*fiche, "MenuAideProprietes")->trigger();
    ASSERT_EQ(texte.size(), 12);
    EXPECT_EQ(texte[9], "- Kontejner a kodek: mp4, h264");
    EXPECT_EQ(texte[10], "- Promenna snimkova frekvence: ano");
    EXPECT_EQ(texte[11], "- Opakovane nebo chybejici snimky: 2");
}

TEST_F(FicheVideos, ChaqueExtensionVideoSOuvre)
{
    const QString video = Portrait("KLIP.MP4");
    dialogues.Fichiers.push_back(FichierChoisi{video, 1});
    Enfant<QAction>(*fiche, "MenuFichierOuvrir")->trigger();
    ASSERT_EQ(dialogues.DemandesOuvrir.size(), 1);
    const QString filtre = dialogues.DemandesOuvrir[0].filtre;
    EXPECT_TRUE(filtre.startsWith("Videosoubory (*.avi *.mp4 *.m4v *.mov")) << filtre.toStdString();
    EXPECT_TRUE(filtre.endsWith("|soubory KTB (*.ktb)|*.ktb")) << filtre.toStdString();
    EXPECT_EQ(dialogues.DemandesOuvrir[0].indexFiltre, 1);
    EXPECT_TRUE(Vue().Opened());
    EXPECT_EQ(fiche->MRU.Fichiers(), QStringList({video}));

    fiche->OuvrirVideo(Video());
    fiche->MRUClick(video);
    EXPECT_EQ(Vue().FileName(), video);

    // The save command proposes the video's name and never overwrites a video.
    dialogues.Fichiers.push_back(FichierChoisi{config.Dossier() + "/KLIP.MP4", 1});
    dialogues.Reponses = {0, 0};
    fiche->MenuFichierEnregistrerWClick();
    ASSERT_EQ(dialogues.DemandesEnregistrer.size(), 1);
    EXPECT_TRUE(dialogues.DemandesEnregistrer[0].nomInitial.startsWith("KLIP "))
        << dialogues.DemandesEnregistrer[0].nomInitial.toStdString();
    EXPECT_TRUE(QFile::exists(config.Dossier() + "/KLIP.ktb"));
    EXPECT_EQ(QFile(video).size() > 1000, true);
}

TEST_F(FicheVideos, UneVideoSansDecodeurOuCoupeDitPourquoi)
{
    // An MP4 whose recording stopped before its index was written.
    OptionsVideo o;
    o.codec = OptionsVideo::Codec::H264;
    o.images = 10;
    const QString video = Mp4("prerusene.mp4", o);
    QFile f(video);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QByteArray d = f.readAll();
    f.resize(d.indexOf("moov") - 4);
    f.close();
    fiche->OuvrirVideo(video);
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Messages[0].lignes,
              QStringList({video + ".", "Není možné otevřít videosoubor. Ověřte, že není poškozen.",
                           "Záznam byl přerušen: souboru chybí rejstřík snímků."}));
    EXPECT_FALSE(Vue().Opened());
}

} // namespace
