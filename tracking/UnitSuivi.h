#pragma once
// Automatic tracking: each moving point followed from its last mark, frame
// after frame, by finding the picture around it in the next frame.
//
// A teacher must be able to trust every mark it places, so a match is placed
// only when it is good and where the motion so far says the point should be:
// the search is centred on the place a parabola through the last positions
// predicts, and a peak farther from it than the motion allows (a look-alike
// nearby, something passing over the point) is refused. A point that stops or
// bounces leaves the prediction along its own line of motion: that is taken
// as a change of motion, and the prediction starts anew. Between a clearly
// good and a clearly bad match lies doubt: such a mark is placed and flagged;
// a worse one, or doubt frame after frame, ends the run instead.
//
// The template is cut anew on a sure match, and only when the point no longer
// looks as in the template, so that small errors do not pile up frame after
// frame; a sudden fall of the match means something passes over the point,
// and the template is kept, unless the point rests and the match lies right
// where it was: then what changed is around the point, and a new template
// goes on.
//
// A point that has moved and then lies still for a few frames ends the run,
// unless the run is asked to follow it at rest.
//
// Positions are in video pixels (see UnitCorrelation.h).

#include "core/UnitMath.h"
#include "measure/UnitEtatMesure.h"
#include "tracking/UnitCorrelation.h"
#include "tracking/UnitMouvement.h"

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
    int DemiCote = 0; // template half side in pixels; 0: from the picture's size
    // Scores (correlations): a match at or above QualiteSure is sure, from
    // QualiteDoute doubtful, below it too doubtful to place; no peak at or
    // above QualiteMinimale means the point is lost.
    double QualiteSure = 0.85;
    double QualiteDoute = 0.7;
    double QualiteMinimale = 0.5;
    // A change of motion (a stop, a bounce) is placed from this score on.
    double QualiteRupture = 0.8;
    // A match this much worse than the one before: something passes over the point.
    double ChuteSoudaine = 0.08;
    // A peak this much better than a look-alike within the allowed distance
    // is told apart from it; closer, the match is doubtful.
    double Ecart = 0.03;
    // Distances from the prediction, in pixels: within EcartSur + EcartVitesse
    // x speed a match may be sure, within the larger of EcartSaut and half the
    // template's side plus EcartSautVitesse x speed it may still be placed as
    // doubtful; farther it is refused.
    double EcartSur = 2.0;
    double EcartVitesse = 0.1;
    double EcartSaut = 3.0;
    double EcartSautVitesse = 0.3;
    double Penalite = 0.2; // correlation a peak at the search radius loses against one on the prediction
    int DoutesDeSuite = 2; // doubtful frames in a row; one more ends the run
    // The template is cut anew at or above this (below, something may hide
    // the point: a look-alike passing over it)...
    double QualiteRafraichissement = 0.9;
    double QualiteInchangee = 0.97; // ...but not at or above this: the point looks the same
    // A doubtful match this close to the prediction of a point at rest renews
    // the template: the point is where it was, what changed is around it (a
    // clamp let go, the floor it landed on). A moving point's surroundings may
    // be what hides it, and its template is kept.
    double EcartRafraichissement = 0.5;
    // At rest: ImagesRepos positions within ToleranceRepos pixels of one
    // another after the point has moved end the run, unless SuivreAuRepos.
    int ImagesRepos = 4;
    double ToleranceRepos = 0.5;
    bool SuivreAuRepos = false;
};

// The template half side for a picture: a 32nd of its smaller side, 6 to 40 pixels.
int DemiCoteParDefaut(int largeur, int hauteur);

enum class FinSuivi : std::uint8_t {
    Aucune,        // the step holds positions
    DerniereImage, // the last frame was reached
    Perdu,         // no acceptable match for a point
    HorsImage,     // a point is leaving the picture
    SansImage,     // a frame could not be decoded
    Immobile,      // every point has come to rest
    Doute,         // a point's match is too doubtful to place
};

struct EtapeSuivi {
    int Image = 0;                       // the frame of the positions, or the one not reached
    std::vector<PointD> Points;          // one a moving point, in their order; empty at the end
    std::vector<OrigineMarque> Origines; // how each was found
    double Qualite = 0;                  // the worst score among them
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
        Modele Gabarit; // the template in use
        Mouvement Passe;
        double Qualite = 1; // of the last match
        int Doutes = 0;     // doubtful matches in a row
    };
    enum class Verdict : std::uint8_t { Sur, Douteux, TropDouteux };
    struct Choix {
        Correspondance C;
        Verdict V = Verdict::Sur;
        bool Rupture = false; // the motion changed: the prediction starts anew
        double Ecart = 0;     // from the prediction, in pixels
    };
    // The match placed for `p`, or why none is.
    std::optional<Choix> choisir(const Point& p, const QImage& image, FinSuivi& fin) const;
    std::optional<Choix> selonPrevision(const Point& p, const QImage& image) const;
    std::optional<Choix> selonRupture(const Point& p, const QImage& image) const;
    Verdict juger(const Point& p, double score, bool proche) const;
    // Whether `point` lies on the line of the motion, between as far back as
    // the point came and as far on as it would have gone.
    bool SurLaLigne(const Mouvement& m, PointD point) const;
    void avancer(Point& p, const Choix& c, const QImage& image);

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
