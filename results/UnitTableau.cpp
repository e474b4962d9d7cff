#include "results/UnitTableau.h"

#include "core/UnitFormatReel.h"
#include "resources/UnitChainesRessources.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace {

using S = TResultatsSeries;

constexpr int LargeurValeur = 8;
constexpr int LargeurDefaut = 10; // a real column without a width of its own

TColonne colonne(const QString& nom, GroupeColonne g, int point, S::Series S::*serie, int largeur)
{
    return {nom, "Colonne" + nom.toStdString(), g, point, serie, largeur, TTableau::UniteChamp(nom)};
}

std::vector<TColonne> colonnes()
{
    std::vector<TColonne> c{colonne(QStringLiteral("Numero"), GroupeColonne::Numero, 1, nullptr, 4),
                            colonne(QStringLiteral("Date"), GroupeColonne::Temps, 1, &S::SerieTemps, LargeurDefaut)};
    for (int p = 1; p <= 3; ++p) {
        c.push_back(colonne(QStringLiteral("x%1").arg(p), GroupeColonne::Position, p, &S::SerieX, LargeurValeur));
        c.push_back(colonne(QStringLiteral("y%1").arg(p), GroupeColonne::Position, p, &S::SerieY, LargeurValeur));
    }
    struct Derivee {
        const char* lettre;
        GroupeColonne groupe;
        S::Series S::*x, S::*y, S::*norme;
        S::Series S::*ux, S::*uy, S::*unorme;
    };
    for (const Derivee& d : {Derivee{"v", GroupeColonne::Vitesse, &S::SerieVX, &S::SerieVY, &S::SerieV, &S::SerieUVX,
                                     &S::SerieUVY, &S::SerieUV},
                             Derivee{"a", GroupeColonne::Acceleration, &S::SerieAX, &S::SerieAY, &S::SerieA,
                                     &S::SerieUAX, &S::SerieUAY, &S::SerieUA}}) {
        const QString l = QLatin1String(d.lettre);
        for (int p = 1; p <= 3; ++p) {
            const QString noms[] = {QStringLiteral("%1x%2").arg(l).arg(p), QStringLiteral("%1y%2").arg(l).arg(p),
                                    QStringLiteral("%1%2").arg(l).arg(p)};
            c.push_back(colonne(noms[0], d.groupe, p, d.x, LargeurValeur));
            c.push_back(colonne(noms[1], d.groupe, p, d.y, LargeurValeur));
            c.push_back(colonne(noms[2], d.groupe, p, d.norme, LargeurValeur));
            for (auto [nom, serie] :
                 {std::pair{noms[0], d.ux}, std::pair{noms[1], d.uy}, std::pair{noms[2], d.unorme}}) {
                c.push_back(colonne(u'u' + nom, d.groupe, p, serie, LargeurValeur));
                c.back().Incertitude = true;
            }
        }
    }
    for (int p = 1; p <= 3; ++p)
        c.push_back(colonne(QStringLiteral("Marque%1").arg(p), GroupeColonne::Marque, p, nullptr, 32));
    return c;
}

bool numero(const TColonne& k)
{
    return k.Groupe == GroupeColonne::Numero;
}

bool marque(const TColonne& k)
{
    return k.Groupe == GroupeColonne::Marque;
}

} // namespace

const std::vector<TColonne>& TTableau::Colonnes()
{
    static const std::vector<TColonne> c = colonnes();
    return c;
}

int TTableau::Colonne(const QString& nom)
{
    const auto& c = Colonnes();
    const auto i = std::find_if(c.begin(), c.end(), [&](const TColonne& k) { return k.Nom == nom; });
    return i == c.end() ? -1 : int(i - c.begin());
}

QString TTableau::UniteChamp(const QString& nom)
{
    switch (nom.isEmpty() ? 0 : nom.front().unicode()) {
    case 'D': return QStringLiteral("(s)");
    case 'x':
    case 'y': return QStringLiteral("(m)");
    case 'v': return QStringLiteral("(m/s)");
    case 'a': return QStringLiteral("(m/s2)");
    case 'u': return UniteChamp(nom.mid(1)); // an uncertainty has its value's unit
    default: return {};
    }
}

