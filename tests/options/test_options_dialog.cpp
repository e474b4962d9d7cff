#include "core/IniFile.h"
#include "options/Association.h"
#include "options/MotDePasse.h"
#include "options/UnitOptions.h"
#include "tests/options/DonneesTemporaires.h"
#include "tests/support/DialoguesScriptes.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace {

class Options : public ::testing::Test {
protected:
    QString Ini() const { return dossier.filePath("Kinotab.ini"); }
    QByteArray Contenu() const
    {
        QFile f(Ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QList<QCheckBox*> Cases() const
    {
        return {options.CheckBoxMotDePasse, options.CheckBoxAssociation,  options.CheckBoxProportions,
                options.CheckBoxVitesse,    options.CheckBoxAcceleration, options.CheckBoxConfirmation,
                options.CheckBoxFigerMRU};
    }

    QTemporaryDir dossier;
    DonneesTemporaires donnees;
    DialoguesScriptes dialogues;
    TOptions options;
};

TEST_F(Options, LayoutCaptionsAndStatusBarHints)
{
    options.show();
    EXPECT_EQ(options.windowTitle(), "Moznosti");
    EXPECT_EQ(options.width(), 360);
    EXPECT_EQ(options.minimumSize(), options.maximumSize());
    QStringList legendes;
    int y = -1;
    for (QCheckBox* c : Cases()) {
        legendes << c->text();
        EXPECT_GT(c->y(), y) << c->text().toStdString(); // stacked from the top in this order
        y = c->y();
        EXPECT_TRUE(c->toolTip().isEmpty()); // "|" hints show on the status bar only
    }
    EXPECT_EQ(legendes,
              QStringList({"Uzavřít přístup k tomuto oknu heslem.", "Přiřadit příponu \"ktb\" programu Kinotab.",
                           "Stále respektovat rozměry videosouboru.", "Ve výsledcích nezobrazovat rychlost.",
                           "Ve výsledcích nezobrazovat zrychlení.", "Potvrzení při ukončení práce s programem.",
                           "Zapamatovat zobrazení dříve používaných souborů."}));
    EXPECT_EQ(options.CheckBoxMotDePasse->statusTip(), "Heslo je ulozeno v souboru Kinotab.ini");
    EXPECT_EQ(options.LabelMRU1->text(), "Menu nabízí max.:");
    EXPECT_EQ(options.LabelMRU2->text(), "soubor(u).");
    EXPECT_EQ(options.RxSpinEditMRU->minimum(), 1);
    EXPECT_EQ(options.RxSpinEditMRU->maximum(), 20);
    for (QWidget* w : std::initializer_list<QWidget*>{options.LabelMRU1, options.RxSpinEditMRU, options.LabelMRU2})
        EXPECT_EQ(w->statusTip(), "Počet dříve používaných souborů leží mezi 1 a 20");
    EXPECT_GT(options.BitBtn1->y(), options.RxSpinEditMRU->y());

    // Hovering shows the long hint on the dialog's own status bar.
    QStatusTipEvent e(options.CheckBoxVitesse->statusTip());
    QCoreApplication::sendEvent(options.CheckBoxVitesse, &e);
    EXPECT_EQ(options.StatusBar->currentMessage(), "Zjednodusit prezentaci vysledku");
}

TEST_F(Options, PreparingReadsTheFileAndAnyTextSwitchesAnOptionOn)
{
    IniFile ini(Ini());
    ini.WriteString("Options", "Speedy", "no");
    ini.WriteString("Options", "Freeze", "*");
    ini.WriteString("Options", "Proportions", "");
    ini.WriteString("Options", "Password", "tajne");
    options.PreparerOptions(Ini());
    EXPECT_EQ(options.CheminIni, Ini());
    EXPECT_EQ(options.MotDePasseEnregistre, "tajne");
    EXPECT_TRUE(options.CheckBoxMotDePasse->isChecked());
    EXPECT_TRUE(dialogues.DemandesMotDePasse.isEmpty()); // ticking it ran no handler
    EXPECT_TRUE(options.CheckBoxVitesse->isChecked());
    EXPECT_TRUE(options.CheckBoxFigerMRU->isChecked());
    EXPECT_FALSE(options.CheckBoxProportions->isChecked());
    EXPECT_FALSE(options.CheckBoxAcceleration->isChecked());
    EXPECT_FALSE(options.CheckBoxAssociation->isChecked());

    // Every opening refills the boxes from the file.
    ini.WriteString("Options", "Speedy", "");
    ini.WriteString("Options", "Password", "");
    options.PreparerOptions(Ini());
    EXPECT_FALSE(options.CheckBoxVitesse->isChecked());
    EXPECT_FALSE(options.CheckBoxMotDePasse->isChecked());
    options.ReglerNombreFichiers(13);
    EXPECT_EQ(options.NombreFichiers, 13);
    EXPECT_EQ(options.RxSpinEditMRU->value(), 13);
}

TEST_F(Options, CancellingThePasswordLeavesTheBoxUntickedAndTheFileUnchanged)
{
    IniFile(Ini()).WriteString("Options", "Speedy", "*");
    options.PreparerOptions(Ini());
    const QByteArray avant = Contenu();
    dialogues.MotsDePasse.push_back(std::nullopt);
    options.CheckBoxMotDePasse->click();
    ASSERT_EQ(dialogues.DemandesMotDePasse.size(), 1);
    const DemandeMotDePasse& d = dialogues.DemandesMotDePasse[0];
    EXPECT_EQ(d.titre, "Heslo");
    EXPECT_EQ(d.libelle, "Zadání hesla :");
    EXPECT_EQ(d.ok, "OK");
    EXPECT_EQ(d.annuler, "Zrušit");
    EXPECT_FALSE(options.CheckBoxMotDePasse->isChecked());
    EXPECT_EQ(Contenu(), avant);
    EXPECT_EQ(dialogues.DemandesMotDePasse.size(), 1); // unticking ran no second handler
}

TEST_F(Options, ANewPasswordIsStoredAsAHashAndUntickingClearsIt)
{
    options.PreparerOptions(Ini());
    dialogues.MotsDePasse.push_back(QString("Fyzika1"));
    options.CheckBoxMotDePasse->click();
    EXPECT_TRUE(options.CheckBoxMotDePasse->isChecked());
    const QString enregistre = IniFile(Ini()).ReadString("Options", "Password");
    EXPECT_TRUE(MotDePasse::EstHache(enregistre)) << enregistre.toStdString();
    EXPECT_FALSE(Contenu().contains("Fyzika1"));
    EXPECT_TRUE(MotDePasse::Verifier(enregistre, "Fyzika1"));
    // Takes effect at the next preparation only.
    EXPECT_TRUE(options.MotDePasseEnregistre.isEmpty());
    options.CheckBoxMotDePasse->click();
    EXPECT_FALSE(options.CheckBoxMotDePasse->isChecked());
    EXPECT_TRUE(IniFile(Ini()).ValueExists("Options", "Password"));
    EXPECT_EQ(IniFile(Ini()).ReadString("Options", "Password"), "");
}

TEST_F(Options, WithoutASettingsPathNothingIsReadOrWritten)
{
    options.PreparerOptions(QString());
    options.CheckBoxMotDePasse->click();
    EXPECT_TRUE(dialogues.DemandesMotDePasse.isEmpty());
    options.CheckBoxVitesse->setChecked(true);
    options.Fermer();
    EXPECT_TRUE(dialogues.Messages.isEmpty());
    EXPECT_FALSE(QFile::exists(Ini()));
}

TEST_F(Options, ClosingWritesTheKeysHoweverTheDialogCloses)
{
    options.PreparerOptions(Ini());
    options.CheckBoxVitesse->setChecked(true);
    options.CheckBoxConfirmation->setChecked(true);
    options.RxSpinEditMRU->setValue(5);
    // The close box rejects; the keys are written all the same.
    QTimer::singleShot(0, &options, [this] { options.reject(); });
    options.exec();
    const IniFile ini(Ini());
    EXPECT_EQ(ini.ReadString("Options", "Speedy"), "*");
    EXPECT_EQ(ini.ReadString("Options", "Confirmation"), "*");
    EXPECT_TRUE(ini.ValueExists("Options", "Acceleration"));
    EXPECT_EQ(ini.ReadString("Options", "Acceleration"), "");
    EXPECT_EQ(ini.ReadString("Options", "Proportions"), "");
    EXPECT_EQ(ini.ReadString("Options", "Freeze"), "");
    EXPECT_EQ(ini.ReadInteger("Options", "NumFiles", -1), 5);
    EXPECT_EQ(ini.ReadString("Options", "FormVersion"), "0");
    EXPECT_TRUE(dialogues.Messages.isEmpty());
}

TEST_F(Options, TickingTheAssociationRegistersItAndUntickingRemovesIt)
{
    options.PreparerOptions(Ini());
    options.CheckBoxAssociation->setChecked(true);
    options.Fermer();
    ASSERT_TRUE(Association::Presente());
    QFile entree(Association::FichierBureau());
    ASSERT_TRUE(entree.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entree.readAll().contains(Association::LigneExec(QCoreApplication::applicationFilePath()).toUtf8()));
    entree.close();

    options.PreparerOptions(Ini());
    EXPECT_TRUE(options.CheckBoxAssociation->isChecked());
    options.CheckBoxAssociation->setChecked(false);
    options.Fermer();
    EXPECT_FALSE(Association::Presente());
    EXPECT_TRUE(dialogues.Messages.isEmpty());
}

TEST_F(Options, FailuresShowTheRegistryAndSettingsMessages)
{
    QFile obstacle(donnees.Dossier() + "/applications");
    ASSERT_TRUE(obstacle.open(QIODevice::WriteOnly));
    obstacle.close();
    const QString bloque = dossier.filePath("absent/Kinotab.ini");
    options.PreparerOptions(bloque);
    options.CheckBoxAssociation->setChecked(true);
    options.Fermer();
    ASSERT_EQ(dialogues.Messages.size(), 2);
    EXPECT_EQ(dialogues.Messages[0].icone, IconeMessage::Avertissement);
    EXPECT_EQ(dialogues.Messages[0].lignes, QStringList({"Chyba čtení v registru"}));
    EXPECT_EQ(dialogues.Messages[0].titre, ""); // the options dialog's boxes have no title
    // The settings are still written after a registry error; the first failed
    // write reports the file, and the others are not tried.
    EXPECT_EQ(dialogues.Messages[1].icone, IconeMessage::Erreur);
    // Under it, why: the missing folder, in the system's words.
    EXPECT_EQ(dialogues.Messages[1].lignes,
              QStringList({"Impossible d'écrire dans " + bloque, QString::fromLocal8Bit(std::strerror(ENOENT)) + "."}));
}

} // namespace
