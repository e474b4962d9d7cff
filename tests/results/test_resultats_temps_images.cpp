// The main window hands the results each frame's own time and the capture
// rate of its video: a variable-rate video gives the times of its frames, a
// slow-motion one the time step it was filmed at.

#include "tests/results/ResultatsTest.h"

#include "core/UnitFormatReel.h"
#include "results/UnitBoiteTemps.h"
#include "results/UnitTextesTemps.h"
#include "media/FrameSource.h"

#include <QAction>
#include <QFile>
#include <QLocale>
#include <QRadioButton>

namespace {

class ResultatsTempsImages : public ResultatsTest {
protected:
    void OuvrirMp4(OptionsVideo o)
    {
        o.codec = OptionsVideo::Codec::H264;
        o.conteneur = "mp4";
        const QString chemin = config.Dossier() + "/v.mp4";
        ASSERT_EQ(EcrireVideo(QFile::encodeName(chemin).toStdString(), o), "");
        fiche().OuvrirVideo(chemin);
        ASSERT_TRUE(fiche().Vue().Opened());
        dialogues.Messages.clear();
    }
    const std::vector<double>& Temps() { return resultats().Series().SerieTemps[0]; }
};

// Two frames are missing after the third: the fourth mark is 200 ms after
// the first, not three frame times.
TEST_F(ResultatsTempsImages, AVariableRateVideoGivesTheTimesOfItsFrames)
{
    OptionsVideo o;
    o.images = 12;
    o.temps = {0, 40, 80, 200, 240, 280, 320, 360, 400, 440, 480, 520};
    OuvrirMp4(o);
    ASSERT_TRUE(fiche().Vue().Source().Description().CadenceVariable);
    Mesurer(1, 10);
    Montrer(TVueResultats::Tableau);
    ASSERT_EQ(Temps().size(), 10u);
    EXPECT_NEAR(Temps()[2], 0.08, 1e-9);
    EXPECT_NEAR(Temps()[3], 0.2, 1e-9);
    EXPECT_NEAR(Temps()[9], 0.44, 1e-9);
    EXPECT_TRUE(resultats().Series().TempsDesImages);

    // The AVI of the fixture counts its frames one frame time apart.
    fiche().OuvrirVideo(video);
    Mesurer(1, 10);
    Montrer(TVueResultats::Tableau);
    EXPECT_DOUBLE_EQ(Temps()[3], 3 * 0.04);
}

TEST_F(ResultatsTempsImages, ASlowMotionVideoProposesItsCaptureStepAndSaysWhereItCameFrom)
{
    OptionsVideo o;
    o.images = 12;
    o.cadence = 30;
    o.etiquettes = {{"com.android.capture.fps", "240.000000"}};
    OuvrirMp4(o);
    Mesurer(1, 10);
    Montrer(TVueResultats::Tableau, [this](TResultats& r) {
        EXPECT_DOUBLE_EQ(Temps()[4], 4 / 240.0);
        const QChar sep = QLocale().decimalPoint().front();
        EXPECT_TRUE(r.TexteEtat().contains("T = " + FormatGeneral(1 / 240.0, 3, sep) + " s"))
            << r.TexteEtat().toStdString();
        QString information, defaut;
        bool defautCoche = false;
        dialogues.Modaux.push_back([&](QDialog& d) {
            d.show();
            auto& boite = static_cast<TBoiteTemps&>(d);
            information = boite.Label1->text();
            defaut = boite.RadioButtonDefaut->text();
            defautCoche = boite.RadioButtonDefaut->isChecked();
            d.hide();
            return int(QDialog::Accepted);
        });
        r.MenuCalculsTempsEntreDeuxImages->trigger();
        EXPECT_TRUE(defautCoche);
        EXPECT_EQ(defaut, TextesTemps::ChoixDefaut(1 / 240.0));
        EXPECT_TRUE(information.startsWith(TextesTemps::Information(1 / 240.0))) << information.toStdString();
        EXPECT_TRUE(information.endsWith(TextesTemps::Capture(1 / 30.0))) << information.toStdString();
        // Kept as it was proposed: the times stay those of the capture.
        EXPECT_DOUBLE_EQ(Temps()[4], 4 / 240.0);
    });
}

} // namespace
