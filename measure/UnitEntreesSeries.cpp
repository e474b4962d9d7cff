#include "measure/UnitEntreesSeries.h"

#include "kinematics/UnitBaseTemps.h"
#include "measure/UnitMarquesRepetees.h"

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
    e.PointsEtalon = m.PointsEtalon;
    e.FichierVideo = std::move(fichierVideo);
    e.PasCapture = video.PasCapture;
    e.TempsImage = video.TempsImage;
    e.VideoWidth = video.VideoWidth;
    e.VideoHeight = video.VideoHeight;
    e.CentresTsp = m.CentresTsp;
    e.AngleAxes = m.AngleAxes;
    e.Plan = m.Plan;
    // The frames of the marks, when the measurement knows one for each.
    if (m.ImagesMarques.size() == m.Marques.size())
        e.ImagesMarques = ImagesDesMarques(m.ImagesMarques, m.MarquesParImage, m.MarquesDerniereImage);
    if (m.ImagesMarquesTsp.size() == m.MarquesTsp.size()) e.ImagesMarquesTsp = m.ImagesMarquesTsp;
    const std::vector<bool> repetees = MarquesRepetees(m, video);
    e.EtatsMarques.resize(m.Marques.size());
    for (std::size_t k = 0; k < m.Marques.size(); ++k) {
        const OrigineMarque o = m.OrigineDeMarque(int(k));
        e.EtatsMarques[k] = TEtatMarque{o.Suivie, o.Score, o.Doute, repetees[k]};
    }
    return e;
}
