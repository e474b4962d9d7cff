#pragma once
// The bundled demo measured as a pupil would: the ruler as the scale segment,
// the origin on the floor under the ball.

#include "measure/UnitEtatMesure.h"
#include "tools/demo_chute.h"

inline void EtalonnerDemo(EtatMesure& m)
{
    using namespace DemoChute;
    m.EtatEtalon = TEtatEtalon::DeuxBouts;
    m.PointsEtalon = {PointD{128.0 / Largeur, double(RegleHaut) / Hauteur},
                      PointD{128.0 / Largeur, double(RegleBas) / Hauteur}};
    m.LongueurEtalon = LongueurRegleM;
    m.OriginePlacee = TOrigine::Placee;
    m.Origine = PointD{BalleX / Largeur, double(RegleBas) / Hauteur};
}
