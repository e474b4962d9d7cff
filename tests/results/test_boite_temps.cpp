#include "results/UnitBoiteTemps.h"
#include "results/UnitEditionNombre.h"
#include "results/UnitTextesTemps.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Number formats follow QLocale(); the tests fix it and put it back.
class LocaleFixee {
public:
    explicit LocaleFixee(const QLocale& l) { QLocale::setDefault(l); }
    ~LocaleFixee() { QLocale::setDefault(avant_); }

private:
    QLocale avant_;
};

// Shows the dialog as the results window does, active so that it takes the focus.
void Montrer(TBoiteTemps& boite)
{
    boite.show();
    boite.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&boite));
}

void Taper(TBoiteTemps& boite, const QString& texte)
{
    QTest::mouseClick(boite.RxCalcEdit1, Qt::LeftButton);
    QTest::keyClick(boite.RxCalcEdit1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(boite.RxCalcEdit1, texte);
    QTest::keyClick(boite.RxCalcEdit1, Qt::Key_Return);
}

} // namespace

TEST(TextesTemps, NumberFormats)
{
    LocaleFixee c(QLocale::c());
    using namespace TextesTemps;
    EXPECT_EQ(FormatAffichage(1e-6), "0");
    EXPECT_EQ(FormatAffichage(0.04), "0.04");
    EXPECT_EQ(FormatAffichage(1.23456), "1.235");
    EXPECT_EQ(FormatAffichage(1e9), "1000000000");
    EXPECT_EQ(FormatEdition(1e-6), "0.000001");
    EXPECT_EQ(FormatEdition(0.04), "0.04");
    EXPECT_EQ(FormatEdition(1.0 / 3.0), "0.333333333333");

    EXPECT_EQ(ImagesParSeconde(0.04), 25);
    EXPECT_EQ(ImagesParSeconde(1.0 / 30.0), 30);
    EXPECT_EQ(ImagesParSeconde(2.0), 0); // 0.5 goes to the even neighbour
    EXPECT_EQ(ImagesParSeconde(0.4), 2); // 2.5 too
    EXPECT_EQ(ImagesParSeconde(1.0 / 1.5), 2);
}

TEST(TextesTemps, TextsOfA25FramesPerSecondVideo)
{
    {
        LocaleFixee c(QLocale::c());
        EXPECT_EQ(TextesTemps::Information(0.04),
                  QString::fromUtf8("Videosoubor byl zachycen s frekvencí: \n25 obrázků / sekundu.\n"
                                    "Čas mezi dvěma sousedními snímky je: \nT = 0.04 s."));
        EXPECT_EQ(TextesTemps::ChoixDefaut(0.04), "Pouzij nastavenou hodnotu T = 0.04 s");
    }
    LocaleFixee cs(QLocale(QLocale::Czech, QLocale::Czechia));
    EXPECT_EQ(TextesTemps::ChoixDefaut(0.04), "Pouzij nastavenou hodnotu T = 0,04 s");
    EXPECT_EQ(TextesTemps::FormatAffichage(1.5), "1,5");
}

TEST(PasDeTemps, BoundsAreInclusive)
{
    EXPECT_TRUE(TPasDeTemps::Admis(1e-6));
    EXPECT_TRUE(TPasDeTemps::Admis(1e9));
    EXPECT_TRUE(TPasDeTemps::Admis(0.04));
    EXPECT_FALSE(TPasDeTemps::Admis(std::nextafter(1e-6, 0.0)));
    EXPECT_FALSE(TPasDeTemps::Admis(std::nextafter(1e9, 2e9)));
    EXPECT_FALSE(TPasDeTemps::Admis(0.0));
    EXPECT_FALSE(TPasDeTemps::Admis(std::numeric_limits<double>::quiet_NaN()));
}

TEST(BoiteTemps, CreationTexts)
{
    TBoiteTemps boite;
    EXPECT_EQ(boite.windowTitle(), "Doba mezi dvema snimky");
    EXPECT_EQ(boite.TexteStatusBar1->text(), QString::fromUtf8("1 µs < T < 1 Gs"));
    EXPECT_EQ(boite.GroupBox1->title(), QString::fromUtf8("Choix de la durée représentée par T"));
    EXPECT_EQ(boite.RadioButtonAutreValeur->text(), "Choisir une autre valeur :");
    EXPECT_EQ(boite.Label2->text(), "seconde(s)");
    EXPECT_EQ(boite.PasDeTemps.TChoisi, 0.0);
    EXPECT_EQ(boite.PasDeTemps.TDefaut, 0.0);
    EXPECT_TRUE(boite.RadioButtonDefaut->isChecked());
    EXPECT_EQ(boite.RxCalcEdit1->Valeur(), 1e-6);
}

