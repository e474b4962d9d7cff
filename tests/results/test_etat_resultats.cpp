#include "results/UnitEtatResultats.h"

#include <gtest/gtest.h>

TEST(EtatResultats, StatusSaysTheSmoothingTheStepAndTheTimeBase)
{
    TResultatsSeries r;
    r.Lissage = TLissage::Polynome;
    r.TempsDesImages = true;
    EXPECT_EQ(TexteEtatResultats(r, 0.04, ','), "Vyhlazeno polynomem · T = 0,04 s · časy podle snímků");
    r.Lissage = TLissage::Local;
    r.FenetreLocale = 41;
    r.TempsDesImages = false;
    EXPECT_EQ(TexteEtatResultats(r, 1.0 / 240, '.'),
              "Vyhlazeno lokálními polynomy (okno 41 snímků) · T = 0.00417 s · značky jako po sobě jdoucí snímky");
    r.Lissage = TLissage::Mixte;
    EXPECT_EQ(TexteLissage(r), "Vyhlazeno polynomem i lokálními polynomy (okno 41 snímků)");
    r.Lissage = TLissage::Aucun;
    EXPECT_EQ(TexteLissage(r), "Bez vyhlazení");
}
