#include "measure/UnitEntreesSeries.h"

#include "kinematics/UnitBaseTemps.h"

#include <utility>

TEntreesSeries EntreesSeries(const EtatMesure& m, const FaitsVideo& video, std::string fichierVideo)
{
    TEntreesSeries e;
    e.ModeTransparent = m.Outil == TOutil::Transparent;
    e.AxeVersLeBas = m.AxeVersLeBas;
    e.Origine = m.Origine;
    e.MarquesParImage = m.MarquesParImage;
    e.EtatEtalon = m.BoutsEtalon();
    e.NombreDePoints = m.NombreDePoints();
    e.Marques = m.Marques;
    e.NombreDePointsTsp = m.NombreDePointsTsp();
    e.MarquesTsp = m.MarquesTsp;
    e.LongueurEtalon = m.LongueurEtalon;
    e.FrameTime = video.FrameTime;
    e.AspectRatio = video.AspectRatio;
    e.LargeurVideo = video.Largeur;
    e.HauteurVideo = video.Hauteur;
    e.PointsEtalon = m.PointsEtalon;
    e.FichierVideo = std::move(fichierVideo);
    e.PasCapture = video.PasCapture;
    e.TempsImage = video.TempsImage;
    // The frames of the marks, when the measurement knows one for each.
    if (m.ImagesMarques.size() == m.Marques.size())
        e.ImagesMarques = ImagesDesMarques(m.ImagesMarques, m.MarquesParImage, m.MarquesDerniereImage);
    if (m.ImagesMarquesTsp.size() == m.MarquesTsp.size()) e.ImagesMarquesTsp = m.ImagesMarquesTsp;
    return e;
}
