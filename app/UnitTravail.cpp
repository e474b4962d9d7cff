#include "app/UnitTravail.h"

#include "app/UnitTravailImages.h"

#include <QFile>
#include <QStringDecoder>

namespace {

// The file's codes: tool 1 marks, 2 scale, 3 origin, 4 overlay; cursor colour
// 1 black, 2 white, 3 black and white; drawing 1 the last mark, 2 all marks;
// overlay state stored plus one.
int CodeOutil(TOutil o) { return int(o) + 1; }
TOutil OutilDuCode(int code) { return code >= 1 && code <= 4 ? TOutil(code - 1) : TOutil::Marque; }

int CodeCouleurCurseur(TCouleurCurseur c)
{
    switch (c) {
    case TCouleurCurseur::Noir: return 1;
    case TCouleurCurseur::Blanc: return 2;
    case TCouleurCurseur::NoirEtBlanc:
    case TCouleurCurseur::Aucune: break;
    }
    return 3;
}

TCouleurCurseur CouleurCurseurDuCode(int code)
{
    switch (code) {
    case 1: return TCouleurCurseur::Noir;
    case 2: return TCouleurCurseur::Blanc;
    case 3: return TCouleurCurseur::NoirEtBlanc;
    default: return TCouleurCurseur::Aucune;
    }
}

int CodeDessin(TDessinMarques d) { return d == TDessinMarques::Derniere ? 1 : 2; }
TDessinMarques DessinDuCode(int code) { return code == 1 ? TDessinMarques::Derniere : TDessinMarques::Toutes; }

int CodeEtatTransparent(TEtatTransparent e) { return int(e) + 1; }

TEtatTransparent EtatTransparentDuCode(int code)
{
    switch (code) {
    case 2: return TEtatTransparent::Deplacer;
    case 3: return TEtatTransparent::Marquer;
    default: return TEtatTransparent::Saisir;
    }
}

} // namespace

QStringList LignesTravail(const Travail& t, QChar sep)
{
    const EtatMesure& m = t.Mesure;
    QStringList l;
    auto reel = [&](double x) { l << FormaterReel(x, sep); };
    auto point = [&](const PointD& p) { reel(p.X); reel(p.Y); };
    auto entier = [&](qint64 v) { l << QString::number(v); };
    l << t.CheminVideo;
    entier(t.NumeroImage);
    entier(m.MarquesParImage);
    entier(CodeOutil(m.Outil));
    entier(m.Curseur);
    entier(CodeCouleurCurseur(m.CouleurCurseur));
    entier(m.NombreDePoints());
    entier(m.MarquesDerniereImage);
    for (const PointD& p : m.Marques) point(p);
    entier(m.NombreDePointsTsp());
    entier(m.MarquesTspDerniereImage);
    for (const PointD& p : m.MarquesTsp) point(p);
    entier(CodeEtatTransparent(m.EtatTransparent));
    point(m.CentreTsp);
    for (const PointD& p : m.CentresTsp) point(p);
    point(m.DemiTailleTsp);
    point(m.DecalageTsp);
    entier(m.BoutsEtalon());
    for (int i = 0; i < m.BoutsEtalon(); ++i) point(m.PointsEtalon[size_t(i)]);
    reel(m.LongueurEtalon);
    entier(m.OrigineEstPlacee() ? 1 : 0);
    if (m.OrigineEstPlacee()) point(m.Origine);
    entier(m.Couleur);
    entier(CodeDessin(m.DessinMarques));
    EcrireImagesTravail(l, t);
    return l;
}

ResultatEcriture EcrireTravail(const QString& chemin, const Travail& t, QChar sep)
{
    QByteArray texte;
    for (const QString& ligne : LignesTravail(t, sep)) texte += ligne.toUtf8() + "\r\n";
    return EcrireFichier(chemin, texte);
}

namespace {

// Reads the lines in order; any missing or malformed line makes the whole
// read fail.
class Curseur {
public:
    explicit Curseur(const QStringList& lignes) : lignes_(lignes) {}

