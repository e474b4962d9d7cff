#include "kinematics/UnitPasDeTemps.h"

void TPasDeTemps::Initialiser(const std::string& video, double frameTime)
{
    if (video != video_ || (TDefaut != 0.0 && TDefaut != frameTime)) {
        TDefaut = 0.0;
        TChoisi = 0.0;
        video_ = video;
    }
    if (TDefaut == 0.0) TDefaut = frameTime;
    if (TChoisi == 0.0) TChoisi = TDefaut;
}
