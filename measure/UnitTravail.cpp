#include "measure/UnitTravail.h"

#include "measure/UnitMesure.h"
#include "measure/UnitTravailBlocs.h"
#include "measure/UnitTravailValeurs.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>

namespace {

// The file's codes: tool 1 marks, 2 scale, 3 origin, 4 overlay; cursor colour
// 1 black, 2 white, 3 black and white; drawing 1 the last mark, 2 all marks;
// overlay state stored plus one.
int CodeOutil(TOutil o)
{
    return int(o) + 1;
}
TOutil OutilDuCode(int code)
{
    return code >= 1 && code <= 4 ? TOutil(code - 1) : TOutil::Marque;
}

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

// The cursor line, kept for the files' readers: the number of the cursor the
// next press shows (1..22, in the order the program's cursors have always
// been numbered), in the colour the file's colour line gives. Rows follow
// TFamilleCurseur; columns follow the colour codes. Reading skips it: the view
// chooses its cursor from the state.
constexpr int CodesCurseur[6][3] = {
    {1, 2, 3},    // a mark
    {4, 7, 10},   // point 1 of several a frame
    {5, 8, 11},   // point 2
    {6, 9, 12},   // point 3
    {13, 14, 15}, // the scale segment
    {17, 16, 18}, // the origin
};
constexpr int CodeSaisirTransparent = 20;
constexpr int CodeDeplacerTransparent = 19;

int CodeCurseur(const EtatMesure& m)
{
    if (const std::optional<TEtatTransparent> geste = GesteTransparent(m))
        return *geste == TEtatTransparent::Saisir ? CodeSaisirTransparent : CodeDeplacerTransparent;
    return CodesCurseur[int(FamilleCurseur(m))][CodeCouleurCurseur(m.CouleurCurseur) - 1];
}

int CodeDessin(TDessinMarques d)
{
    return d == TDessinMarques::Derniere ? 1 : 2;
}
TDessinMarques DessinDuCode(int code)
{
    return code == 1 ? TDessinMarques::Derniere : TDessinMarques::Toutes;
}

int CodeEtatTransparent(TEtatTransparent e)
{
    return int(e) + 1;
}

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
    auto point = [&](const PointD& p) {
        reel(p.X);
        reel(p.Y);
    };
    auto entier = [&](qint64 v) { l << QString::number(v); };
    l << t.CheminVideo;
    entier(t.NumeroImage);
    entier(m.MarquesParImage);
    entier(CodeOutil(m.Outil));
    entier(CodeCurseur(m));
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
    entier(std::int32_t(m.Couleur)); // a signed 32-bit colour value, as the reader takes it
    entier(CodeDessin(m.DessinMarques));
    EcrireBlocsTravail(l, t);
    return l;
}

ResultatEcriture EcrireTravail(const QString& chemin, const Travail& t, QChar sep, CauseEcriture* cause)
{
    QByteArray texte;
    for (const QString& ligne : LignesTravail(t, sep)) texte += ligne.toUtf8() + "\r\n";
    return EcrireFichier(chemin, texte, cause);
}

namespace {

// Reads the lines of the file's text in order, one at a time, so that reading
// holds little more than the file's bytes; any missing or malformed line
// makes the whole read fail.
class Curseur {
public:
    explicit Curseur(QByteArrayView texte) : texte_(texte)
    {
        restantes_ = texte.count('\n') + (texte.endsWith('\n') || texte.isEmpty() ? 0 : 1);
    }

