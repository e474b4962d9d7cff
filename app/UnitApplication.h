#pragma once
// The program's windows, created once in a fixed order and alive until exit.

#include "app/UnitFenetresFiche.h"

#include <QList>
#include <memory>

class QWidget;
class TFiche;
class TImprimer;
class TBoiteTemps;

class Fenetres final : public FenetresFiche {
public:
    // Installs the font and fixes the settings path, then creates every
    // window: TFiche first, then the dialogs and the results window.
    Fenetres();
    ~Fenetres();

    TFiche& Fiche() { return *fiche_; }
    TBoiteCouleur& BoiteCouleur() override { return *boiteCouleur_; }
    TOptions& Options() override { return *options_; }
    TBoiteInfo& BoiteInfo() override { return *boiteInfo_; }
    TImprimer& Imprimer() { return *imprimer_; }
    TBoiteTemps& BoiteTemps() { return *boiteTemps_; }
    TBoiteAPropos& BoiteAPropos() override { return *boiteAPropos_; }
    TBoiteLongueur& BoiteLongueur() override { return *boiteLongueur_; }
    TRecherche& Recherche() override { return *recherche_; }
    TResultats& Resultats() override { return *resultats_; }

    // The windows in creation order.
    QList<QWidget*> Toutes() const;

private:
    std::unique_ptr<TFiche> fiche_;
    std::unique_ptr<TBoiteCouleur> boiteCouleur_;
    std::unique_ptr<TOptions> options_;
    std::unique_ptr<TBoiteInfo> boiteInfo_;
    std::unique_ptr<TImprimer> imprimer_;
    std::unique_ptr<TBoiteTemps> boiteTemps_;
    std::unique_ptr<TBoiteAPropos> boiteAPropos_;
    std::unique_ptr<TBoiteLongueur> boiteLongueur_;
    std::unique_ptr<TRecherche> recherche_;
    std::unique_ptr<TResultats> resultats_;
};

// Qt's own texts (standard buttons, file and print dialogs) in Czech when the
// interface is Czech; true when they were installed. Needs a QApplication.
bool ChargerTraductionsQt();

// Program start shared by main() and the tests: application title, string
// table and cursors. Needs a QApplication.
void InitialiserApplication();
