// The results window's graphical views: choice rows, menus, the vector
// scale row, masking, and pictures saved to files.

#include "tests/results/ResultatsTest.h"

#include "graph/UnitGraphPlus.h"
#include "core/UnitFormatReel.h"
#include "results/UnitUpDown.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace {

using ResultatsGraphes = ResultatsTest;

QStringList Items(const QComboBox* c)
{
    QStringList l;
    for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
    return l;
}

TEST_F(ResultatsGraphes, GraphsListQuantitiesAsTheOptionsAllowAndKeepTheirZoomChecks)
{
    Mesurer(2, 10);
    fiche().AfficherVitesse = false;
    Montrer(TVueResultats::Temps, [](TResultats& r) {
        EXPECT_EQ(Items(r.ComboBoxChoix1),
                  QStringList({"souradnice x", "souradnice y", "zrychlení ax", "zrychlení ay", "hodnota zrychlení"}));
        EXPECT_EQ(Items(r.ComboBoxChoix2), QStringList({"bodu 1", "bodu 2"}));
        EXPECT_EQ(r.LabelChoix1->text(), "Závislost");
        EXPECT_EQ(r.LabelChoix2->text(), "na case");
        r.ComboBoxChoix1->setCurrentIndex(2);
        EXPECT_EQ(r.Graphe->TitreAxeY(), "ax (m/s2)");
        EXPECT_TRUE(r.Graphe->ZoomY());
        r.MenuAffichageZoomX->trigger();
        r.MenuAffichageZoomY->trigger();
        EXPECT_TRUE(r.Graphe->ZoomX());
        EXPECT_FALSE(r.Graphe->ZoomY());
        // The choice row stays centred and in order.
        EXPECT_LT(r.LabelChoix1->x(), r.ComboBoxChoix1->x());
        EXPECT_LT(r.ComboBoxChoix2->x(), r.LabelChoix2->x());
        EXPECT_NEAR(r.LabelChoix1->x(), r.Client->width() - (r.LabelChoix2->x() + r.LabelChoix2->width()), 2);
    });
    Montrer(TVueResultats::Temps, [](TResultats& r) {
        EXPECT_TRUE(r.MenuAffichageZoomX->isChecked());
        EXPECT_TRUE(r.Graphe->ZoomX());
        EXPECT_FALSE(r.Graphe->ZoomY());
    });
}

TEST_F(ResultatsGraphes, TrajectoriesKeepEqualScalesWhenTheWindowIsResized)
{
    Mesurer(2, 10);
    Montrer(TVueResultats::Trajectoire, [](TResultats& r) {
        EXPECT_EQ(Items(r.ComboBoxChoix1), QStringList({"1", "2", "1-2"}));
        EXPECT_EQ(Items(r.ComboBoxChoix2), QStringList({"ke kameře", "k bodu č. 1", "k bodu č. 2"}));
        for (QSize taille : {QSize(640, 480), QSize(1000, 500), QSize(700, 900)}) {
            r.resize(taille);
            r.ComboBoxChoix1->setCurrentIndex(r.ComboBoxChoix1->currentIndex() == 2 ? 0 : 2);
            const TLimites& l = r.Graphe->Limites();
            EXPECT_NEAR((l.Xmax - l.Xmin) / r.Graphe->LargeurGraphe(), (l.Ymax - l.Ymin) / r.Graphe->HauteurGraphe(),
                        1e-12);
            // The graph lies between the top and the choice row.
            EXPECT_EQ(r.Graphe->geometry().bottom() + 1, r.PanelChoix->y());
        }
        r.MenuAffichageNumeroterLesPoints->trigger();
        EXPECT_TRUE(r.Graphe->CourbesActives()[0]->NumerosVisibles);
    });
}

TEST_F(ResultatsGraphes, TenClicksUpMultiplyTheScaleByElevenTenthsTenTimes)
{
    Mesurer(1, 10);
    Montrer(TVueResultats::Vecteurs, [](TResultats& r) {
        EXPECT_EQ(Items(r.ComboBoxChoix1), QStringList({"rychlosti", "zrychlení"}));
        EXPECT_EQ(r.LabelEchelle4->text(), "-1");
        EXPECT_EQ(r.Fleche->width(), 64);
        double attendue = r.Graphe->EchelleVecteurs();
        for (int i = 0; i < 10; ++i) {
            r.UpDownEchelle->Haut->click();
            attendue += attendue / 10;
        }
        EXPECT_DOUBLE_EQ(r.Graphe->EchelleVecteurs(), attendue);
        EXPECT_EQ(r.UpDownEchelle->Position(), 10);
        EXPECT_EQ(r.EditEchelle->text(), FormatGeneral(attendue, 3));
        // Down until the graph refuses: then a click changes nothing.
        int clics = 0;
        while (r.UpDownEchelleChangingEx(-1) && clics < 1000) ++clics;
        ASSERT_LT(clics, 1000);
        const double valeur = r.Graphe->EchelleVecteurs();
        const QString texte = r.EditEchelle->text();
        const int position = r.UpDownEchelle->Position();
        r.UpDownEchelle->Bas->click();
        EXPECT_EQ(r.Graphe->EchelleVecteurs(), valeur);
        EXPECT_EQ(r.EditEchelle->text(), texte);
        EXPECT_EQ(r.UpDownEchelle->Position(), position);
        // Accelerations: the other exponent and a new automatic scale.
        r.ComboBoxChoix1->setCurrentIndex(1);
        EXPECT_EQ(r.LabelEchelle4->text(), "-2");
        EXPECT_EQ(r.Graphe->SerieVecteurs(), 1);
    });
}

