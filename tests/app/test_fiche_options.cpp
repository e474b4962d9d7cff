#include "core/IniFile.h"
#include "tests/support/Enfant.h"
#include "app/UnitApplication.h"
#include "app/UnitFiche.h"
#include "options/MotDePasse.h"
#include "options/UnitOptions.h"
#include "tests/support/DialoguesScriptes.h"
#include "tests/support/Temporaire.h"
#include "tests/support/VideosTest.h"
#include "view/UnitAviPlay.h"

#include <QCheckBox>
#include <QPushButton>
#include <QDir>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

class FicheOptions : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(config.Dossier() + "/Kinotab");
        qputenv("XDG_DATA_HOME", (config.Dossier() + "/data").toUtf8());
    }
    void TearDown() override
    {
        fenetres.reset();
        qunsetenv("XDG_DATA_HOME");
    }
    void Demarrer()
    {
        fenetres = std::make_unique<Fenetres>();
        fiche().show();
    }
    TFiche& fiche() { return fenetres->Fiche(); }
    TOptions& options() { return fenetres->Options(); }

    // Runs the Options command; `pendant` acts on the dialog while it is
    // shown, then OK closes it. True when the dialog was shown.
    bool Ouvrir(const std::function<void(TOptions&)>& pendant = {})
    {
        bool montre = false;
        QObject contexte; // a pending close dies with it if the dialog never shows
        QTimer::singleShot(0, &contexte, [&] {
            montre = options().isVisible();
            if (pendant) pendant(options());
            options().BitBtn1->click();
        });
        fiche().MenuAffichageOptionsClick();
        return montre;
    }

    ConfigTemporaire config;
    DialoguesScriptes dialogues;
    std::unique_ptr<Fenetres> fenetres;
};

TEST_F(FicheOptions, WithoutSettingsTheDialogShowsEightAndNothingIsOn)
{
    Demarrer();
    int compte = 0;
    bool caseCochee = false;
    EXPECT_TRUE(Ouvrir([&](TOptions& o) {
        compte = o.RxSpinEditMRU->value();
        for (QCheckBox* c : {o.CheckBoxMotDePasse, o.CheckBoxAssociation, o.CheckBoxProportions, o.CheckBoxVitesse,
                             o.CheckBoxAcceleration, o.CheckBoxConfirmation, o.CheckBoxFigerMRU})
            caseCochee = caseCochee || c->isChecked();
    }));
    EXPECT_EQ(compte, 8);
    EXPECT_FALSE(caseCochee);
    EXPECT_TRUE(dialogues.DemandesMotDePasse.isEmpty());
    EXPECT_EQ(fiche().MRU.Capacite(), 8);
    EXPECT_TRUE(fiche().TailleLibre);
    EXPECT_TRUE(fiche().AfficherVitesse);
    EXPECT_FALSE(fiche().ConfirmerFermeture);
    EXPECT_EQ(IniFile(config.FichierIni()).ReadString("Options", "FormVersion"), "0");
}

TEST_F(FicheOptions, TheChoicesTakeEffectOnTheMainWindow)
{
    Demarrer();
    ASSERT_TRUE(EcrireVideoTest(config.Dossier() + "/v.avi", 4, QSize(160, 120), 25));
    fiche().OuvrirVideo(config.Dossier() + "/v.avi");
    ASSERT_TRUE(fiche().Vue().Opened());
    fiche().Echelle = 0.37;
    EXPECT_TRUE(Ouvrir([](TOptions& o) {
        o.CheckBoxVitesse->setChecked(true);
        o.CheckBoxAcceleration->setChecked(true);
        o.CheckBoxConfirmation->setChecked(true);
        o.CheckBoxFigerMRU->setChecked(true);
        o.CheckBoxProportions->setChecked(true);
    }));
    EXPECT_FALSE(fiche().AfficherVitesse);
    EXPECT_FALSE(fiche().AfficherAcceleration);
    EXPECT_TRUE(fiche().ConfirmerFermeture);
    EXPECT_TRUE(fiche().FigerMRU);
    EXPECT_FALSE(fiche().TailleLibre);
    // The window was fitted anew: the scale was computed again from the video.
    EXPECT_GT(fiche().Echelle, 0);
    EXPECT_NE(fiche().Echelle, 0.37);
    const IniFile ini(config.FichierIni());
    for (const char* cle : {"Speedy", "Acceleration", "Confirmation", "Freeze", "Proportions"})
        EXPECT_EQ(ini.ReadString("Options", cle), "*") << cle;

    EXPECT_TRUE(Ouvrir([](TOptions& o) { o.CheckBoxProportions->setChecked(false); }));
    EXPECT_TRUE(fiche().TailleLibre);
}