TEST(BoiteTemps, ShownBeforeAnyComputationChangesNothing)
{
    TBoiteTemps boite;
    const QString information = boite.Label1->text();
    const QString choix = boite.RadioButtonDefaut->text();
    Montrer(boite);
    EXPECT_EQ(boite.Label1->text(), information);
    EXPECT_EQ(boite.RadioButtonDefaut->text(), choix);
    EXPECT_EQ(boite.PasDeTemps.TChoisi, 0.0);
    EXPECT_EQ(boite.RxCalcEdit1->Valeur(), 1e-6);
}

TEST(BoiteTemps, ShowingFillsTextsAndLaysOut)
{
    LocaleFixee c(QLocale::c());
    TBoiteTemps boite;
    boite.PasDeTemps.Initialiser("a.avi", 0.04);
    Montrer(boite);
    EXPECT_TRUE(boite.RadioButtonDefaut->isChecked());
    EXPECT_EQ(boite.RadioButtonDefaut->text(), "Pouzij nastavenou hodnotu T = 0.04 s");
    EXPECT_EQ(boite.Label1->text(), TextesTemps::Information(0.04));
    EXPECT_EQ(boite.RxCalcEdit1->text(), "0.04");

    EXPECT_EQ(boite.Label1->y(), 8);
    EXPECT_EQ(boite.Label1->x(), (328 - boite.Label1->width()) / 2);
    EXPECT_GE(boite.Label1->height(), 4 * boite.Label1->fontMetrics().height());
    EXPECT_EQ(boite.GroupBox1->y(), 8 + boite.Label1->height() + 12);
    EXPECT_EQ(boite.BitBtn1->y(), boite.GroupBox1->y() + boite.GroupBox1->height() + 8);
    EXPECT_EQ(boite.width(), 328);
    EXPECT_EQ(boite.height(), boite.BitBtn1->y() + boite.BitBtn1->height() + boite.StatusBar1->height() + 8);
}

TEST(BoiteTemps, SlowMotionProposesTheCaptureIntervalAndSaysSo)
{
    // Captured at 240 frames per second, played back at 30.
    LocaleFixee c(QLocale::c());
    TBoiteTemps boite;
    boite.PasDeTemps.Initialiser("pomalu.mp4", 1.0 / 30, 1.0 / 240);
    Montrer(boite);
    EXPECT_TRUE(boite.RadioButtonDefaut->isChecked());
    EXPECT_EQ(boite.PasDeTemps.TChoisi, 1.0 / 240);
    EXPECT_EQ(boite.RadioButtonDefaut->text(), "Pouzij nastavenou hodnotu T = 0.00417 s");
    const QString texte = boite.Label1->text();
    EXPECT_TRUE(texte.startsWith(TextesTemps::Information(1.0 / 240))) << texte.toStdString();
    EXPECT_TRUE(texte.contains("240 obrázků / sekundu.")) << texte.toStdString();
    EXPECT_TRUE(texte.endsWith("přehrává s 30 obrázky / sekundu.")) << texte.toStdString();
    // The label grows with the extra lines and the layout follows it.
    EXPECT_GE(boite.Label1->height(), 6 * boite.Label1->fontMetrics().height());
    EXPECT_EQ(boite.GroupBox1->y(), 8 + boite.Label1->height() + 12);

    // Another video without a capture rate: the playback interval, no extra line.
    boite.hide();
    boite.PasDeTemps.Initialiser("normal.avi", 0.04);
    Montrer(boite);
    EXPECT_EQ(boite.Label1->text(), TextesTemps::Information(0.04));
}

