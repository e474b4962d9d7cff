// The results window's table view: rows, columns, recomputations, export.

#include "tests/results/ResultatsTest.h"

#include "results/UnitBoiteTemps.h"
#include "results/UnitEditionNombre.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace {

using ResultatsTableau = ResultatsTest;

QString lire(const QString& chemin)
{
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << chemin.toStdString();
    return QString::fromUtf8(f.readAll());
}

// Answers the time-step dialog with another value and OK.
std::function<int(QDialog&)> choisirPas(double T)
{
    return [T](QDialog& d) {
        auto& boite = static_cast<TBoiteTemps&>(d);
        boite.show();
        boite.RadioButtonAutreValeur->click();
        boite.RxCalcEdit1->ChoisirValeur(T);
        boite.BitBtn1->click();
        return boite.result();
    };
}

TEST_F(ResultatsTableau, OnePointAndFiveMarksGiveFiveRowsOfPositions)
{
    Mesurer(1, 5);
    Montrer(TVueResultats::Tableau, [this](TResultats&) {
        ASSERT_EQ(Lignes(), 5);
        EXPECT_EQ(Cellule(4, "Numero"), "5");
        EXPECT_EQ(Cellule(4, "Date"), FormatTableau(0.16, QLocale().decimalPoint().front()));
        // x = 1.6 m a picture width: 0.05 + 0.16 + 0.032 of it.
        EXPECT_EQ(Cellule(4, "x1"), FormatTableau(0.242 * 1.6, QLocale().decimalPoint().front()));
        EXPECT_EQ(ColonnesVisibles(), QStringList({"Numero", "Date", "x1", "y1"}));
    });
}

TEST_F(ResultatsTableau, TwoPointsAndFiveMarksGiveThreeRowsWithEmptyCells)
{
    Mesurer(2, 5);
    Montrer(TVueResultats::Tableau, [this](TResultats&) {
        ASSERT_EQ(Lignes(), 3);
        EXPECT_EQ(ColonnesVisibles(), QStringList({"Numero", "Date", "x1", "y1", "x2", "y2"}));
        EXPECT_FALSE(Cellule(2, "x1").isEmpty());
        EXPECT_EQ(Cellule(2, "x2"), "");
        EXPECT_EQ(Cellule(2, "y2"), "");
        EXPECT_EQ(Cellule(1, "y2"), FormatTableau((1 - 0.4) * 1.2, QLocale().decimalPoint().front()));
    });
}

TEST_F(ResultatsTableau, VelocitiesOfThreePointsComeInTheirOrderAndOnlyWhenOffered)
{
    Mesurer(3, 9);
    Montrer(TVueResultats::Tableau, [this](TResultats& r) {
        ASSERT_TRUE(r.MenuAffichageVitesse->isVisible());
        EXPECT_FALSE(r.MenuAffichageVitesse->isChecked());
        r.MenuAffichageVitesse->trigger();
        EXPECT_TRUE(r.MenuAffichageVitesse->isChecked());
        EXPECT_EQ(ColonnesVisibles(),
                  QStringList({"Numero", "Date", "x1", "y1", "x2", "y2", "x3", "y3", "vx1", "vy1", "v1", "vx2", "vy2",
                               "v2", "vx3", "vy3", "v3"}));
        r.MenuAffichageAcceleration->trigger();
        EXPECT_EQ(ColonnesVisibles().size(), 26);
        r.MenuAffichageVitesse->trigger();
        EXPECT_EQ(ColonnesVisibles().mid(8, 1), QStringList({"ax1"}));
        // A new activation hides them again and clears both checks.
        r.MenuResultatsReferentiel->trigger();
        r.MenuResultatsTableau->trigger();
        EXPECT_EQ(ColonnesVisibles().size(), 8);
        EXPECT_FALSE(r.MenuAffichageAcceleration->isChecked());
    });
    // Too few samples: no velocity item.
    Mesurer(3, 5);
    Montrer(TVueResultats::Tableau, [](TResultats& r) {
        EXPECT_FALSE(r.MenuAffichageVitesse->isVisible());
        EXPECT_FALSE(r.MenuAffichageIncertitudes->isVisible());
    });
}

TEST_F(ResultatsTableau, HowTheMarksWereMadeIsAColumnOfEachPointOnRequest)
{
    Mesurer(2, 10);
    Montrer(TVueResultats::Tableau, [&](TResultats& r) {
        EXPECT_EQ(ColonnesVisibles().size(), 6);
        EXPECT_FALSE(r.MenuAffichageMarques->isChecked());
        r.MenuAffichageMarques->trigger();
        const QStringList v = ColonnesVisibles();
        ASSERT_EQ(v.size(), 8);
        EXPECT_EQ(v.mid(6), (QStringList{"Marque1", "Marque2"}));
        EXPECT_EQ(r.DBGrid->model()->index(0, TTableau::Colonne("Marque1")).data().toString(), "ručně");
        EXPECT_FALSE(r.DBGrid->model()->index(0, 0).data(Qt::BackgroundRole).isValid()); // nothing flagged
        r.MenuAffichageMarques->trigger();
        EXPECT_EQ(ColonnesVisibles().size(), 6);
    });
}