TEST_F(FicheOptions, LoweringTheCountFromTenToThreeKeepsTheThreeNewest)
{
    IniFile(config.FichierIni()).WriteString("Options", "NumFiles", "10");
    Demarrer();
    ASSERT_EQ(fiche().MRU.Capacite(), 10);
    for (int i = 1; i <= 10; ++i) {
        const QString f = config.Dossier() + QStringLiteral("/f%1.ktb").arg(i);
        QFile(f).open(QIODevice::WriteOnly);
        fiche().AjouterFichierRecent(f);
    }
    ASSERT_EQ(fiche().EntreesMRU().size(), 10);
    EXPECT_TRUE(Ouvrir([](TOptions& o) {
        EXPECT_EQ(o.RxSpinEditMRU->value(), 10);
        o.RxSpinEditMRU->setValue(3);
    }));
    EXPECT_EQ(fiche().MRU.Capacite(), 3);
    QStringList legendes;
    for (QAction* a : fiche().EntreesMRU()) legendes << a->text();
    EXPECT_EQ(legendes, QStringList({"&1 : f10.ktb", "&2 : f9.ktb", "&3 : f8.ktb"}));
    EXPECT_EQ(IniFile(config.FichierIni()).ReadInteger("Options", "NumFiles", 0), 3);
}

TEST_F(FicheOptions, ANewPasswordIsAskedAtTheNextOpening)
{
    Demarrer();
    dialogues.MotsDePasse.push_back(QString("Fyzika1"));
    EXPECT_TRUE(Ouvrir([](TOptions& o) { o.CheckBoxMotDePasse->click(); }));
    ASSERT_EQ(dialogues.DemandesMotDePasse.size(), 1);

    // Wrong: the warning of the main window's box, and no dialog.
    dialogues.MotsDePasse.push_back(QString("fyzika1"));
    EXPECT_FALSE(Ouvrir());
    ASSERT_EQ(dialogues.DemandesMotDePasse.size(), 2);
    EXPECT_EQ(dialogues.DemandesMotDePasse[1].titre, "Heslo");
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Messages[0].lignes, QStringList({"Nesprávné heslo."}));
    EXPECT_EQ(dialogues.Messages[0].icone, IconeMessage::Avertissement);
    EXPECT_EQ(dialogues.Messages[0].titre, "Kinotab");
    // Cancelled: no dialog, no message. Right: the dialog opens. No limit on attempts.
    dialogues.MotsDePasse.push_back(std::nullopt);
    EXPECT_FALSE(Ouvrir());
    EXPECT_EQ(dialogues.Messages.size(), 1);
    dialogues.MotsDePasse.push_back(QString("Fyzika1"));
    EXPECT_TRUE(Ouvrir());
}

TEST_F(FicheOptions, AClearTextPasswordOfAnOlderFileStillOpensAndIsReplacedAtTheNextChange)
{
    IniFile(config.FichierIni()).WriteString("Options", "Password", "tajne");
    Demarrer();
    dialogues.MotsDePasse.push_back(QString("tajne"));
    // The user sets a new password: untick, tick, type.
    dialogues.MotsDePasse.push_back(QString("nove"));
    EXPECT_TRUE(Ouvrir([](TOptions& o) {
        o.CheckBoxMotDePasse->click();
        o.CheckBoxMotDePasse->click();
    }));
    const QString enregistre = IniFile(config.FichierIni()).ReadString("Options", "Password");
    EXPECT_TRUE(MotDePasse::EstHache(enregistre));
    EXPECT_TRUE(MotDePasse::Verifier(enregistre, "nove"));
}

} // namespace
