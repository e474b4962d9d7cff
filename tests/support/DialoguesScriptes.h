#pragma once
// Dialogs for tests: answers are scripted in advance, and everything shown is
// recorded. Installed for the lifetime of the object.

#include "kit/Dialogues.h"

#include <QDialog>
#include <QList>
#include <deque>
#include <functional>

class DialoguesScriptes final : public Dialogues {
public:
    DialoguesScriptes();
    ~DialoguesScriptes() override;

    // Scripted answers, consumed in order. A message box with no scripted
    // answer returns 0; a file or password dialog with none is cancelled.
    std::deque<int> Reponses;
    std::deque<std::optional<FichierChoisi>> Fichiers;
    std::deque<std::optional<QString>> MotsDePasse;
    bool ImprimanteAcceptee = true;
    // What to do while one of the program's windows is shown (it is shown
    // without its own event loop, then hidden); the window's result is what
    // the step returns. A window with no scripted step is closed at once
    // with QDialog::Rejected.
    std::deque<std::function<int(QDialog&)>> Fenetres;

    // What was shown.
    QList<Message> Messages;
    QList<DemandeFichier> DemandesOuvrir;
    QList<DemandeFichier> DemandesEnregistrer;
    QList<DemandeMotDePasse> DemandesMotDePasse;
    int DemandesImprimante = 0;
    QStringList FenetresMontrees; // their titles when shown

    int Afficher(const Message& m, QWidget* parent) override;
    std::optional<FichierChoisi> Ouvrir(const DemandeFichier& d, QWidget* parent) override;
    std::optional<FichierChoisi> Enregistrer(const DemandeFichier& d, QWidget* parent) override;
    std::optional<QString> MotDePasse(const DemandeMotDePasse& d, QWidget* parent) override;
    bool Imprimante(QPrinter& printer, QWidget* parent) override;
    int Executer(QDialog& fenetre, QWidget* parent) override;

    // All lines of all messages shown, for quick checks.
    QStringList Lignes() const;
};