TEST_F(ResultatsGraphes, MaskingHidesArrowsOnlyInTheVectorsView)
{
    Mesurer(1, 10);
    Montrer(TVueResultats::Vecteurs, [](TResultats& r) {
        r.SpeedButtonEchelle->click();
        ASSERT_TRUE(r.Graphe->ModeVecteurs());
        EXPECT_EQ(r.Graphe->statusTip(), "Levym tlacitkem mysi smazete vektory, pravym je nakreslite.");
        const TCourbe& c = *r.Graphe->CourbesActives()[0];
        ASSERT_EQ(c.Visibles().size(), 10u);
        QTest::mousePress(r.Graphe, Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseMove(r.Graphe, QPoint(r.Graphe->width() - 2, r.Graphe->height() - 2));
        QTest::mouseRelease(r.Graphe, Qt::LeftButton, {}, QPoint(r.Graphe->width() - 2, r.Graphe->height() - 2));
        EXPECT_EQ(std::count(c.Visibles().begin(), c.Visibles().end(), true), 0);

        r.MenuResultatsReferentiel->trigger();
        EXPECT_FALSE(r.Graphe->ModeVecteurs());
        EXPECT_EQ(r.Graphe->statusTip(),
                  "Levym tlacitkem uchopte graf a posunte ho. Pravym tlacitkem muzete graf zvetsit nebo zmensit.");
        // Panning is back.
        const double xmin = r.Graphe->Limites().Xmin;
        QTest::mousePress(r.Graphe, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(r.Graphe, QPoint(150, 100));
        QTest::mouseRelease(r.Graphe, Qt::LeftButton, {}, QPoint(150, 100));
        EXPECT_LT(r.Graphe->Limites().Xmin, xmin);

        r.MenuResultatsVecteur->trigger();
        EXPECT_TRUE(r.SpeedButtonEchelle->isChecked());
        EXPECT_TRUE(r.Graphe->ModeVecteurs());
        // A new drawing shows every arrow again.
        EXPECT_EQ(std::count(r.Graphe->CourbesActives()[0]->Visibles().begin(),
                             r.Graphe->CourbesActives()[0]->Visibles().end(), true),
                  10);
    });
}

TEST_F(ResultatsGraphes, PicturesAreSavedAsLastPaintedWithTheLegendInTheVectorsView)
{
    Mesurer(1, 10);
    const QString trajectoire = config.Dossier() + "/t";
    const QString graphe = config.Dossier() + "/g.png";
    const QString vecteurs = config.Dossier() + "/v";
    dialogues.Fichiers = {FichierChoisi{trajectoire, 1}, FichierChoisi{graphe, 1}, FichierChoisi{vecteurs, 2}};
    QImage peinte, peinteVecteurs;
    Montrer(TVueResultats::Trajectoire, [&](TResultats& r) {
        r.MenuFichierEnregistrer->trigger();
        peinte = r.Graphe->Image();
        r.MenuResultatsTemps->trigger();
        r.MenuFichierEnregistrer->trigger();
        r.MenuResultatsVecteur->trigger();
        r.MenuFichierEnregistrer->trigger();
        peinteVecteurs = r.Graphe->Image();
    });
    ASSERT_EQ(dialogues.DemandesEnregistrer.size(), 3);
    EXPECT_EQ(dialogues.DemandesEnregistrer[0].titre, "Uložit do obrazového souboru");
    EXPECT_EQ(dialogues.DemandesEnregistrer[0].extensionDefaut, "bmp");
    EXPECT_TRUE(dialogues.DemandesEnregistrer[0].filtre.startsWith("Bitmapa (*.bmp)|*.bmp"));
    EXPECT_EQ(dialogues.DemandesEnregistrer[1].titre, "Uložit jako obrázek");
    EXPECT_EQ(dialogues.Lignes(),
              QStringList({"Data uložena do obrazového souboru. Soubor má příponu BMP.",
                           "Data uložena do obrazového souboru. Soubor má příponu PNG.",
                           "Data uložena do obrazového souboru. Soubor má příponu PNG."}));

    const QImage bmp(trajectoire + ".bmp", "BMP");
    ASSERT_FALSE(bmp.isNull());
    EXPECT_EQ(bmp.convertToFormat(QImage::Format_RGB32), peinte.convertToFormat(QImage::Format_RGB32));
    EXPECT_FALSE(QImage(graphe, "PNG").isNull());
    // The PNG filter gives a name without extension ".png"; the legend's
    // line is drawn on the saved picture only.
    const QImage v(vecteurs + ".png", "PNG");
    ASSERT_FALSE(v.isNull());
    EXPECT_EQ(v.pixel(40, 20) & 0xFFFFFF, 0u);
    EXPECT_NE(peinteVecteurs.pixel(40, 20) & 0xFFFFFF, 0u);
}

TEST_F(ResultatsGraphes, AFailedPictureSaveSaysSo)
{
    Mesurer(1, 10);
    dialogues.Fichiers = {FichierChoisi{config.Dossier() + "/absent/t.bmp", 1}};
    Montrer(TVueResultats::Trajectoire, [](TResultats& r) { r.MenuFichierEnregistrer->trigger(); });
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Messages[0].icone, IconeMessage::Avertissement);
    // The missing folder is the cause, in the system's words.
    EXPECT_EQ(dialogues.Messages[0].lignes,
              QStringList({"Nastala neznámá chyba.", QString::fromLocal8Bit(std::strerror(ENOENT)) + "."}));
}

} // namespace