TEST_F(ResultatsTableau, ANewTimeStepRefillsTheTableEvenAtOneMicrosecond)
{
    Mesurer(1, 12);
    Montrer(TVueResultats::Tableau, [this](TResultats& r) {
        const QChar sep = QLocale().decimalPoint().front();
        EXPECT_EQ(Cellule(3, "Date"), FormatTableau(0.12, sep));
        dialogues.Modaux.push_back(choisirPas(0.5));
        r.MenuCalculsTempsEntreDeuxImages->trigger();
        EXPECT_EQ(dialogues.ModauxMontres.last(), "Doba mezi dvema snimky");
        EXPECT_TRUE(dialogues.Messages.isEmpty());
        EXPECT_EQ(Cellule(3, "Date"), "1" + QString(sep) + "5");
        EXPECT_EQ(r.Modele().PasDeTemps().TChoisi, 0.5);
    });

    // Twelve samples that no low-degree fit follows, at one microsecond a
    // step: the fits work on reduced times, so the smallest step the dialog
    // accepts is computed like any other (the failure path is the model's
    // test, with coinciding times).
    Etalonner();
    Marquer(1, 12, [](int k) { return PointD{0.1 + 0.05 * k, k % 2 ? 0.3 : 0.6 + 0.01 * k}; });
    Montrer(TVueResultats::Tableau, [this](TResultats& r) {
        r.MenuAffichageVitesse->trigger();
        dialogues.Modaux.push_back(choisirPas(1e-6));
        r.MenuCalculsTempsEntreDeuxImages->trigger();
        EXPECT_TRUE(dialogues.Messages.isEmpty());
        EXPECT_EQ(r.Modele().PasDeTemps().TChoisi, 1e-6);
        EXPECT_DOUBLE_EQ(r.Modele().Series().SerieTemps[0][11], 11e-6);
    });
}

TEST_F(ResultatsTableau, SmoothingOffThenOnGivesTheSameTable)
{
    Etalonner();
    Marquer(1, 8, [](int k) { return PointD{0.1 + 0.05 * k + 0.01 * (k % 3), 0.5 - 0.02 * k}; });
    Montrer(TVueResultats::Tableau, [this](TResultats& r) {
        r.MenuAffichageVitesse->trigger();
        EXPECT_TRUE(r.MenuCalculsLisserLesResultats->isChecked());
        const QString lisse = r.Modele().Tableau().RemplirTexte('.');
        const QString vx = Cellule(2, "vx1");
        r.MenuCalculsLisserLesResultats->trigger();
        EXPECT_FALSE(r.MenuCalculsLisserLesResultats->isChecked());
        EXPECT_FALSE(r.Series().Lisser);
        EXPECT_NE(Cellule(2, "vx1"), vx); // raw differences follow the wobble
        r.MenuCalculsLisserLesResultats->trigger();
        EXPECT_TRUE(r.Series().Lisser);
        EXPECT_EQ(r.Modele().Tableau().RemplirTexte('.'), lisse);
        EXPECT_EQ(Cellule(2, "vx1"), vx);
        EXPECT_TRUE(dialogues.Messages.isEmpty());
    });
}

TEST_F(ResultatsTableau, SavedAndCopiedTextsAreTheSame)
{
    Mesurer(1, 3);
    const QString sans = config.Dossier() + "/mesure";
    dialogues.Fichiers.push_back(FichierChoisi{sans, 1});
    Montrer(TVueResultats::Tableau, [this](TResultats& r) {
        r.MenuFichierEnregistrer->trigger();
        r.MenuEditionCopierDansLePressePapier->trigger();
    });
    ASSERT_EQ(dialogues.DemandesEnregistrer.size(), 1);
    const DemandeFichier& d = dialogues.DemandesEnregistrer[0];
    EXPECT_EQ(d.titre, "Uložit do textového souboru");
    EXPECT_EQ(d.filtre, "Text oddělený tabulátory (*.txt)|.txt");
    EXPECT_EQ(d.extensionDefaut, "txt");
    const QString texte = lire(sans + ".txt");
    const QStringList lignes = texte.split("\r\n");
    ASSERT_EQ(lignes.size(), 10); // nine lines, each ended by CR LF
    EXPECT_EQ(lignes[3], "Numero\tDate\tx1\ty1\t");
    EXPECT_EQ(lignes[4], "\t(s)\t(m)\t(m)\t");
    EXPECT_TRUE(lignes[8].startsWith("3\t"));
    EXPECT_EQ(QApplication::clipboard()->text(), texte);
    ASSERT_EQ(dialogues.Messages.size(), 2);
    EXPECT_EQ(dialogues.Messages[0].icone, IconeMessage::Information);
    EXPECT_EQ(dialogues.Messages[0].lignes, QStringList({"Data uložena do textového souboru. Soubor má příponu TXT."}));
    EXPECT_EQ(dialogues.Messages[1].lignes,
              QStringList({"Data byla zkopírována do schránky. Po zavření tohoto okna, otevřete tabulkový procesor a "
                           "stiskněte CTRL + V."}));
}

