#include "kinematics/UnitSeries.h"

#include "kinematics/UnitConversion.h"
#include "kinematics/UnitDiscret.h"
#include "kinematics/UnitException.h"

#include <algorithm>
#include <cmath>

TSeries::TSeries(TPasDeTemps& pas) : pas_(pas)
{
    Repartir(); // empty series of one point, consistent from the start
}

CodeResultat TSeries::CalculerResultats(const TEntreesSeries& m, bool afficherVitesse, bool afficherAcceleration)
{
    // Without a scale (a segment of some length, or a plane) nothing changes.
    const std::optional<TConversion> conversion = TConversion::Depuis(m);
    if (!conversion) return CodeEtalonNul;

    r_.AfficherVitesse = afficherVitesse;
    r_.AfficherAcceleration = afficherAcceleration;
    r_.AxeVersLeBas = m.AxeVersLeBas;
    r_.AngleAxes = m.AngleAxes;
    pas_.Initialiser(m.FichierVideo, m.FrameTime, m.PasCapture);

    // Overlay marks are offsets from the overlay centre, one moving point.
    const VecteurPointD& marques = m.ModeTransparent ? m.MarquesTsp : m.Marques;
    const int nombre = m.ModeTransparent ? m.NombreDePointsTsp : m.NombreDePoints;
    const PointD origine = m.ModeTransparent ? PointD{} : m.Origine;
    r_.NbMarques = std::clamp(nombre, 0, int(marques.size()));
    r_.NbPointsMobiles = 1;
    if (!m.ModeTransparent && (m.MarquesParImage == 2 || m.MarquesParImage == 3))
        r_.NbPointsMobiles = m.MarquesParImage;

    // The frames of the marks give the times, when there is one for each mark.
    const std::vector<int>& images = m.ModeTransparent ? m.ImagesMarquesTsp : m.ImagesMarques;
    r_.EtatsDesMarques = m.ModeTransparent ? std::vector<TEtatMarque>{} : m.EtatsMarques;
    r_.EtatsDesMarques.resize(std::size_t(r_.NbMarques));
    pasImages_.clear();
    const auto repetee = [this](std::size_t k) { return r_.EtatsDesMarques[k].Repetee; };
    if (int(images.size()) >= r_.NbMarques && m.FrameTime > 0.0)
        pasImages_ = PasDesEchantillons(std::span(images).first(std::size_t(r_.NbMarques)), r_.NbPointsMobiles,
                                        m.TempsImage, m.FrameTime, repetee);

    r_.MetresParHauteur = conversion->MetresParHauteur();
    r_.MetresParLargeur = conversion->MetresParLargeur();

    r_.XMarques.assign(std::size_t(r_.NbMarques), 0.0);
    r_.YMarques.assign(std::size_t(r_.NbMarques), 0.0);
    for (int k = 0; k < r_.NbMarques; ++k) {
        // An overlay mark is an offset from its overlay's centre: with a plane
        // the offset is measured on the plane, from where that centre lies.
        const bool centre = m.ModeTransparent && m.Plan && std::size_t(k) < m.CentresTsp.size();
        const PointD o = centre ? m.CentresTsp[k] : origine;
        const PointD p = centre ? PointD{o.X + marques[k].X, o.Y + marques[k].Y} : marques[k];
        const PointD position = conversion->Position(p, o);
        r_.XMarques[k] = position.X;
        r_.YMarques[k] = position.Y;
    }
    return Repartir();
}

