#pragma once
// A window's placement as stored in one section of the settings file:
// FormVersion, Flags, ShowCmd, PixelsPerInch, MinMaxPos(WxH), MinMaxPos,
// NormPos(WxH), NormPos and Visible.

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

class IniFile;

struct Placement {
    int Flags = 0;
    int ShowCmd = 1; // 1 normal, 2 minimised, 3 maximised
    int PixelsPerInch = 96;
    QPoint PosMin{-1, -1};
    QPoint PosMax{-1, -1};
    QRect Normale; // outer rectangle of the restored window
    friend bool operator==(const Placement&, const Placement&) = default;
};

// The outer rectangle of a window from its client rectangle and the frame's
// margins, and back: what is stored and what is restored describe the same
// rectangle, whatever the frame.
QRect RectangleExterieur(const QRect& client, const QMargins& cadre);
QRect RectangleClient(const QRect& exterieur, const QMargins& cadre);

enum class EtatFenetre { Normale, Minimisee, Maximisee };
EtatFenetre EtatDepuisShowCmd(int showCmd);

// Writes the nine keys. `ecran` is the screen size, for the suffixed keys;
// `pendantDestruction` gives Visible=1, a close request Visible=0.
bool EcrirePlacement(IniFile& ini, const QString& section, const Placement& p, QSize ecran, bool pendantDestruction);

// Whether a window at `fenetre` would show at least half of itself on the
// screens (their available areas): a stored placement from a screen since
// removed, or edited by hand, must not put the window out of reach.
bool PlacementVisible(const QRect& fenetre, const QList<QRect>& ecrans);

// Reads a placement: the suffixed keys of the current screen size first, then
// the plain ones. Nothing when no NormPos is stored, or when it was stored at
// another resolution than `pixelsParPouce`.
std::optional<Placement> LirePlacement(const IniFile& ini, const QString& section, QSize ecran, int pixelsParPouce);
