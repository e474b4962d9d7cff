#pragma once
// The file search engine: walks a folder tree depth first and reports every
// file that matches the name masks, through events. Plain C++ over
// std::filesystem; the walk may run on any thread, and Arreter may be called
// from another one.
//
// Order: on entering a folder, the folder-change event; then the folder's
// matching files, mask by mask, in name order; then each subfolder in name
// order, walked the same way. Hidden files (a name starting with ".") and
// everything that is not a regular file never match. Folders that cannot be
// listed contribute nothing. The walk stays on the file system of the folder
// it starts from (other mounted volumes are drives of their own) and does not
// follow links to folders, so it cannot loop.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct EntreeFichier {
    std::string Nom;
    std::uintmax_t Taille = 0;
    std::filesystem::file_time_type Date{};
};

// "*" any run of characters, "?" one character; letters compared without
// regard to case, as a desktop user expects of "*.avi" and "CLIP.AVI".
bool CorrespondMasque(std::string_view nom, std::string_view masque);

// "*.avi;*.mp4" -> {"*.avi", "*.mp4"}; blanks around each mask are dropped.
std::vector<std::string> DecouperMasques(std::string_view masques);

class FindFile {
public:
    // Criteria.
    std::string Masques = "*";     // one mask or several separated by ";"
    std::filesystem::path Dossier; // where the walk starts
    bool SousDossiers = true;
    // When set, a file that matches a mask is reported only if this accepts
    // its full path (a test of its first bytes, for instance).
    std::function<bool(const std::string& chemin)> Contenu;

    // Events, raised on the walking thread. Folders are full paths ending
    // with a separator.
    std::function<void()> DebutRecherche;
    std::function<bool(const std::string& dossier)> ChangementDossier; // false skips the folder
    std::function<void(const std::string& dossier, const EntreeFichier& f)> FichierTrouve;
    std::function<void()> FinRecherche;

    // Runs the whole walk in the calling thread; does nothing while a walk
    // is already running.
    void Executer();
    // The walk tests this flag before each entry and each subfolder and ends
    // early; the finish event still comes. A stop asked before Executer
    // starts ends that walk at once; the flag is cleared when a walk ends.
    void Arreter() { arret_ = true; }
    bool EnCours() const { return enCours_; }

private:
    void visiter(const std::string& dossier, const std::vector<std::string>& masques, std::uintmax_t volume);

    std::atomic<bool> arret_{false};
    std::atomic<bool> enCours_{false};
};