CodeResultat TSeries::Repartir()
{
    // Mark k belongs to point k mod n: the first points take the extra marks
    // of an incomplete last frame.
    const int n = r_.NbPointsMobiles;
    r_.NbMesures.assign(std::size_t(n), 0);
    for (int p = 0; p < n; ++p) r_.NbMesures[p] = (r_.NbMarques + n - 1 - p) / n;

    for (TResultatsSeries::Series* s :
         {&r_.SerieTemps, &r_.SerieX, &r_.SerieY, &r_.SerieVX, &r_.SerieVY, &r_.SerieV, &r_.SerieAX, &r_.SerieAY,
          &r_.SerieA, &r_.SerieUVX, &r_.SerieUVY, &r_.SerieUV, &r_.SerieUAX, &r_.SerieUAY, &r_.SerieUA}) {
        s->assign(std::size_t(n), {});
        for (int p = 0; p < n; ++p) (*s)[p].assign(std::size_t(r_.NbMesures[p]), 0.0);
    }

    r_.EtatsMarques.assign(std::size_t(n), {});
    for (int p = 0; p < n; ++p) r_.EtatsMarques[p].resize(std::size_t(r_.NbMesures[p]));
    for (int k = 0; k < r_.NbMarques; ++k) {
        const int p = k % n;
        const int j = k / n;
        r_.SerieX[p][j] = r_.XMarques[k];
        r_.SerieY[p][j] = r_.YMarques[k];
        if (std::size_t(k) < r_.EtatsDesMarques.size()) r_.EtatsMarques[p][j] = r_.EtatsDesMarques[std::size_t(k)];
    }
    PoserTemps(pas_.TChoisi);

    r_.Lissage = TLissage::Aucun;
    r_.FenetreLocale = 0;
    CodeResultat code = CodeSucces;
    if (r_.AfficherVitesse) {
        const CodeResultat c = CalculerVitesses();
        if (c == CodeTropPeuDeMesures) {
            r_.AfficherVitesse = false;
            code = c;
        } else if (c != CodeSucces) {
            return c;
        }
    }
    if (r_.AfficherAcceleration) {
        code = CalculerAccelerations();
        if (code == CodeTropPeuDeMesures) r_.AfficherAcceleration = false;
    }
    return code;
}

void TSeries::PoserTemps(double T)
{
    // From the frames of the marks when they are known; otherwise consecutive
    // marks of a point are one time step apart. Either way the first sample is
    // at 0 on a regularly marked video.
    r_.TempsDesImages = !pasImages_.empty();
    for (std::size_t p = 0; p < r_.SerieTemps.size(); ++p)
        for (std::size_t j = 0; j < r_.SerieTemps[p].size(); ++j)
            r_.SerieTemps[p][j] = (r_.TempsDesImages ? pasImages_[p][j] : double(j)) * T;
}

struct TSeries::TPasse {
    double (TDiscret::*derivee)(int) const;
    double (TDiscret::*incertitude)(int) const;
    TResultatsSeries::Series *sx, *sy, *s, *ux, *uy, *u;
    bool seconde; // second derivatives
};

CodeResultat TSeries::CalculerVitesses()
{
    return CalculerDerivees({&TDiscret::Derivee1, &TDiscret::Incertitude1, &r_.SerieVX, &r_.SerieVY, &r_.SerieV,
                             &r_.SerieUVX, &r_.SerieUVY, &r_.SerieUV, false});
}

CodeResultat TSeries::CalculerAccelerations()
{
    return CalculerDerivees({&TDiscret::Derivee2, &TDiscret::Incertitude2, &r_.SerieAX, &r_.SerieAY, &r_.SerieA,
                             &r_.SerieUAX, &r_.SerieUAY, &r_.SerieUA, true});
}

namespace {

// Uncertainty of the magnitude of (x, y) from those of its components; at
// the origin, where the magnitude has no slope, the components' combined size.
double IncertitudeNorme(double x, double y, double ux, double uy)
{
    const double norme = std::hypot(x, y);
    return norme > 0.0 ? std::hypot(x * ux, y * uy) / norme : std::hypot(ux, uy);
}

TLissage Combiner(TLissage a, TMethodeLissage b)
{
    const TLissage lb = b == TMethodeLissage::Local ? TLissage::Local
        : b == TMethodeLissage::Polynome            ? TLissage::Polynome
                                                    : TLissage::Aucun;
    if (a == TLissage::Aucun || a == lb) return lb;
    return TLissage::Mixte;
}

} // namespace