TEST_F(ResultatsTableau, AFailedSaveSaysSoAndACancelledOneDoesNothing)
{
    Mesurer(1, 3);
    dialogues.Fichiers.push_back(FichierChoisi{config.Dossier() + "/absent/t.txt", 1});
    dialogues.Fichiers.push_back(std::nullopt);
    Montrer(TVueResultats::Tableau, [](TResultats& r) {
        r.MenuFichierEnregistrer->trigger();
        r.MenuFichierEnregistrer->trigger();
    });
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Messages[0].icone, IconeMessage::Avertissement);
    // The missing folder is the cause, in the system's words.
    EXPECT_EQ(dialogues.Messages[0].lignes,
              QStringList({"Nastala neznámá chyba.", QString::fromLocal8Bit(std::strerror(ENOENT)) + "."}));
}

TEST_F(ResultatsTableau, MenusFollowTheView)
{
    Mesurer(1, 6);
    Montrer(TVueResultats::Tableau, [](TResultats& r) {
        EXPECT_FALSE(r.MenuFichierImprimer->isVisible());
        EXPECT_TRUE(r.MenuEdition->menuAction()->isVisible());
        EXPECT_FALSE(r.MenuAffichageZoomX->isVisible());
        EXPECT_FALSE(r.MenuResultatsTableau->isVisible());
        EXPECT_TRUE(r.MenuResultatsTemps->isVisible());
        r.MenuResultatsTemps->trigger();
        EXPECT_TRUE(r.MenuFichierImprimer->isVisible());
        EXPECT_FALSE(r.MenuEdition->menuAction()->isVisible());
        EXPECT_TRUE(r.MenuAffichageZoomY->isVisible());
        EXPECT_TRUE(r.MenuAffichageZoomY->isChecked());
        EXPECT_FALSE(r.MenuAffichageVitesse->isVisible());
        EXPECT_TRUE(r.MenuCalculs->menuAction()->isVisible());
        r.MenuResultatsReferentiel->trigger();
        EXPECT_FALSE(r.MenuCalculs->menuAction()->isVisible());
        EXPECT_TRUE(r.MenuAffichageNumeroterLesPoints->isVisible());
        r.MenuResultatsVecteur->trigger();
        EXPECT_TRUE(r.MenuAffichageValeurs->isVisible());
        EXPECT_FALSE(r.MenuAffichageDessinerUneCourbe->isVisible());
        // Numbers and values exclude each other; both may be off.
        r.MenuAffichageNumeroterLesPoints->trigger();
        r.MenuAffichageValeurs->trigger();
        EXPECT_FALSE(r.MenuAffichageNumeroterLesPoints->isChecked());
        r.MenuAffichageValeurs->trigger();
        EXPECT_FALSE(r.MenuAffichageValeurs->isChecked());
    });
}

TEST_F(ResultatsTableau, CtrlCInTheGridCopiesTheWholeTable)
{
    Mesurer(1, 3);
    QString copie, attendue;
    Montrer(TVueResultats::Tableau, [&](TResultats& r) {
        r.MenuEditionCopierDansLePressePapier->trigger();
        attendue = QApplication::clipboard()->text();
        QApplication::clipboard()->clear();
        QApplication::setActiveWindow(&r);
        r.DBGrid->setFocus();
        r.DBGrid->setCurrentIndex(r.DBGrid->model()->index(1, 1));
        QTest::keyClick(r.DBGrid, Qt::Key_C, Qt::ControlModifier);
        copie = QApplication::clipboard()->text();
    });
    EXPECT_TRUE(attendue.contains("Numero\tDate"));
    EXPECT_EQ(copie, attendue);
}

TEST_F(ResultatsTableau, WindowSizeHintsAndNames)
{
    Mesurer(1, 6);
    Montrer(TVueResultats::Tableau, [](TResultats& r) {
        EXPECT_EQ(r.minimumSize(), QSize(640, 480));
        EXPECT_EQ(r.DBGrid->geometry(), QRect(0, 0, r.Client->width(), r.Client->height() - 19));
        EXPECT_EQ(r.DBGrid->palette().color(QPalette::Base), QColor(255, 247, 222));
        EXPECT_EQ(r.DBGrid->horizontalHeader()->sectionsMovable(), true);
        // The long hint of the control under the pointer shows in the status bar.
        QStatusTipEvent e(r.DBGrid->statusTip());
        QApplication::sendEvent(r.DBGrid, &e);
        EXPECT_EQ(r.TexteStatusBar->text(), "Sloupce spojeny s polem nohou být přemístěny nebo změněn jejich rozměr");
        // Menus keep their captions as accessible names.
        QAccessibleInterface* barre = QAccessible::queryAccessibleInterface(r.MainMenu1);
        ASSERT_NE(barre, nullptr);
        QStringList noms;
        for (int i = 0; i < barre->childCount(); ++i)
            if (barre->child(i)->state().invisible == 0) noms << barre->child(i)->text(QAccessible::Name);
        EXPECT_EQ(noms, QStringList({"Soubor", "Editace", "Zobrazení", "Výpočty", "Výsledky"}));
    });
}

} // namespace
