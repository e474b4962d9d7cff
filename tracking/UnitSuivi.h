#pragma once
// Automatic tracking: each moving point followed from its last mark, frame
// after frame, by finding the picture around it in the next frame.
//
// The search is centred on where the point's last velocity and acceleration
// take it; a point that stopped or bounced is looked for again around its last
// place. Its template is cut anew only on a good match, and only when the
// point no longer looks as in the template, so that small errors do not pile
// up frame after frame; a sudden fall of the match means something passes
// over the point, and the template is kept. A point matched below the quality threshold, or
// about to leave the picture, ends the run.
//
// Positions are in video pixels (see UnitCorrelation.h).

#include "core/UnitMath.h"
#include "tracking/UnitCorrelation.h"
#include "measure/UnitEtatMesure.h"

#include <QImage>
#include <cstdint>
#include <optional>
#include <vector>

// Where the frames come from: the video's frame source, or a test's pictures.
class ImagesSuivi {
public:
    virtual ~ImagesSuivi() = default;
    virtual int Nombre() const = 0;
    virtual QImage Image(int numero) = 0;
};

struct ParametresSuivi {
    int DemiCote = 0;             // template half side in pixels; 0: from the picture's size
    double QualiteMinimale = 0.5; // a point matched worse is lost
    // The template is cut anew at or above this (below, something may hide
    // the point: a look-alike passing over it)...
    double QualiteRafraichissement = 0.9;
    double QualiteInchangee = 0.97; // ...but not at or above this: the point looks the same
    double ChuteSoudaine = 0.03;    // ...nor after a drop this large since the frame before
    double Penalite = 0.2;          // cost of a peak at the search radius (UnitCorrelation.h)
};

// The template half side for a picture: a 32nd of its smaller side, 6 to 40 pixels.
int DemiCoteParDefaut(int largeur, int hauteur);

enum class FinSuivi : std::uint8_t {
    Aucune,        // the step holds positions
    DerniereImage, // the last frame was reached
    Perdu,         // a point matched below the threshold
    HorsImage,     // a point is leaving the picture
    SansImage,     // a frame could not be decoded
};

struct EtapeSuivi {
    int Image = 0;              // the frame of the positions, or the one not reached
    std::vector<PointD> Points; // one a moving point, in their order; empty at the end
    double Qualite = 0;         // the worst correlation among them
    FinSuivi Fin = FinSuivi::Aucune;
};

class TSuivi {
public:
    // trajectoires[k]: the last positions of moving point k on consecutive
    // frames, oldest first, the last on frame `image`.
    TSuivi(ImagesSuivi& images, int image, const std::vector<std::vector<PointD>>& trajectoires,
           ParametresSuivi p = {});
    // Every point on the next frame, or why the run ends (then for good).
    EtapeSuivi Suivante();

private:
    struct Point {
        Modele Gabarit;            // the template in use
        std::vector<PointD> Passe; // up to three positions, the last one the newest
        double Qualite = 1;        // of the last match
    };
    std::optional<Correspondance> suivre(Point& p, const QImage& image) const;

    ImagesSuivi& images_;
    ParametresSuivi p_;
    int image_;
    std::vector<Point> points_;
    FinSuivi fin_ = FinSuivi::Aucune;
};

// Where a run starts from a measurement: the last frame whose every point is
// marked, and the marks of each point on it and on the frames just before.
struct DepartSuivi {
    int Image = -1;                                // -1: no frame has all its points marked
    std::vector<std::vector<PointD>> Trajectoires; // normalised positions
};
// `numeroImage`: the frame shown, which stands for the frames of marks a work
// file did not keep (its marks lie on the frame before it).
DepartSuivi Depart(const EtatMesure& m, int numeroImage);