void TSeries::NoterLissage(const TDiscret& d, bool seconde)
{
    const TMethodeLissage m = seconde ? d.Methode2() : d.Methode1();
    r_.Lissage = Combiner(r_.Lissage, m);
    if (m == TMethodeLissage::Local) r_.FenetreLocale = std::max(r_.FenetreLocale, d.Fenetre());
}

CodeResultat TSeries::CalculerDerivees(const TPasse& passe)
{
    if (r_.NbPointsMobiles < 1 || r_.NbPointsMobiles > 3) return CodeErreurInconnue;
    for (int p = 0; p < r_.NbPointsMobiles; ++p) {
        // A repeated sample (a stale picture, or no time after the one
        // before) would differentiate across nothing: the others alone.
        const TEchantillonsGardes gardes = EchantillonsGardes(r_, p);
        const int N = int(gardes.Indices.size());
        TDiscret dx;
        TDiscret dy;
        CodeResultat code = dx.Calculer(gardes.Temps, gardes.X, N, r_.Lisser);
        if (code == CodeSucces) code = dy.Calculer(gardes.Temps, gardes.Y, N, r_.Lisser);
        if (code != CodeSucces) return code;
        NoterLissage(dx, passe.seconde);
        NoterLissage(dy, passe.seconde);
        for (auto* serie : {passe.sx, passe.sy, passe.s, passe.ux, passe.uy, passe.u})
            std::fill((*serie)[p].begin(), (*serie)[p].end(), std::nan(""));
        for (int k = 0; k < N; ++k) {
            const std::size_t i = std::size_t(gardes.Indices[std::size_t(k)]);
            const double vx = (dx.*passe.derivee)(k);
            const double vy = (dy.*passe.derivee)(k);
            const double ux = (dx.*passe.incertitude)(k);
            const double uy = (dy.*passe.incertitude)(k);
            (*passe.sx)[p][i] = vx;
            (*passe.sy)[p][i] = vy;
            (*passe.s)[p][i] = std::sqrt(vx * vx + vy * vy);
            (*passe.ux)[p][i] = ux;
            (*passe.uy)[p][i] = uy;
            (*passe.u)[p][i] = IncertitudeNorme(vx, vy, ux, uy);
        }
    }
    return CodeSucces;
}

TEchantillonsGardes EchantillonsGardes(const TResultatsSeries& r, int point)
{
    const std::size_t p = std::size_t(point);
    TEchantillonsGardes g;
    for (int i = 0; i < r.NbMesures[p]; ++i) {
        const std::size_t k = std::size_t(i);
        if (p < r.EtatsMarques.size() && k < r.EtatsMarques[p].size() && r.EtatsMarques[p][k].Repetee) continue;
        g.Indices.push_back(i);
        g.Temps.push_back(r.SerieTemps[p][k]);
        g.X.push_back(r.SerieX[p][k]);
        g.Y.push_back(r.SerieY[p][k]);
    }
    return g;
}

CodeResultat TSeries::ChangerPasDeTemps(double T)
{
    const TResultatsSeries avant = r_;
    PoserTemps(T);
    const CodeResultat code = RecalculerProvisoirement(avant);
    if (code != CodeSucces) pas_.TChoisi = pas_.TDefaut;
    return code;
}

CodeResultat TSeries::BasculerLissage()
{
    const TResultatsSeries avant = r_;
    r_.Lisser = !r_.Lisser;
    // A failure restores `avant`, and with it the former smoothing state.
    return RecalculerProvisoirement(avant);
}

CodeResultat TSeries::RecalculerProvisoirement(const TResultatsSeries& avant)
{
    CodeResultat code = CodeSucces;
    r_.Lissage = TLissage::Aucun;
    r_.FenetreLocale = 0;
    try {
        if (r_.AfficherVitesse && (code = CalculerVitesses()) != CodeSucces) throw EException();
        if (r_.AfficherAcceleration && (code = CalculerAccelerations()) != CodeSucces) throw EException();
    } catch (const EException&) {
        r_ = avant;
    } catch (...) {
        // Anything else that breaks the recomputation is undone the same way.
        r_ = avant;
        code = CodeErreurInconnue;
    }
    return code;
}