TEST(BoiteTemps, EnterValidatesWithinInclusiveBounds)
{
    LocaleFixee c(QLocale::c());
    TBoiteTemps boite;
    boite.PasDeTemps.Initialiser("a.avi", 0.04);

    Montrer(boite);
    Taper(boite, "0.0000009");
    EXPECT_TRUE(boite.isVisible());
    EXPECT_TRUE(boite.RadioButtonAutreValeur->isChecked());
    EXPECT_EQ(boite.PasDeTemps.TChoisi, 0.04);

    Taper(boite, "0.000001");
    EXPECT_FALSE(boite.isVisible());
    EXPECT_EQ(boite.result(), QDialog::Accepted);
    EXPECT_EQ(boite.PasDeTemps.TChoisi, 1e-6);

    Montrer(boite);
    Taper(boite, "1000000001");
    EXPECT_TRUE(boite.isVisible());
    EXPECT_EQ(boite.PasDeTemps.TChoisi, 1e-6);
    Taper(boite, "1000000000");
    EXPECT_FALSE(boite.isVisible());
    EXPECT_EQ(boite.PasDeTemps.TChoisi, 1e9);
}

TEST(BoiteTemps, EditShowsTwelveDecimalsOnlyWhileEdited)
{
    LocaleFixee c(QLocale::c());
    TBoiteTemps boite;
    boite.PasDeTemps.Initialiser("a.avi", 0.04);
    boite.PasDeTemps.TChoisi = 0.0123456;
    Montrer(boite);
    ASSERT_TRUE(boite.RxCalcEdit1->hasFocus());
    EXPECT_EQ(boite.RxCalcEdit1->text(), "0.0123456");
    boite.BitBtn1->setFocus();
    EXPECT_EQ(boite.RxCalcEdit1->text(), "0.012");
    EXPECT_EQ(boite.RxCalcEdit1->Valeur(), 0.0123456);
    // Letters are not numbers.
    QTest::mouseClick(boite.RxCalcEdit1, Qt::LeftButton);
    QTest::keyClick(boite.RxCalcEdit1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(boite.RxCalcEdit1, "x2.5y");
    EXPECT_EQ(boite.RxCalcEdit1->text(), "2.5");
}

TEST(BoiteTemps, OkButton)
{
    LocaleFixee c(QLocale::c());
    TBoiteTemps boite;
    boite.PasDeTemps.Initialiser("a.avi", 0.04);

    // Another value left as it was: OK closes without validating it.
    boite.PasDeTemps.TChoisi = 5e9;
    Montrer(boite);
    ASSERT_TRUE(boite.RadioButtonAutreValeur->isChecked());
    QTest::mouseClick(boite.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(boite.isVisible());
    EXPECT_EQ(boite.PasDeTemps.TChoisi, 5e9);

    // A changed value is validated: out of range keeps the dialog open.
    Montrer(boite);
    QTest::mouseClick(boite.RxCalcEdit1, Qt::LeftButton);
    QTest::keyClick(boite.RxCalcEdit1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(boite.RxCalcEdit1, "0");
    QTest::mouseClick(boite.BitBtn1, Qt::LeftButton);
    EXPECT_TRUE(boite.isVisible());
    QTest::keyClick(boite.RxCalcEdit1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(boite.RxCalcEdit1, "0.05");
    QTest::mouseClick(boite.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(boite.isVisible());
    EXPECT_EQ(boite.PasDeTemps.TChoisi, 0.05);
}

TEST(BoiteTemps, DefaultChoiceTakesEffectAtOnce)
{
    LocaleFixee c(QLocale::c());
    TBoiteTemps boite;
    boite.PasDeTemps.Initialiser("a.avi", 0.04);
    boite.PasDeTemps.TChoisi = 0.1;

    // The user's own value: the other choice is checked, its text selected.
    Montrer(boite);
    EXPECT_TRUE(boite.RadioButtonAutreValeur->isChecked());
    EXPECT_EQ(boite.focusWidget(), boite.RxCalcEdit1);
    EXPECT_EQ(boite.RxCalcEdit1->text(), "0.1");
    EXPECT_EQ(boite.RxCalcEdit1->selectedText(), "0.1");

    QTest::mouseClick(boite.RadioButtonDefaut, Qt::LeftButton);
    EXPECT_EQ(boite.PasDeTemps.TChoisi, 0.04);
    boite.close(); // the close box
    EXPECT_FALSE(boite.isVisible());
    EXPECT_EQ(boite.PasDeTemps.TChoisi, 0.04);

    Montrer(boite);
    EXPECT_TRUE(boite.RadioButtonDefaut->isChecked());
}
