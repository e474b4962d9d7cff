#include "app/UnitTravail.h"

#include "app/UnitTravailValeurs.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    bool Entier64(std::int64_t& v)
    {
        int i = 0;
        if (!Entier(i)) return false;
        v = i;
        return true;
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
    if (texte.isValidUtf8() && lireReste(c, r.travail) && ValeursPossibles(r.travail)) r.etat = LectureTravail::Etat::Ok;
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
