#include "results/UnitTableau.h"

#include "core/UnitFormatReel.h"

#include <cmath>

namespace {

constexpr int ColonneX = 2;   // x1; x2 and x3 follow in pairs
constexpr int ColonneV = 8;   // vx1; three columns per point
constexpr int ColonneA = 17;  // ax1
constexpr int ColonneU = 26;  // uvx1: the uncertainty of column c >= ColonneV is c + ColonneU - ColonneV
constexpr int DecalageU = ColonneU - ColonneV;

QString unite(const QString& nom)
{
    switch (nom.front().unicode()) {
    case 'D': return QStringLiteral("(s)");
    case 'x':
    case 'y': return QStringLiteral("(m)");
    case 'v': return QStringLiteral("(m/s)");
    case 'a': return QStringLiteral("(m/s2)");
    case 'u': return nom.at(1) == u'v' ? QStringLiteral("(m/s)") : QStringLiteral("(m/s2)");
    default: return {};
    }
}

} // namespace

const QStringList& TTableau::NomsChamps()
{
    static const QStringList noms = [] {
        QStringList n{QStringLiteral("Numero"), QStringLiteral("Date")};
        for (int p = 1; p <= 3; ++p) n << QStringLiteral("x%1").arg(p) << QStringLiteral("y%1").arg(p);
        for (const char* g : {"v", "a"})
            for (int p = 1; p <= 3; ++p)
                n << QStringLiteral("%1x%2").arg(QLatin1String(g)).arg(p) << QStringLiteral("%1y%2").arg(QLatin1String(g)).arg(p)
                  << QStringLiteral("%1%2").arg(QLatin1String(g)).arg(p);
        for (int c = ColonneV; c < ColonneU; ++c) n << u'u' + n[c];
        return n;
    }();
    return noms;
}

const std::vector<int>& TTableau::OrdreColonnes()
{
    static const std::vector<int> ordre = [] {
        std::vector<int> o;
        for (int c = 0; c < ColonneV; ++c) o.push_back(c);
        for (int groupe = ColonneV; groupe < ColonneU; groupe += 3) {
            for (int k = 0; k < 3; ++k) o.push_back(groupe + k);
            for (int k = 0; k < 3; ++k) o.push_back(groupe + k + DecalageU);
        }
        return o;
    }();
    return ordre;
}

int TTableau::Colonne(const QString& nom)
{
    return int(NomsChamps().indexOf(nom));
}

void TTableau::RemplirTableau(const TResultatsSeries& r)
{
    lignes_.clear();
    const int points = std::min<int>(r.NbPointsMobiles, int(r.NbMesures.size()));
    int lignes = 0;
    for (int p = 0; p < points; ++p) lignes = std::max(lignes, r.NbMesures[size_t(p)]);
    lignes_.resize(size_t(lignes));
    for (int l = 0; l < lignes; ++l) {
        auto& ligne = lignes_[size_t(l)];
        ligne[0] = l + 1;
        for (int p = 0; p < points; ++p) {
            if (l >= r.NbMesures[size_t(p)]) continue;
            const size_t i = size_t(l), q = size_t(p);
            // The time column is point 1's.
            if (p == 0) ligne[1] = r.SerieTemps[q][i];
            ligne[size_t(ColonneX + 2 * p)] = r.SerieX[q][i];
            ligne[size_t(ColonneX + 2 * p + 1)] = r.SerieY[q][i];
            ligne[size_t(ColonneV + 3 * p)] = r.SerieVX[q][i];
            ligne[size_t(ColonneV + 3 * p + 1)] = r.SerieVY[q][i];
            ligne[size_t(ColonneV + 3 * p + 2)] = r.SerieV[q][i];
            ligne[size_t(ColonneA + 3 * p)] = r.SerieAX[q][i];
            ligne[size_t(ColonneA + 3 * p + 1)] = r.SerieAY[q][i];
            ligne[size_t(ColonneA + 3 * p + 2)] = r.SerieA[q][i];
            // An uncertainty that cannot be estimated stays empty.
            const auto u = [](double v) { return std::isnan(v) ? std::optional<double>() : v; };
            const TResultatsSeries::Series* incertitudes[] = {&r.SerieUVX, &r.SerieUVY, &r.SerieUV,
                                                              &r.SerieUAX, &r.SerieUAY, &r.SerieUA};
            for (int k = 0; k < 6; ++k) {
                const auto& serie = *incertitudes[k];
                if (q < serie.size() && i < serie[q].size())
                    ligne[size_t(ColonneU + (k / 3) * 9 + 3 * p + k % 3)] = u(serie[q][i]);
            }
        }
    }
}

void TTableau::MontrerPositions(int nbPointsMobiles)
{
    visibles_.fill(false);
    visibles_[0] = visibles_[1] = true;
    for (int p = 0; p < 3; ++p)
        visibles_[size_t(ColonneX + 2 * p)] = visibles_[size_t(ColonneX + 2 * p + 1)] = p < nbPointsMobiles;
    appliquerIncertitudes();
}

void TTableau::montrerGroupe(int premiere, bool montrer, int nbPointsMobiles)
{
    for (int p = 0; p < 3; ++p)
        for (int k = 0; k < 3; ++k) visibles_[size_t(premiere + 3 * p + k)] = montrer && p < nbPointsMobiles;
    appliquerIncertitudes();
}

void TTableau::MontrerIncertitudes(bool montrer)
{
    incertitudes_ = montrer;
    appliquerIncertitudes();
}

void TTableau::appliquerIncertitudes()
{
    for (int c = ColonneV; c < ColonneU; ++c) visibles_[size_t(c + DecalageU)] = incertitudes_ && visibles_[size_t(c)];
}

void TTableau::MontrerVitesses(bool montrer, int nbPointsMobiles)
{
    montrerGroupe(ColonneV, montrer, nbPointsMobiles);
}

void TTableau::MontrerAccelerations(bool montrer, int nbPointsMobiles)
{
    montrerGroupe(ColonneA, montrer, nbPointsMobiles);
}

QString TTableau::RemplirTexte(QChar sep) const
{
    const QString crlf = QStringLiteral("\r\n");
    QString noms, unites;
    for (int c : OrdreColonnes()) {
        if (!visibles_[size_t(c)]) continue;
        noms += NomsChamps()[c] + u'\t';
        unites += unite(NomsChamps()[c]) + u'\t';
    }
    QString texte = crlf + crlf + crlf + noms + crlf + unites + crlf + crlf;
    for (const auto& ligne : lignes_) {
        for (int c : OrdreColonnes()) {
            if (!visibles_[size_t(c)]) continue;
            if (const auto& v = ligne[size_t(c)]) texte += c == 0 ? QString::number(int(*v)) : FormaterReel(*v, sep);
            texte += u'\t';
        }
        texte += crlf;
    }
    return texte;
}
