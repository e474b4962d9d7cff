// The print window: its controls, the preview's mouse, printing through the
// dialog seam and its placement.

#include "core/IniFile.h"
#include "print/UnitApercu.h"
#include "print/UnitImprimer.h"
#include "tests/print/OutilsPage.h"
#include "tests/support/DialoguesScriptes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

void Souris(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButtons boutons)
{
    const Qt::MouseButton bouton = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)), bouton, boutons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QByteArray Lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class FenetreImprimer : public ::testing::Test {
protected:
    FenetreImprimer() : fenetre(dialogues, dossier.filePath(QStringLiteral("Kinotab.ini"))) {}

    QTemporaryDir dossier;
    DialoguesScriptes dialogues;
    TImprimer fenetre;
};

TEST_F(FenetreImprimer, ControlsStartWithTheirCaptionsRangesAndHints)
{
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Tisk"));
    EXPECT_EQ(fenetre.size(), QSize(632, 465));
    EXPECT_EQ(fenetre.GroupBoxTitre->title(), QStringLiteral("Název"));
    EXPECT_EQ(fenetre.GroupBoxOrientation->title(), QStringLiteral("Orientace"));
    EXPECT_EQ(fenetre.GroupBoxMiseEnPage->title(), QStringLiteral("Rychlý formát stránky"));
    EXPECT_EQ(fenetre.GroupBoxImpression->title(), QStringLiteral("Tisk"));
    EXPECT_EQ(fenetre.LabelZoom->text(), QStringLiteral("Zvětšení :"));
    EXPECT_EQ(fenetre.SpeedButtonPortrait->text(), QStringLiteral("Portrét"));
    EXPECT_EQ(fenetre.SpeedButtonPaysage->text(), QStringLiteral("Krajina"));
    EXPECT_EQ(fenetre.SpeedButtonCentreHaut->text(), QStringLiteral("Vycentrovat"));
    EXPECT_EQ(fenetre.SpeedButtonPleinePage->text(), QStringLiteral("Celá stránka"));
    EXPECT_EQ(fenetre.BitBtnImprimer->text(), QStringLiteral("Imprimer"));
    EXPECT_EQ(fenetre.CheckBoxDouble->text(), QStringLiteral("Dvojitě"));

    // A hint without "|" is also a tooltip; one with it only a status text.
    EXPECT_EQ(fenetre.EditTitre->toolTip(), QStringLiteral("Pridat nazev grafu"));
    EXPECT_TRUE(fenetre.TrackBarZoom->toolTip().isEmpty());
    EXPECT_EQ(fenetre.TrackBarZoom->statusTip(), QStringLiteral("Zoomer l'aperçu avant impression"));
    QStatusTipEvent tip(fenetre.Apercu->statusTip());
    QApplication::sendEvent(&fenetre, &tip);
    EXPECT_EQ(fenetre.TexteStatusBar1->text(),
              QStringLiteral("Levym tlacitkem mysi muzete obrazek presunout nebo upravit jeho rozmery."));

    EXPECT_EQ(fenetre.TrackBarZoom->minimum(), 10);
    EXPECT_EQ(fenetre.TrackBarZoom->maximum(), 100);
    EXPECT_EQ(fenetre.TrackBarZoom->value(), 29);
    EXPECT_EQ(fenetre.Apercu->Zoom(), 29);
    EXPECT_EQ(fenetre.SpinEditTaille->minimum(), 10);
    EXPECT_EQ(fenetre.SpinEditTaille->maximum(), 80);
    EXPECT_EQ(fenetre.SpinEditTaille->singleStep(), 2);
    EXPECT_EQ(fenetre.SpinEditTaille->value(), 16);
    EXPECT_TRUE(fenetre.SpinEditTaille->findChild<QLineEdit*>()->isReadOnly());
    EXPECT_EQ(fenetre.ComboBoxPolice->currentText(), QStringLiteral("Times New Roman"));
    EXPECT_TRUE(fenetre.SpeedButtonPortrait->isChecked());
    EXPECT_FALSE(fenetre.CheckBoxDouble->isChecked());
}

