// The main window's options command with its password lock, and the help
// page and about box of the Help menu.

#include "app/UnitFiche.h"

#include "app/UnitAide.h"
#include "app/UnitFenetresFiche.h"
#include "app/UnitBoiteAPropos.h"
#include "app/UnitFenetreAide.h"
#include "app/UnitFileUtil.h"
#include "kit/Dialogues.h"
#include "options/MotDePasse.h"
#include "options/UnitOptions.h"
#include "resources/UnitChainesRessources.h"

#include <QAction>
#include <QCheckBox>
#include <QUrl>

void TFiche::BrancherOptionsEtAide()
{
    connect(MenuAffichageOptions, &QAction::triggered, this, &TFiche::MenuAffichageOptionsClick);
    connect(MenuAideAideKinotab, &QAction::triggered, this, &TFiche::MenuAideAideKinotabClick);
    connect(MenuAideApropos, &QAction::triggered, this, &TFiche::MenuAideAproposClick);
}

bool TFiche::DeverrouillerOptions(const TOptions& options)
{
    if (!options.CheckBoxMotDePasse->isChecked()) return true;
    const auto saisi = dialogues_.MotDePasse(DemandeMotDePasseOptions(), this);
    if (!saisi) return false;
    if (MotDePasse::Verifier(options.MotDePasseEnregistre, *saisi)) return true;
    Afficher(MessageSimple(IconeMessage::Avertissement, {Chaines::Texte("MsgMotDePasseIncorrect")}), this);
    return false;
}

void TFiche::MenuAffichageOptionsClick()
{
    TOptions& options = fenetres_.Options();
    options.PreparerOptions(FichierIni());
    options.ReglerNombreFichiers(MRU.Capacite());
    if (!DeverrouillerOptions(options)) return;
    options.exec();

    // However the dialog was closed.
    MRU.FixerCapacite(options.NombreFichiersAffiche());
    ReconstruireMRU();
    FigerMRU = options.CheckBoxFigerMRU->isChecked();
    AfficherVitesse = !options.CheckBoxVitesse->isChecked();
    AfficherAcceleration = !options.CheckBoxAcceleration->isChecked();
    ConfirmerFermeture = options.CheckBoxConfirmation->isChecked();
    if (options.CheckBoxProportions->isChecked()) {
        Echelle = -1;
        TailleLibre = false;
        RDim();
    } else {
        TailleLibre = true;
    }
}

void TFiche::MenuAideAideKinotabClick()
{
    const QString page = PreparerAide();
    if (page.isEmpty()) {
        Afficher(MessageSimple(IconeMessage::Avertissement, {Chaines::Texte("MsgAideImpossible")}), this);
        return;
    }
    // The browser is not waited for; when none shows the page, a window of
    // ours does.
    const QUrl url = QUrl::fromLocalFile(page);
    OuvrirPage(url, [fiche = QPointer<TFiche>(this), url] {
        if (fiche) fiche->MontrerAide(url);
    });
}

void TFiche::MontrerAide(const QUrl& page)
{
    if (!fenetreAide_) fenetreAide_ = new TFenetreAide(this);
    fenetreAide_->Montrer(page);
}

void TFiche::MenuAideAproposClick()
{
    fenetres_.BoiteAPropos().exec();
}
