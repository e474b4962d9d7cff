#include "search/FindFile.h"

#include <algorithm>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Code points of a UTF-8 text, ASCII letters folded to lower case; a
// malformed byte stands for itself.
std::u32string pointsDeCode(std::string_view t)
{
    std::u32string r;
    for (size_t i = 0; i < t.size();) {
        const auto c = static_cast<unsigned char>(t[i]);
        const int suite = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t p = suite == 0 ? c : c & (0x3F >> suite);
        size_t j = 1;
        for (; j <= size_t(suite) && i + j < t.size() && (static_cast<unsigned char>(t[i + j]) & 0xC0) == 0x80; ++j)
            p = (p << 6) | (static_cast<unsigned char>(t[i + j]) & 0x3F);
        if (j != size_t(suite) + 1) {
            p = c;
            j = 1;
        }
        if (p >= U'A' && p <= U'Z') p += U'a' - U'A';
        r += p;
        i += j;
    }
    return r;
}

bool correspond(const std::u32string& nom, const std::u32string& masque)
{
    // Greedy matching with one backtrack point for the last "*".
    size_t n = 0, m = 0, etoile = std::u32string::npos, reprise = 0;
    while (n < nom.size()) {
        if (m < masque.size() && (masque[m] == U'?' || masque[m] == nom[n])) {
            ++n;
            ++m;
        } else if (m < masque.size() && masque[m] == U'*') {
            etoile = m++;
            reprise = n;
        } else if (etoile != std::u32string::npos) {
            m = etoile + 1;
            n = ++reprise;
        } else {
            return false;
        }
    }
    while (m < masque.size() && masque[m] == U'*') ++m;
    return m == masque.size();
}

struct Entree {
    std::string nom;
    bool fichier = false;     // a regular file, links followed
    bool sousDossier = false; // a real folder on the same volume
};

bool avantParNom(const Entree& a, const Entree& b)
{
    const auto pa = pointsDeCode(a.nom), pb = pointsDeCode(b.nom);
    return pa != pb ? pa < pb : a.nom < b.nom;
}

bool volumeDe(const std::string& chemin, std::uintmax_t* volume, bool* dossier)
{
    struct stat s {};
    if (::lstat(chemin.c_str(), &s) != 0) return false;
    *volume = s.st_dev;
    *dossier = S_ISDIR(s.st_mode);
    return true;
}

std::vector<Entree> lister(const std::string& dossier, std::uintmax_t volume)
{
    std::vector<Entree> r;
    std::error_code ec;
    fs::directory_iterator it(dossier, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        Entree e;
        e.nom = it->path().filename().string();
        std::error_code ecEntree;
        e.fichier = it->is_regular_file(ecEntree);
        std::uintmax_t v = 0;
        bool estDossier = false;
        e.sousDossier = volumeDe(dossier + e.nom, &v, &estDossier) && estDossier && v == volume;
        r.push_back(std::move(e));
    }
    std::sort(r.begin(), r.end(), avantParNom);
    return r;
}

} // namespace

bool CorrespondMasque(std::string_view nom, std::string_view masque)
{
    return correspond(pointsDeCode(nom), pointsDeCode(masque));
}

std::vector<std::string> DecouperMasques(std::string_view masques)
{
    std::vector<std::string> r;
    size_t debut = 0;
    while (debut <= masques.size()) {
        const size_t fin = std::min(masques.find(';', debut), masques.size());
        std::string_view m = masques.substr(debut, fin - debut);
        while (!m.empty() && m.front() == ' ') m.remove_prefix(1);
        while (!m.empty() && m.back() == ' ') m.remove_suffix(1);
        if (!m.empty()) r.emplace_back(m);
        debut = fin + 1;
    }
    return r;
}

void FindFile::Executer()
{
    if (enCours_.exchange(true)) return;
    if (DebutRecherche) DebutRecherche();
    std::string racine = fs::absolute(Dossier).lexically_normal().string();
    if (racine.empty() || racine.back() != '/') racine += '/';
    std::uintmax_t volume = 0;
    bool dossier = false;
    if (volumeDe(racine, &volume, &dossier) && dossier) visiter(racine, DecouperMasques(Masques), volume);
    // Cleared only now, so that a stop asked before the walk got going counts.
    arret_ = false;
    enCours_ = false;
    if (FinRecherche) FinRecherche();
}

void FindFile::visiter(const std::string& dossier, const std::vector<std::string>& masques, std::uintmax_t volume)
{
    if (ChangementDossier && !ChangementDossier(dossier)) return;
    const std::vector<Entree> entrees = lister(dossier, volume);
    // A file that fits two masks is reported once, with the first.
    std::vector<bool> signale(entrees.size(), false);
    for (const std::string& masque : masques) {
        for (size_t i = 0; i < entrees.size(); ++i) {
            if (arret_) return;
            const Entree& e = entrees[i];
            if (signale[i] || !e.fichier || e.nom.front() == '.' || !CorrespondMasque(e.nom, masque)) continue;
            signale[i] = true;
            if (Contenu && !Contenu(dossier + e.nom)) continue;
            if (!FichierTrouve) continue;
            EntreeFichier f;
            f.Nom = e.nom;
            std::error_code ec;
            const fs::path chemin = fs::path(dossier) / e.nom;
            f.Taille = fs::file_size(chemin, ec);
            if (ec) f.Taille = 0;
            f.Date = fs::last_write_time(chemin, ec);
            FichierTrouve(dossier, f);
        }
    }
    if (!SousDossiers) return;
    for (const Entree& e : entrees) {
        if (arret_) return;
        if (e.sousDossier) visiter(dossier + e.nom + '/', masques, volume);
    }
}