int TTableau::IndiceColonne(const QString& nom) const
{
    const auto i = std::find_if(colonnes_.begin(), colonnes_.end(), [&](const TColonne& k) { return k.Nom == nom; });
    return i == colonnes_.end() ? -1 : int(i - colonnes_.begin());
}

QString TTableau::Etiquette(const TColonne& k)
{
    return k.Libelle.empty() ? k.Titre : Chaines::Texte(k.Libelle);
}

void TTableau::PoserGrandeurs(std::vector<TColonneGrandeur> grandeurs)
{
    const int base = NombreColonnes();
    std::vector<TColonne> colonnes = Colonnes();
    for (std::size_t i = 0; i < grandeurs.size(); ++i) {
        const TColonneGrandeur& q = grandeurs[i];
        const QString unite = q.Unite.isEmpty() ? QString() : u'(' + q.Unite + u')';
        TColonne k{q.Nom, {}, GroupeColonne::Grandeur, q.Point, nullptr, LargeurValeur, unite};
        k.Grandeur = int(i);
        k.Titre = unite.isEmpty() ? q.Nom : q.Nom + u' ' + unite;
        colonnes.push_back(k);
        k.Nom = u'u' + q.Nom;
        k.Titre = u'u' + k.Titre;
        k.Incertitude = true;
        colonnes.push_back(k);
    }
    const bool memes = colonnes.size() == colonnes_.size() &&
        std::equal(colonnes.begin() + base, colonnes.end(), colonnes_.begin() + base,
                   [](const TColonne& a, const TColonne& b) { return a.Nom == b.Nom; });
    colonnes_ = std::move(colonnes);
    grandeurs_ = std::move(grandeurs);
    if (memes) return;
    std::erase_if(ordre_, [base](int c) { return c >= base; });
    for (int c = base; c < NombreColonnesTableau(); ++c) ordre_.push_back(c);
}

std::vector<int> TTableau::ordreInitial()
{
    std::vector<int> o(static_cast<size_t>(NombreColonnes()));
    std::iota(o.begin(), o.end(), 0);
    return o;
}

void TTableau::RemplirTableau(TResultatsSeries r)
{
    points_ = std::clamp(std::min<int>(r.NbPointsMobiles, int(r.NbMesures.size())), 0, 3);
    lignes_ = 0;
    for (int p = 0; p < points_; ++p) lignes_ = std::max(lignes_, r.NbMesures[size_t(p)]);
    series_ = std::move(r);
}

std::optional<double> TTableau::Valeur(int ligne, int colonne) const
{
    const TColonne& k = colonnes_[size_t(colonne)];
    if (k.Grandeur >= 0) {
        const TSerieGrandeur& s = grandeurs_[size_t(k.Grandeur)].Serie;
        const std::vector<double>& v = k.Incertitude ? s.Incertitudes : s.Valeurs;
        if (ligne >= int(v.size()) || !std::isfinite(v[size_t(ligne)])) return {};
        return v[size_t(ligne)];
    }
    const int p = k.Point - 1;
    if (marque(k) || p >= points_ || ligne >= series_.NbMesures[size_t(p)]) return {};
    if (!k.Serie) return double(ligne + 1);
    const S::Series& serie = series_.*k.Serie;
    if (size_t(p) >= serie.size() || size_t(ligne) >= serie[size_t(p)].size()) return {};
    const double v = serie[size_t(p)][size_t(ligne)];
    if (!std::isfinite(v)) return {};
    return v;
}

QString TTableau::TexteAffiche(int ligne, int colonne, QChar sep) const
{
    const TColonne& k = colonnes_[size_t(colonne)];
    if (marque(k)) return TexteMarque(ligne, k.Point, sep);
    const std::optional<double> v = Valeur(ligne, colonne);
    if (!v) return {};
    if (numero(colonnes_[size_t(colonne)])) return QString::number(qRound(*v));
    return FormatTableau(*v, sep);
}

