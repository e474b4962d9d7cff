#pragma once
// Everything the user has measured on one video, as one value: the marks on up
// to three moving points with their frames, the overlay and its marks, the
// scale segment, the origin and the display choices. The measurement
// (TMesure) owns one and changes it by its pointing rules; the work file and
// the position series are built from it; the main window shows it.
//
// Positions are normalised: pixel / view size, origin at the picture's
// top-left corner, y downwards.

#include "core/UnitMath.h"
#include "kinematics/UnitGrandeurs.h"
#include "kinematics/UnitPlan.h"
#include "kinematics/UnitAjustementSeries.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// What a press does: exactly one tool at a time.
enum class TOutil : std::uint8_t { Marque, Etalon, Origine, Transparent };

// The overlay's interaction cycle: Saisir -> Deplacer -> Marquer -> Saisir.
enum class TEtatTransparent : std::uint8_t {
    Saisir,   // a press grabs the overlay
    Deplacer, // the overlay follows the pointer
    Marquer   // the overlay is dropped; the next press marks on it
};

// Ends of the scale segment placed so far.
enum class TEtatEtalon : std::uint8_t { Aucun, UnBout, DeuxBouts };

enum class TOrigine : std::uint8_t { NonPlacee, Placee };

// Cursor family; none until a video opens.
enum class TCouleurCurseur : std::uint8_t { Aucune, Noir, Blanc, NoirEtBlanc };

// Which marks are drawn over the frame (video and overlay marks alike).
enum class TDessinMarques : std::uint8_t { Toutes, Derniere };

// How a mark was made: clicked, or placed by automatic tracking with the
// match's score (1 a perfect match, lower worse) and whether it was doubtful.
struct OrigineMarque {
    bool Suivie = false;
    double Score = 1;
    bool Doute = false;
    friend bool operator==(const OrigineMarque&, const OrigineMarque&) = default;
};

struct EtatMesure {
    TOutil Outil = TOutil::Marque;

    // --- Marks on the video ---
    int MarquesParImage = 1; // 1..3 moving points marked per frame
    // Mark k belongs to point (k mod N) + 1 of the (k div N)-th marked frame.
    VecteurPointD Marques;
    // Frame shown just after mark k was placed (the next one when k completed its frame).
    std::vector<int> ImagesMarques;
    int MarquesDerniereImage = 0; // marks placed on the last frame, 0..N
    // How mark k was made; marks past its end (an older work file) were clicked.
    std::vector<OrigineMarque> OriginesMarques;

    // --- Transparent overlay ---
    TEtatTransparent EtatTransparent = TEtatTransparent::Saisir;
    VecteurPointD MarquesTsp;           // (pointer - overlay centre) / view size
    VecteurPointD CentresTsp{PointD{}}; // centre of each mark, then the last drop
    std::vector<int> ImagesMarquesTsp;  // frame of each overlay mark
    int MarquesTspDerniereImage = 0;    // 0..1
    PointD CentreTsp;
    PointD DemiTailleTsp;
    PointD DecalageTsp; // pointer - centre at the grab

    // --- Scale segment ---
    TEtatEtalon EtatEtalon = TEtatEtalon::Aucun;
    std::array<PointD, 2> PointsEtalon{}; // in the order placed
    double LongueurEtalon = 0;            // metres

    // --- Origin and axes ---
    TOrigine OriginePlacee = TOrigine::NonPlacee;
    PointD Origine;
    bool AxeVersLeBas = false; // the vertical axis points down
    // Degrees the x axis is turned from the picture's horizontal (or, with a
    // plane, from the plane's x axis), counter-clockwise as seen on screen.
    double AngleAxes = 0.0;

    // --- Plane seen in perspective: replaces the scale segment ---
    std::optional<TPlan> Plan;

    // --- Display ---
    TDessinMarques DessinMarques = TDessinMarques::Toutes;
    bool CacherImage = false; // white instead of the picture
    int RotationImage = -1; // clockwise degrees the stored picture is turned by, in place of the file's; -1 the file's
    bool ChampsImages = false; // each field of an interlaced video is a frame: the marks' frames count fields
    std::uint32_t Couleur = 0; // red in the low byte, then green, blue
    TCouleurCurseur CouleurCurseur = TCouleurCurseur::Aucune;

    // --- Quantities of the results: masses, g, the user's formulas ---
    // Not measuring actions: undo leaves them as they are.
    TGrandeursMesure Grandeurs;
    // --- Fits made in the results, kept with the work ---
    std::vector<TDemandeAjustement> Ajustements;

    // The counts are the lists' lengths, so they cannot disagree.
    int NombreDePoints() const { return int(Marques.size()); }
    int NombreDePointsTsp() const { return int(MarquesTsp.size()); }
    int BoutsEtalon() const { return int(EtatEtalon); }
    bool EtalonPlace() const { return EtatEtalon == TEtatEtalon::DeuxBouts; }
    bool OrigineEstPlacee() const { return OriginePlacee == TOrigine::Placee; }
    OrigineMarque OrigineDeMarque(int k) const
    {
        return std::size_t(k) < OriginesMarques.size() ? OriginesMarques[std::size_t(k)] : OrigineMarque{};
    }
    // A scale to turn marks into metres: the plane, or else the segment.
    bool Etalonne() const { return Plan.has_value() || EtalonPlace(); }

    friend bool operator==(const EtatMesure&, const EtatMesure&) = default;
};

// The same measured content: marks, overlay marks, scale segment with its
// length, origin, the axes' angle and the plane, and the masses, formulas and
// fits kept with them. The tool and the display choices do not count.
inline bool MemesMesures(const EtatMesure& a, const EtatMesure& b)
{
    const bool memeEtalon = a.EtatEtalon == b.EtatEtalon && a.LongueurEtalon == b.LongueurEtalon &&
        std::equal(a.PointsEtalon.begin(), a.PointsEtalon.begin() + a.BoutsEtalon(), b.PointsEtalon.begin());
    const bool memeOrigine = a.OriginePlacee == b.OriginePlacee && (!a.OrigineEstPlacee() || a.Origine == b.Origine);
    return a.MarquesParImage == b.MarquesParImage && a.Marques == b.Marques && a.MarquesTsp == b.MarquesTsp &&
        a.CentresTsp == b.CentresTsp && memeEtalon && memeOrigine && a.AngleAxes == b.AngleAxes && a.Plan == b.Plan &&
        a.Grandeurs == b.Grandeurs && a.Ajustements == b.Ajustements;
}