TEST_F(FenetreImprimer, LayoutOrientationTitleAndZoomControlsActOnThePage)
{
    fenetre.ChargerImage(ImageUnie(640, 400));
    const TMiseEnPage& m = fenetre.MiseEnPage();
    const QSize portrait = fenetre.Apercu->size();

    fenetre.SpeedButtonPleinePage->click();
    EXPECT_EQ(m.Page().Sens(), Orientation::Paysage);
    EXPECT_TRUE(fenetre.SpeedButtonPaysage->isChecked());
    EXPECT_EQ(fenetre.Apercu->size(), portrait.transposed());

    fenetre.SpeedButtonPortrait->click();
    EXPECT_EQ(m.Page().Sens(), Orientation::Portrait);
    EXPECT_EQ(m.Dessin().Position.X, (29700 - m.Dessin().Largeur()) / 2); // not moved

    fenetre.SpeedButtonCentreHaut->click();
    EXPECT_EQ(m.Dessin().Largeur(), 17000);

    fenetre.EditTitre->setText(QStringLiteral("Šikmý vrh"));
    fenetre.SpinEditTaille->stepUp();
    fenetre.ComboBoxPolice->setCurrentText(QStringLiteral("Times New Roman"));
    EXPECT_EQ(m.Page().Entete().centre.texte, QStringLiteral("Šikmý vrh"));
    EXPECT_EQ(m.Page().Pied().centre.texte, QStringLiteral("Šikmý vrh"));
    EXPECT_EQ(m.Page().Entete().centre.police.hauteur, 18);
    EXPECT_EQ(m.Page().Entete().centre.police.nom, QStringLiteral("Times New Roman"));

    fenetre.TrackBarZoom->setValue(58);
    EXPECT_EQ(fenetre.Apercu->width() - 2 * TApercu::Bord, Arrondi(21000 * fenetre.Apercu->PixelsParUnite()));
    EXPECT_NEAR(fenetre.Apercu->width() - 2 * TApercu::Bord, 2 * (portrait.width() - 2 * TApercu::Bord), 2);
}

TEST_F(FenetreImprimer, DoubleDisablesTheLayoutControlsAndTheMouse)
{
    fenetre.ChargerImage(ImageUnie(300, 600));
    fenetre.CheckBoxDouble->click();
    const TMiseEnPage& m = fenetre.MiseEnPage();
    EXPECT_TRUE(m.Double());
    EXPECT_EQ(CadresImages(m.Page()).size(), 2u);
    for (QWidget* w : std::initializer_list<QWidget*>{
             fenetre.SpeedButtonPortrait, fenetre.SpeedButtonPaysage, fenetre.SpeedButtonCentreHaut,
             fenetre.SpeedButtonPleinePage, fenetre.EditTitre, fenetre.ComboBoxPolice, fenetre.SpinEditTaille})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(fenetre.BitBtnImprimer->isEnabled());

    const QPoint centre = fenetre.Apercu->VersEcran({10500, 8000});
    Souris(fenetre.Apercu, QEvent::MouseMove, centre, Qt::NoButton);
    EXPECT_EQ(fenetre.Apercu->cursor().shape(), Qt::ArrowCursor);

    fenetre.CheckBoxDouble->click();
    EXPECT_TRUE(fenetre.SpeedButtonCentreHaut->isEnabled());
    EXPECT_FALSE(m.Page().Pied().visible);
}

