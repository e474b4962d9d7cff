#include "app/UnitFicheImages.h"

#include "app/UnitTravail.h"
#include "kinematics/UnitBaseTemps.h"
#include "video/UnitMesure.h"

void LireImagesMesure(const TMesure& m, int nombreImages, Travail& t)
{
    if (m.ImagesMarques.size() == m.Marques.size())
        t.ImagesDesMarques = ImagesDesMarques(m.ImagesMarques, m.MarquesParImage, m.MarquesDerniereImage, nombreImages);
    if (m.ImagesMarquesTsp.size() == m.MarquesTsp.size()) t.ImagesDesMarquesTsp = m.ImagesMarquesTsp;
}

void AppliquerImagesMesure(const Travail& t, int nombreImages, TMesure& m)
{
    // The measurement keeps the frame shown just after each mark.
    m.ImagesMarques = ImagesApresMarques(t.ImagesDesMarques, m.MarquesParImage, nombreImages);
    m.ImagesMarquesTsp = t.ImagesDesMarquesTsp;
}
