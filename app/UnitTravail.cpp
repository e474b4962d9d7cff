#include "app/UnitTravail.h"

#include "app/UnitTravailImages.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

int Travail::EtatTransparent() const
{
    switch (EtatTransparentFichier) {
    case 2: return 1;
    case 3: return 2;
    default: return 0;
    }
}

QStringList LignesTravail(const Travail& t, QChar sep)
{
    QStringList l;
    auto reel = [&](double x) { l << FormaterReel(x, sep); };
    auto point = [&](const PointD& p) { reel(p.X); reel(p.Y); };
    auto entier = [&](qint64 v) { l << QString::number(v); };
    l << t.CheminVideo;
    entier(t.NumeroImage);
    entier(t.MarquesParImage);
    entier(t.Outil);
    entier(t.Curseur);
    entier(t.CouleurCurseur);
    entier(qint64(t.Marques.size()));
    entier(t.MarquesDerniereImage);
    for (const PointD& p : t.Marques) point(p);
    entier(qint64(t.MarquesTsp.size()));
    entier(t.MarquesTspDerniereImage);
    for (const PointD& p : t.MarquesTsp) point(p);
    entier(t.EtatTransparentFichier);
    point(t.CentreTsp);
    for (const PointD& p : t.CentresTsp) point(p);
    point(t.DemiTailleTsp);
    point(t.DecalageTsp);
    entier(t.EtatEtalon);
    for (int i = 0; i < t.EtatEtalon && i < 2; ++i) point(t.PointsEtalon[size_t(i)]);
    reel(t.LongueurEtalon);
    entier(t.OriginePlacee);
    if (t.OriginePlacee != 0) point(t.Origine);
    entier(t.Couleur);
    entier(t.DessinMarques);
    EcrireImagesTravail(l, t);
    return l;
}

ResultatEcriture EcrireTravail(const QString& chemin, const Travail& t, QChar sep)
{
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) return ResultatEcriture::CreationImpossible;
    QByteArray texte;
    for (const QString& ligne : LignesTravail(t, sep)) texte += ligne.toUtf8() + "\r\n";
    if (f.write(texte) != texte.size() || !f.commit()) return ResultatEcriture::EcritureEchouee;
    return ResultatEcriture::Ok;
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
    int n = 0, nTsp = 0;
    return c.Entier(t.NumeroImage) && c.Entier(t.MarquesParImage) && c.Entier(t.Outil) && c.Entier(t.Curseur)
        && c.Entier(t.CouleurCurseur)
        && c.Compte(n) && c.Entier(t.MarquesDerniereImage) && c.Points(t.Marques, n)
        && c.Compte(nTsp) && c.Entier(t.MarquesTspDerniereImage) && c.Points(t.MarquesTsp, nTsp)
        && c.Entier(t.EtatTransparentFichier) && c.Point(t.CentreTsp)
        && nTsp + 1 <= c.Restantes() / 2 && c.Points(t.CentresTsp, nTsp + 1)
        && c.Point(t.DemiTailleTsp) && c.Point(t.DecalageTsp)
        && c.Entier(t.EtatEtalon) && t.EtatEtalon >= 0 && t.EtatEtalon <= 2
        && (t.EtatEtalon < 1 || c.Point(t.PointsEtalon[0])) && (t.EtatEtalon < 2 || c.Point(t.PointsEtalon[1]))
        && c.Reel(t.LongueurEtalon) && c.Entier(t.OriginePlacee) && (t.OriginePlacee == 0 || c.Point(t.Origine))
        && c.Entier64(t.Couleur) && c.Entier(t.DessinMarques);
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