TEST_F(FenetreImprimer, ThePreviewMouseSetsCursorsAndMovesThePictureAtRelease)
{
    fenetre.ChargerImage(ImageUnie(640, 400));
    TApercu* a = fenetre.Apercu;
    const MBitMap& d = fenetre.MiseEnPage().Dessin();
    const MPoint coin = d.Position;

    Souris(a, QEvent::MouseMove, a->VersEcran(coin), Qt::NoButton);
    EXPECT_EQ(a->cursor().shape(), Qt::SizeFDiagCursor);
    Souris(a, QEvent::MouseMove, a->VersEcran({coin.X + d.Largeur(), coin.Y + 3000}), Qt::NoButton);
    EXPECT_EQ(a->cursor().shape(), Qt::SizeHorCursor);
    Souris(a, QEvent::MouseMove, a->VersEcran({coin.X + 100, coin.Y + d.Hauteur()}), Qt::NoButton);
    EXPECT_EQ(a->cursor().shape(), Qt::SizeBDiagCursor);

    const QPoint depart = a->VersEcran({coin.X + 5000, coin.Y + 4000});
    Souris(a, QEvent::MouseMove, depart, Qt::NoButton);
    EXPECT_EQ(a->cursor().shape(), Qt::SizeAllCursor);
    Souris(a, QEvent::MouseButtonPress, depart, Qt::LeftButton);
    Souris(a, QEvent::MouseMove, depart + QPoint(20, 10), Qt::LeftButton);
    EXPECT_EQ(d.Position, coin);
    Souris(a, QEvent::MouseButtonRelease, depart + QPoint(20, 10), Qt::NoButton);
    const double s = a->PixelsParUnite();
    EXPECT_NEAR(d.Position.X - coin.X, 20 / s, 1 / s);
    EXPECT_NEAR(d.Position.Y - coin.Y, 10 / s, 1 / s);
    EXPECT_EQ(a->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FenetreImprimer, PrintingToAFileWritesOnePdfPageInGreyWithTheJobTitle)
{
    fenetre.ChargerImage(ImageUnie(640, 400));
    dialogues.FichierPdf = dossier.filePath(QStringLiteral("tisk.pdf"));
    fenetre.BitBtnImprimer->click();
    EXPECT_EQ(dialogues.DemandesImprimante, 1);
    EXPECT_TRUE(dialogues.Messages.isEmpty()) << dialogues.Lignes().join(u' ').toStdString();
    EXPECT_TRUE(Lire(dialogues.FichierPdf).startsWith("%PDF"));
    EXPECT_EQ(fenetre.Imprimante().docName(), QStringLiteral("<document>"));
    EXPECT_EQ(fenetre.Imprimante().colorMode(), QPrinter::GrayScale);
    EXPECT_EQ(fenetre.Imprimante().duplex(), QPrinter::DuplexNone);
    // The outline is back on the preview.
    EXPECT_EQ(Compter(fenetre.MiseEnPage().Page()), std::make_pair(1, 4));
}

TEST_F(FenetreImprimer, CancellingPrintsNothingAndAMissingPrinterIsSaidInWords)
{
    fenetre.ChargerImage(ImageUnie(640, 400));
    dialogues.ImprimanteAcceptee = false;
    dialogues.FichierPdf = dossier.filePath(QStringLiteral("annule.pdf"));
    fenetre.BitBtnImprimer->click();
    EXPECT_FALSE(QFile::exists(dialogues.FichierPdf));
    EXPECT_TRUE(dialogues.Messages.isEmpty());
    EXPECT_EQ(Compter(fenetre.MiseEnPage().Page()), std::make_pair(1, 4));

    // Accepted with no printer and no file chosen.
    dialogues.ImprimanteAcceptee = true;
    dialogues.FichierPdf.clear();
    fenetre.Imprimante().setOutputFormat(QPrinter::PdfFormat);
    fenetre.Imprimante().setOutputFileName({});
    fenetre.BitBtnImprimer->click();
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Messages[0].icone, IconeMessage::Information);
    EXPECT_EQ(dialogues.Lignes(), QStringList{QStringLiteral("No printer selected")});

    // A file that cannot be written.
    dialogues.Messages.clear();
    dialogues.FichierPdf = dossier.filePath(QStringLiteral("absent/tisk.pdf"));
    fenetre.BitBtnImprimer->click();
    ASSERT_EQ(dialogues.Messages.size(), 1);
    EXPECT_EQ(dialogues.Lignes().first(), QStringLiteral("Unable to initialise printer..."));
    EXPECT_TRUE(dialogues.Lignes().last().contains(dialogues.FichierPdf));
    EXPECT_EQ(Compter(fenetre.MiseEnPage().Page()), std::make_pair(1, 4));
}

TEST_F(FenetreImprimer, ShownModallyItNamesTheJobAndKeepsItsPlacementInPrintForm)
{
    int largeurPixels = 0;
    dialogues.Modaux.push_back([&](QDialog& d) {
        largeurPixels = fenetre.MiseEnPage().Dessin().LargeurPixels(); // loaded before showing
        d.show();
        d.reject(); // Escape
        return d.result();
    });
    EXPECT_EQ(fenetre.Imprimer(ImageUnie(320, 200), QStringLiteral("Graf")), int(QDialog::Rejected));
    EXPECT_EQ(dialogues.ModauxMontres, QStringList{QStringLiteral("Tisk")});
    EXPECT_EQ(largeurPixels, 320);
    EXPECT_EQ(fenetre.Imprimante().docName(), QStringLiteral("Graf"));

    const IniFile ini(dossier.filePath(QStringLiteral("Kinotab.ini")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("PrintForm"), QStringLiteral("Visible")), QStringLiteral("0"));
    EXPECT_FALSE(ini.ReadString(QStringLiteral("PrintForm"), QStringLiteral("NormPos")).isEmpty());
}

} // namespace
