#pragma once
// kinotab-cli: the program's models on the command line. Each file of the
// tool gives its subcommands; main dispatches on the first argument.

#include <QStringList>
#include <span>

struct CommandeCli {
    const char* nom;
    const char* arguments; // for the usage line
    int (*executer)(const QStringList& arguments);
};

// info, frame, bench: the frame source on a video (kinotab_cli_video.cpp).
std::span<const CommandeCli> CommandesVideo();

// table: a work file's table of values (kinotab_cli_table.cpp).
std::span<const CommandeCli> CommandesTravail();

// graph: pictures of the graphical views (kinotab_cli_graph.cpp).
std::span<const CommandeCli> CommandesGraphe();

// print: a view laid out on an A4 page as PDF (kinotab_cli_print.cpp).
std::span<const CommandeCli> CommandesImpression();

// fit: a curve fitted to one results series (kinotab_cli_fit.cpp).
std::span<const CommandeCli> CommandesAjustement();

class TModeleResultats;
// Reads a work file and computes its results as the Results command does;
// 0, or the exit status after the reason was written.
int CalculerTravail(const QString& cheminTravail, TModeleResultats& modele);

// Writes "kinotab-cli: <message>" to standard error; returns `code`.
int Erreur(const QString& message, int code = 1);
