#pragma once
// Dialogs for tests: answers are scripted in advance, and everything shown is
// recorded. Installed for the lifetime of the object.

#include "kit/Dialogues.h"

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
    // When set, an accepted print dialog sends the job to this PDF file, as
    // the system's "Print to File" does.
    QString FichierPdf;
    // Scripted modal dialogs: each sets the dialog's fields as a user would
    // and returns its result. With none scripted, the dialog is cancelled.
    std::deque<std::function<int(QDialog&)>> Modaux;

    // What was shown.
    QList<Message> Messages;
    QList<DemandeFichier> DemandesOuvrir;
    QList<DemandeFichier> DemandesEnregistrer;
    QList<DemandeMotDePasse> DemandesMotDePasse;
    int DemandesImprimante = 0;
    QList<QString> ModauxMontres; // window titles

    int Afficher(const Message& m, QWidget* parent) override;
    std::optional<FichierChoisi> Ouvrir(const DemandeFichier& d, QWidget* parent) override;
    std::optional<FichierChoisi> Enregistrer(const DemandeFichier& d, QWidget* parent) override;
    std::optional<QString> MotDePasse(const DemandeMotDePasse& d, QWidget* parent) override;
    bool Imprimante(QPrinter& printer, QWidget* parent) override;
    int Executer(QDialog& dialogue, QWidget* parent) override;

    // All lines of all messages shown, for quick checks.
    QStringList Lignes() const;
};