    qsizetype Restantes() const { return restantes_; }
    // The lines left, read to the end.
    QStringList Reste()
    {
        QStringList l;
        QString ligne;
        while (Ligne(ligne)) l << ligne;
        return l;
    }
    bool Ligne(QString& l)
    {
        if (restantes_ == 0) return false;
        --restantes_;
        qsizetype fin = texte_.indexOf('\n', pos_);
        if (fin < 0) fin = texte_.size();
        QByteArrayView ligne = texte_.sliced(pos_, fin - pos_);
        if (ligne.endsWith('\r')) ligne.chop(1);
        pos_ = fin + 1;
        l = QString::fromUtf8(ligne);
        return true;
    }
    bool Entier(int& v)
    {
        if (!Ligne(ligne_)) return false;
        const auto r = LireEntier(ligne_);
        if (r) v = *r;
        return r.has_value();
    }
    bool Reel(double& v)
    {
        if (!Ligne(ligne_)) return false;
        const auto r = LireReel(ligne_);
        if (r) v = *r;
        return r.has_value();
    }
    bool Point(PointD& p) { return Reel(p.X) && Reel(p.Y); }
    // A count of points to read: not negative, no more than a measurement
    // reaches, and no more than the lines left can hold, so a corrupt count
    // cannot make us allocate.
    bool Compte(int& n, int extra = 0)
    {
        return Entier(n) && n >= 0 && n <= MarquesMax && qint64(n) + extra <= Restantes() / 2;
    }
    bool Points(VecteurPointD& v, int n)
    {
        v.assign(size_t(n), PointD{});
        for (PointD& p : v)
            if (!Point(p)) return false;
        return true;
    }

private:
    QByteArrayView texte_;
    qsizetype pos_ = 0;
    qsizetype restantes_ = 0;
    QString ligne_;
};

bool lireReste(Curseur& c, Travail& t)
{
    EtatMesure& m = t.Mesure;
    int parImage = 0, outil = 0, curseur = 0, couleurCurseur = 0, n = 0, nTsp = 0, etatTsp = 0, bouts = 0, origine = 0,
        dessin = 0;
    int couleur = 0; // a signed 32-bit colour value, as the writer writes it
    const bool lu = c.Entier(t.NumeroImage) && c.Entier(parImage) && c.Entier(outil) && c.Entier(curseur) &&
        c.Entier(couleurCurseur) && c.Compte(n) && c.Entier(m.MarquesDerniereImage) && c.Points(m.Marques, n) &&
        c.Compte(nTsp) && c.Entier(m.MarquesTspDerniereImage) && c.Points(m.MarquesTsp, nTsp) && c.Entier(etatTsp) &&
        c.Point(m.CentreTsp) && nTsp + 1 <= c.Restantes() / 2 && c.Points(m.CentresTsp, nTsp + 1) &&
        c.Point(m.DemiTailleTsp) && c.Point(m.DecalageTsp) && c.Entier(bouts) && bouts >= 0 && bouts <= 2 &&
        (bouts < 1 || c.Point(m.PointsEtalon[0])) && (bouts < 2 || c.Point(m.PointsEtalon[1])) &&
        c.Reel(m.LongueurEtalon) && c.Entier(origine) && (origine == 0 || c.Point(m.Origine)) && c.Entier(couleur) &&
        c.Entier(dessin);
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

// The file's text, UTF-8 without its byte order mark (an editor may have
// added more than one; none belongs to the path).
LectureTravail LireTexte(QByteArrayView texte)
{
    while (texte.startsWith("\xEF\xBB\xBF")) texte = texte.sliced(3);
    LectureTravail r;
    Curseur c(texte);
    if (!c.Ligne(r.travail.CheminVideo)) return r;
    r.etat = LectureTravail::Etat::Contenu;
    // Not UTF-8: not a file we wrote, though its first line names the video.
    if (texte.isValidUtf8() && lireReste(c, r.travail) && ValeursPossibles(r.travail.Mesure) &&
        LireBlocsTravail(c.Reste(), r.travail))
        r.etat = LectureTravail::Etat::Ok;
    return r;
}

} // namespace

LectureTravail LireLignesTravail(const QStringList& lignes)
{
    if (lignes.isEmpty()) return {};
    return LireTexte(lignes.join(u'\n').toUtf8() + '\n');
}

LectureTravail LireTravail(const QString& chemin)
{
    // A pipe or a device would block the open, or never end.
    if (!QFileInfo(chemin).isFile()) return {};
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    if (f.size() > TailleMaxTravail) {
        // Too large to be a measurement: say so once the video is known.
        const QByteArray premiere = f.readLine(4096);
        LectureTravail r = LireTexte(premiere);
        if (r.etat == LectureTravail::Etat::Ok) r.etat = LectureTravail::Etat::Contenu;
        return r;
    }
    const QByteArray octets = f.readAll();
    if (f.error() != QFileDevice::NoError) return {};
    return LireTexte(octets);
}
