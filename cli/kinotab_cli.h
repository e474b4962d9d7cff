#pragma once
// kinotab-cli: the program's models on the command line. Each file of the
// tool gives its subcommands; main dispatches on the first argument.

#include <QStringList>
#include <optional>
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

// track: automatic tracking from one mark (kinotab_cli_suivi.cpp).
std::span<const CommandeCli> CommandesSuivi();
// fit: a curve fitted to one results series (kinotab_cli_fit.cpp).
std::span<const CommandeCli> CommandesAjustement();

class TModeleResultats;
// Reads a work file and computes its results as the Results command does;
// 0, or the exit status after the reason was written.
// `rotation` (as PrendreRotation gives it) replaces the work file's turn.
// `champs` (as PrendreChamps gives it) makes each field a frame.
int CalculerTravail(const QString& cheminTravail, TModeleResultats& modele, int rotation = -1, bool champs = false);

// Writes "kinotab-cli: <message>" to standard error; returns `code`.
int Erreur(const QString& message, int code = 1);

// Takes `--rotation R` out of `arguments`: R clockwise degrees (0, 90, 180
// or 270) the picture is turned by in place of the video's own turn, -1
// when the option is absent; nothing after writing why it is wrong.
std::optional<int> PrendreRotation(QStringList& arguments);

// Takes `--fields` out of `arguments`: whether each field of an interlaced
// video is to be a frame of its own.
bool PrendreChamps(QStringList& arguments);

class FrameSource;
// Makes each field of `source`'s video a frame when `champs` asks it; false
// after writing why when the video is not interlaced.
bool AppliquerChamps(FrameSource& source, bool champs);
