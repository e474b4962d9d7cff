#pragma once
// What the main window may reach of the program's other windows.

class TBoiteAPropos;
class TBoiteCouleur;
class TBoiteInfo;
class TBoiteLongueur;
class TOptions;
class TRecherche;
class TResultats;

// The other windows the main window opens; they are the program's, made
// around the main window, and the main window only uses them.
class FenetresFiche {
public:
    virtual TBoiteCouleur& BoiteCouleur() = 0;
    virtual TOptions& Options() = 0;
    virtual TBoiteInfo& BoiteInfo() = 0;
    virtual TBoiteAPropos& BoiteAPropos() = 0;
    virtual TBoiteLongueur& BoiteLongueur() = 0;
    virtual TRecherche& Recherche() = 0;
    virtual TResultats& Resultats() = 0;

protected:
    ~FenetresFiche() = default;
};
