// The main window's failed writes say why, under their own message: the work
// file and the settings file.

#include "tests/app/FicheTest.h"

#include "resources/UnitChainesRessources.h"

#include <QFile>

namespace {

using FicheEcriture = FicheTest;

constexpr auto LectureSeule = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

TEST_F(FicheEcriture, SavingOverAReadOnlyWorkFileSaysItIsReadOnly)
{
    fiche->OuvrirVideo(Video());
    ASSERT_TRUE(Vue().Opened());
    const QString travail = config.Dossier() + "/pokus.ktb";
    {
        QFile f(travail);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("stary");
    }
    ASSERT_TRUE(QFile::setPermissions(travail, LectureSeule));
    dialogues.Messages.clear();
    dialogues.Fichiers.push_back(FichierChoisi{travail, 1});
    dialogues.Reponses = {0}; // replace it
    EXPECT_FALSE(fiche->MenuFichierEnregistrerWClick());
    ASSERT_EQ(dialogues.Messages.size(), 2);
    EXPECT_EQ(dialogues.Messages[1].lignes,
              QStringList({"pokus.ktb.", Chaines::Texte("MsgEnregistrementImpossible"), "Soubor je jen pro čtení."}));
    QFile f(travail);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "stary");
}

TEST_F(FicheEcriture, AReadOnlySettingsFileSaysItIsReadOnlyWhenTheProgramCloses)
{
    fiche->close();
    ASSERT_TRUE(QFile::exists(config.FichierIni()));
    ASSERT_TRUE(QFile::setPermissions(config.FichierIni(), LectureSeule));
    Recreer();
    fiche->show();
    dialogues.Messages.clear();
    fiche->close();
    ASSERT_FALSE(dialogues.Messages.isEmpty());
    for (const Message& m : dialogues.Messages)
        EXPECT_EQ(m.lignes,
                  QStringList({Chaines::MessageEcritureIni(config.FichierIni()), "Soubor je jen pro čtení."}));
}

} // namespace
