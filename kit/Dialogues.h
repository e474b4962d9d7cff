#pragma once
// The one seam through which every message box and every file, password and
// print dialog passes. The program installs the real dialogs at start; tests
// install a scripted double that answers and records what was shown.

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QWidget;
class QPrinter;

enum class IconeMessage { Avertissement, Erreur, Information, Confirmation, Image, Aucune };

struct Message {
    IconeMessage icone = IconeMessage::Information;
    QStringList boutons; // captions, "&" marks the accelerator
    QStringList lignes;  // each entry on a line of its own
    QString titre;       // "Kinotab" for the main window's boxes
    QPixmap image;       // with IconeMessage::Image
};

// Builds the common box: one "&OK" button, title "Kinotab".
Message MessageSimple(IconeMessage icone, QStringList lignes);

struct DemandeFichier {
    QString titre;
    QString filtre;          // "Description|*.ext|Description|*.ext" pairs
    int indexFiltre = 1;     // 1-based filter index, as the caller chose it
    QString repertoire;      // initial folder
    QString nomInitial;      // proposed file name (save)
    QString extensionDefaut; // without dot; added when the name has none
};

struct FichierChoisi {
    QString chemin;
    int indexFiltre = 1; // the filter the user left selected
};

struct DemandeMotDePasse {
    QString titre;
    QString libelle;
    QString ok;
    QString annuler;
};

class Dialogues {
public:
    virtual ~Dialogues() = default;

    // Returns the 0-based index of the button clicked.
    virtual int Afficher(const Message& m, QWidget* parent) = 0;
    virtual std::optional<FichierChoisi> Ouvrir(const DemandeFichier& d, QWidget* parent) = 0;
    virtual std::optional<FichierChoisi> Enregistrer(const DemandeFichier& d, QWidget* parent) = 0;
    virtual std::optional<QString> MotDePasse(const DemandeMotDePasse& d, QWidget* parent) = 0;
    // Lets the user pick and set up a printer; false when cancelled.
    virtual bool Imprimante(QPrinter& printer, QWidget* parent) = 0;
    // Shows one of the program's small modal dialogs, its input already in
    // its fields, centred on `parent`; returns QDialog's result. The caller
    // reads the fields back.
    virtual int Executer(QDialog& dialogue, QWidget* parent) = 0;

    // The dialogs in force. The real ones unless a test installed others.
    static Dialogues& Courant();
    // Installs `d` (not owned) until it is uninstalled with nullptr.
    static void Installer(Dialogues* d);
};

// Shorthand used by every window.
inline int Afficher(const Message& m, QWidget* parent = nullptr)
{
    return Dialogues::Courant().Afficher(m, parent);
}

// Converts "Desc|*.a|Desc2|*.b" into Qt's filter list.
QStringList FiltresQt(const QString& filtre);
