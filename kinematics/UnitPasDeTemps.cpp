#include "kinematics/UnitPasDeTemps.h"

void TPasDeTemps::Initialiser(const std::string& video, double frameTime, double pasCapture)
{
    const double defaut = pasCapture > 0.0 ? pasCapture : frameTime;
    if (video != video_ || (TDefaut != 0.0 && TDefaut != defaut)) {
        TDefaut = 0.0;
        TChoisi = 0.0;
        video_ = video;
    }
    DefautDeCapture = pasCapture > 0.0;
    PasVideo = frameTime;
    if (TDefaut == 0.0) TDefaut = defaut;
    if (TChoisi == 0.0) TChoisi = TDefaut;
}
