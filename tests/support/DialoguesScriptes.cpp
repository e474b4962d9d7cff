#include "tests/support/DialoguesScriptes.h"

#include <QDialog>
#include <QPrinter>

DialoguesScriptes::DialoguesScriptes()
{
    Dialogues::Installer(this);
}

DialoguesScriptes::~DialoguesScriptes()
{
    Dialogues::Installer(nullptr);
}

int DialoguesScriptes::Afficher(const Message& m, QWidget*)
{
    Messages << m;
    if (Reponses.empty()) return 0;
    const int r = Reponses.front();
    Reponses.pop_front();
    return r;
}

template <typename T>
static std::optional<T> prendre(std::deque<std::optional<T>>& file)
{
    if (file.empty()) return std::nullopt;
    auto r = file.front();
    file.pop_front();
    return r;
}

std::optional<FichierChoisi> DialoguesScriptes::Ouvrir(const DemandeFichier& d, QWidget*)
{
    DemandesOuvrir << d;
    return prendre(Fichiers);
}

std::optional<FichierChoisi> DialoguesScriptes::Enregistrer(const DemandeFichier& d, QWidget*)
{
    DemandesEnregistrer << d;
    return prendre(Fichiers);
}

std::optional<QString> DialoguesScriptes::MotDePasse(const DemandeMotDePasse& d, QWidget*)
{
    DemandesMotDePasse << d;
    return prendre(MotsDePasse);
}

bool DialoguesScriptes::Imprimante(QPrinter& printer, QWidget*)
{
    ++DemandesImprimante;
    if (ImprimanteAcceptee && !FichierPdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(FichierPdf);
    }
    return ImprimanteAcceptee;
}

int DialoguesScriptes::Executer(QDialog& dialogue, QWidget*)
{
    ModauxMontres << dialogue.windowTitle();
    if (Modaux.empty()) return QDialog::Rejected;
    auto script = std::move(Modaux.front());
    Modaux.pop_front();
    return script(dialogue);
}

QStringList DialoguesScriptes::Lignes() const
{
    QStringList r;
    for (const Message& m : Messages) r << m.lignes;
    return r;
}