namespace {

const TEtatMarque* etatMarque(const TResultatsSeries& r, int points, int ligne, int point)
{
    const std::size_t p = std::size_t(point - 1);
    if (point < 1 || point > points || p >= r.EtatsMarques.size() || std::size_t(ligne) >= r.EtatsMarques[p].size())
        return nullptr;
    return &r.EtatsMarques[p][std::size_t(ligne)];
}

bool douteuse(const TEtatMarque* e)
{
    return e && (e->Doute || e->Repetee);
}

} // namespace

QString TTableau::TexteMarque(int ligne, int point, QChar sep) const
{
    const TEtatMarque* e = etatMarque(series_, points_, ligne, point);
    if (!e) return {};
    const QString score = FormatFixe(e->Score, 2, sep);
    QString texte = !e->Suivie ? Chaines::Texte("MarqueCliquee")
        : e->Doute             ? Chaines::Texte("MarqueDouteuse").arg(score)
                               : Chaines::Texte("MarqueSuivie").arg(score);
    if (e->Repetee) texte = Chaines::Texte("MarqueRepetee").arg(texte);
    return texte;
}

bool TTableau::Signalee(int ligne, int colonne) const
{
    const TColonne& k = colonnes_[size_t(colonne)];
    if (!numero(k) && k.Point > 0) return douteuse(etatMarque(series_, points_, ligne, k.Point));
    for (int p = 1; p <= points_; ++p)
        if (douteuse(etatMarque(series_, points_, ligne, p))) return true;
    return false;
}

bool TTableau::GroupeMontre(GroupeColonne g) const
{
    return std::find(groupes_.begin(), groupes_.end(), g) != groupes_.end();
}

bool TTableau::Visible(int colonne) const
{
    const TColonne& k = colonnes_[size_t(colonne)];
    return GroupeMontre(k.Groupe) && k.Point <= std::max(points_, 1) && (!k.Incertitude || incertitudes_);
}

void TTableau::MontrerPositions()
{
    groupes_ = {GroupeColonne::Numero, GroupeColonne::Temps, GroupeColonne::Position};
}

void TTableau::MontrerGroupe(GroupeColonne g, bool montrer)
{
    std::erase(groupes_, g);
    if (montrer) groupes_.push_back(g);
}

void TTableau::DeplacerColonne(int de, int vers)
{
    const int n = NombreColonnesTableau();
    if (de < 0 || de >= n || vers < 0 || vers >= n || de == vers) return;
    const int c = ordre_[size_t(de)];
    ordre_.erase(ordre_.begin() + de);
    ordre_.insert(ordre_.begin() + vers, c);
}

void TTableau::PourChaqueLigne(QChar sep, const std::function<void(const QString&)>& ligne) const
{
    const QString crlf = QStringLiteral("\r\n");
    std::vector<int> visibles;
    for (int c : ordre_)
        if (Visible(c)) visibles.push_back(c);
    QString noms, unites;
    for (int c : visibles) {
        noms += colonnes_[size_t(c)].Nom + u'\t';
        unites += colonnes_[size_t(c)].Unite + u'\t';
    }
    for (const QString& l : {crlf, crlf, crlf, noms + crlf, unites + crlf, crlf}) ligne(l);
    QString texte;
    for (int l = 0; l < lignes_; ++l) {
        texte.clear();
        for (int c : visibles) {
            if (marque(colonnes_[size_t(c)])) texte += TexteMarque(l, colonnes_[size_t(c)].Point, sep);
            if (const auto v = Valeur(l, c))
                texte += numero(colonnes_[size_t(c)]) ? QString::number(qRound(*v)) : FormaterReel(*v, sep);
            texte += u'\t';
        }
        ligne(texte += crlf);
    }
}

QString TTableau::RemplirTexte(QChar sep) const
{
    QString texte;
    PourChaqueLigne(sep, [&texte](const QString& l) { texte += l; });
    return texte;
}

QString FormatTableau(double v, QChar sep)
{
    return FormatFixe(v, 3, sep);
}
