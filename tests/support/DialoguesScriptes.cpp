#include "tests/support/DialoguesScriptes.h"

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

bool DialoguesScriptes::Imprimante(QPrinter&, QWidget*)
{
    ++DemandesImprimante;
    return ImprimanteAcceptee;
}

QStringList DialoguesScriptes::Lignes() const
{
    QStringList r;
    for (const Message& m : Messages) r << m.lignes;
    return r;
}

int DialoguesScriptes::Executer(QDialog& fenetre, QWidget*)
{
    std::function<int(QDialog&)> etape;
    if (!Fenetres.empty()) {
        etape = std::move(Fenetres.front());
        Fenetres.pop_front();
    }
    fenetre.show();
    FenetresMontrees << fenetre.windowTitle();
    const int r = etape ? etape(fenetre) : int(QDialog::Rejected);
    fenetre.hide();
    return r;
}