    qsizetype Restantes() const { return lignes_.size() - pos_; }
    qsizetype Position() const { return pos_; }
    bool Entier(int& v)
    {
        if (pos_ >= lignes_.size()) return false;
        const auto r = LireEntier(lignes_[pos_++]);
        if (r) v = *r;
        return r.has_value();
    }
    bool Entier64(std::int64_t& v)
    {
        int i = 0;
        if (!Entier(i)) return false;
        v = i;
        return true;
    }
    bool Reel(double& v)
    {
        if (pos_ >= lignes_.size()) return false;
        const auto r = LireReel(lignes_[pos_++]);
        if (r) v = *r;
        return r.has_value();
    }
    bool Point(PointD& p) { return Reel(p.X) && Reel(p.Y); }
    // A count of points to read: not negative, and no more than the lines
    // left can hold, so a corrupt count cannot make us allocate.
    bool Compte(int& n, int extra = 0)
    {
        return Entier(n) && n >= 0 && qint64(n) + extra <= Restantes() / 2;
    }
    bool Points(VecteurPointD& v, int n)
    {
        v.assign(size_t(n), PointD{});
        for (PointD& p : v)
            if (!Point(p)) return false;
        return true;
    }

private:
    const QStringList& lignes_;
    qsizetype pos_ = 1;
};

bool lireReste(Curseur& c, Travail& t)
{
    EtatMesure& m = t.Mesure;
    int parImage = 0, outil = 0, couleurCurseur = 0, n = 0, nTsp = 0, etatTsp = 0, bouts = 0, origine = 0,
        dessin = 0;
    std::int64_t couleur = 0;
    const bool lu =
        c.Entier(t.NumeroImage) && c.Entier(parImage) && c.Entier(outil) && c.Entier(m.Curseur)
        && c.Entier(couleurCurseur)
        && c.Compte(n) && c.Entier(m.MarquesDerniereImage) && c.Points(m.Marques, n)
        && c.Compte(nTsp) && c.Entier(m.MarquesTspDerniereImage) && c.Points(m.MarquesTsp, nTsp)
        && c.Entier(etatTsp) && c.Point(m.CentreTsp)
        && nTsp + 1 <= c.Restantes() / 2 && c.Points(m.CentresTsp, nTsp + 1)
        && c.Point(m.DemiTailleTsp) && c.Point(m.DecalageTsp)
        && c.Entier(bouts) && bouts >= 0 && bouts <= 2
        && (bouts < 1 || c.Point(m.PointsEtalon[0])) && (bouts < 2 || c.Point(m.PointsEtalon[1]))
        && c.Reel(m.LongueurEtalon) && c.Entier(origine) && (origine == 0 || c.Point(m.Origine))
        && c.Entier64(couleur) && c.Entier(dessin);
    if (!lu) return false;
    // Codes outside their range leave the initial value.
    if (parImage >= 1 && parImage <= 3) m.MarquesParImage = parImage;
    m.Outil = OutilDuCode(outil);
    m.CouleurCurseur = CouleurCurseurDuCode(couleurCurseur);
    m.EtatTransparent = EtatTransparentDuCode(etatTsp);
    m.EtatEtalon = TEtatEtalon(bouts);
    m.OriginePlacee = origine == 1 ? TOrigine::Placee : TOrigine::NonPlacee;
    m.Couleur = std::uint32_t(couleur);
    m.DessinMarques = DessinDuCode(dessin);
    return true;
}

} // namespace

LectureTravail LireLignesTravail(const QStringList& lignes)
{
    LectureTravail r;
    if (lignes.isEmpty()) return r;
    r.travail.CheminVideo = lignes.first();
    r.etat = LectureTravail::Etat::Contenu;
    Curseur c(lignes);
    if (lireReste(c, r.travail) && LireImagesTravail(lignes, c.Position(), r.travail)) r.etat = LectureTravail::Etat::Ok;
    return r;
}

LectureTravail LireTravail(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    if (f.size() > TailleMaxTravail) {
        // Too large to be a measurement: say so once the video is known.
        LectureTravail r;
        const QByteArray premiere = f.readLine(4096);
        if (premiere.isEmpty()) return r;
        r.travail.CheminVideo = QString::fromUtf8(premiere);
        while (r.travail.CheminVideo.endsWith(u'\n') || r.travail.CheminVideo.endsWith(u'\r')) r.travail.CheminVideo.chop(1);
        r.etat = LectureTravail::Etat::Contenu;
        return r;
    }
    const QByteArray octets = f.readAll();
    if (f.error() != QFileDevice::NoError) return {};
    // Not UTF-8: not a file we wrote.
    QStringDecoder decodeur(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texte = decodeur.decode(octets);
    QStringList lignes = texte.split(u'\n');
    for (QString& l : lignes)
        if (l.endsWith(u'\r')) l.chop(1);
    if (!lignes.isEmpty() && lignes.last().isEmpty()) lignes.removeLast();
    LectureTravail r = LireLignesTravail(lignes);
    if (decodeur.hasError() && r.etat == LectureTravail::Etat::Ok) r.etat = LectureTravail::Etat::Contenu;
    return r;
}
