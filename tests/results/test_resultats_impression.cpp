// The results window's print: the white picture handed to the print window,
// the legend of the vectors view, the colours restored, and the page printed
// to a PDF file through the print window.

#include "tests/results/ResultatsTest.h"

#include "graph/UnitCouleur.h"
#include "graph/UnitGraphPlus.h"
#include "print/UnitImprimer.h"

#include <QFile>
#include <QPrinter>
#include <QLineEdit>
#include <stdexcept>

namespace {

using ResultatsImpression = ResultatsTest;

const QRgb Blanc = qRgb(255, 255, 255);

// A pixel of the plot area's background, between the grid lines and away
// from the curves.
QPoint Fond(const TGraphPlus& g)
{
    return {g.AxeYFromLeft() + 20, g.AxeXFromTop() + 20};
}

TEST_F(ResultatsImpression, TheGraphIsPrintedOnWhiteAndGetsItsColoursBackAfterwards)
{
    Mesurer(1, 10);
    Montrer(TVueResultats::Trajectoire, [this](TResultats& r) {
        const QImage avant = r.Graphe->Image();
        ASSERT_NE(avant.pixel(Fond(*r.Graphe)) & 0xFFFFFF, Blanc & 0xFFFFFF);
        QImage recue;
        dialogues.Modaux.push_back([&](QDialog& d) {
            recue = static_cast<TImprimer&>(d).MiseEnPage().Dessin().Pixels();
            EXPECT_EQ(r.Graphe->ColorAxe(), Couleur::Blanc);
            return int(QDialog::Rejected);
        });
        r.MenuFichierImprimer->trigger();
        EXPECT_EQ(dialogues.ModauxMontres.last(), QStringLiteral("Tisk"));
        ASSERT_EQ(recue.size(), avant.size());
        EXPECT_EQ(recue.pixel(1, 1) & 0xFFFFFF, Blanc & 0xFFFFFF);            // margin band
        EXPECT_EQ(recue.pixel(Fond(*r.Graphe)) & 0xFFFFFF, Blanc & 0xFFFFFF); // plot area

        const auto fond = TResultats::FondVue(TVueResultats::Trajectoire);
        EXPECT_EQ(r.Graphe->ColorBegin(), fond.ColorBegin);
        EXPECT_EQ(r.Graphe->ColorEnd(), fond.ColorEnd);
        EXPECT_EQ(r.Graphe->ColorAxe(), Couleur::FaceBouton);
        EXPECT_EQ(r.Graphe->Image().pixel(Fond(*r.Graphe)), avant.pixel(Fond(*r.Graphe)));
    });
}

TEST_F(ResultatsImpression, TheVectorsViewPrintsItsScaleLegend)
{
    Mesurer(1, 10);
    Montrer(TVueResultats::Vecteurs, [this](TResultats& r) {
        QImage recue;
        dialogues.Modaux.push_back([&](QDialog& d) {
            recue = static_cast<TImprimer&>(d).MiseEnPage().Dessin().Pixels();
            return int(QDialog::Rejected);
        });
        r.MenuFichierImprimer->trigger();
        ASSERT_FALSE(recue.isNull());
        // The scale line, 2 pixels wide, from x = 20 over the arrow's 64 pixels.
        int noirs = 0;
        for (int y = 19; y <= 21; ++y)
            for (int x = 20; x < 84; ++x) noirs += (recue.pixel(x, y) & 0xFFFFFF) == 0;
        EXPECT_GE(noirs, 2 * 64);
    });
}

TEST_F(ResultatsImpression, AFailingStepStillRestoresTheViewsColours)
{
    Mesurer(1, 10);
    Montrer(TVueResultats::Temps, [this](TResultats& r) {
        dialogues.Modaux.push_back([](QDialog&) -> int { throw std::runtime_error("print window failed"); });
        EXPECT_THROW(r.MenuFichierImprimerClick(), std::runtime_error);
        EXPECT_EQ(r.Graphe->ColorBegin(), TResultats::FondVue(TVueResultats::Temps).ColorBegin);
        EXPECT_EQ(r.Graphe->ColorAxe(), Couleur::FaceBouton);
        EXPECT_NE(r.Graphe->Image().pixel(1, 1) & 0xFFFFFF, Blanc & 0xFFFFFF);
    });
}

TEST_F(ResultatsImpression, ThePrintWindowWritesTheGraphWithItsTitleToAPdfPage)
{
    Mesurer(2, 12);
    const QString pdf = config.Dossier() + "/graf.pdf";
    Montrer(TVueResultats::Temps, [&](TResultats& r) {
        dialogues.FichierPdf = pdf;
        dialogues.Modaux.push_back([](QDialog& d) {
            auto& f = static_cast<TImprimer&>(d);
            f.EditTitre->setText(QStringLiteral("Souřadnice x"));
            f.BitBtnImprimerClick();
            return int(QDialog::Accepted);
        });
        r.MenuFichierImprimer->trigger();
    });
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray contenu = f.readAll();
    EXPECT_TRUE(contenu.startsWith("%PDF"));
    EXPECT_TRUE(contenu.contains("/Subtype /Image"));
    EXPECT_TRUE(dialogues.Messages.isEmpty()) << dialogues.Lignes().join(u' ').toStdString();
}

TEST_F(ResultatsImpression, ThePrintIsNamedAfterTheWorkFileOrElseTheVideo)
{
    Mesurer(1, 10);
    QPrinter& imprimante = fenetres->Imprimer().Imprimante();
    // Qt's print dialog offers the job's name with ".pdf" as the file to print to.
    Montrer(TVueResultats::Temps, [](TResultats& r) { r.MenuFichierImprimer->trigger(); });
    EXPECT_EQ(imprimante.docName(), "v.avi");

    const QString travail = config.Dossier() + "/pokus.ktb";
    dialogues.Fichiers.push_back(FichierChoisi{travail, 1});
    ASSERT_TRUE(fiche().MenuFichierEnregistrerWClick());
    // Once the user has printed to a file, the next file keeps that folder
    // and takes the document's name.
    imprimante.setOutputFileName(config.Dossier() + "/jinde/stary.pdf");
    Montrer(TVueResultats::Trajectoire, [](TResultats& r) { r.MenuFichierImprimer->trigger(); });
    EXPECT_EQ(imprimante.docName(), "pokus.ktb");
    EXPECT_EQ(imprimante.outputFileName(), config.Dossier() + "/jinde/pokus.pdf");

    // A video opened afresh has no work file any more.
    fiche().OuvrirVideo(video);
    Mesurer(1, 10);
    Montrer(TVueResultats::Temps, [](TResultats& r) { r.MenuFichierImprimer->trigger(); });
    EXPECT_EQ(imprimante.docName(), "v.avi");
    EXPECT_EQ(imprimante.outputFileName(), config.Dossier() + "/jinde/v.pdf");
}

} // namespace
