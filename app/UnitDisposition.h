#pragma once
// The main window's layout arithmetic: the display scale that keeps the
// window fitted to the video, the window size it gives, and where the scroll
// box, the command bar and the status bars go. Plain numbers, no widgets.

#include <QPoint>
#include <QRect>
#include <QSize>

struct EntreeDisposition {
    QSize Client;            // CW, CH
    QSize Exterieur;         // W, H
    int HauteurStatut = 19;  // S
    QSize Video;             // fw, fh (0 when no video)
    QSize Ecran;             // SW, SH
    QSize Minimum{450, 380}; // MinW, MinH, outer size
    double Echelle = -1;     // <= 0: fit anew
    bool TailleLibre = true;
};

struct SortieDisposition {
    double Echelle = -1;
    bool Redimensionner = false;
    QSize NouvelExterieur; // when Redimensionner
    QSize NouveauClient;   // the client size the layout below is computed for
    QRect ScrollBox;
    QRect StatusBar1, StatusBar2, StatusBar3;
    QPoint BarreCommande;
};

constexpr int LargeurBarreCommande = 360;
constexpr int HauteurBarreCommande = 30;
constexpr int LargeurStatusBar2 = 60;
constexpr int LargeurStatusBar3 = 25;
// The command bar's 30 pixels plus a 3-pixel gap under the scroll box.
constexpr int HauteurSousScrollBox = 33;

SortieDisposition CalculerDisposition(const EntreeDisposition& e);

// Zoom level n (clamped to 0..7) gives the factor 1.25^n.
int BornerNiveauZoom(int n);
double FacteurZoom(int niveau);
// The view's size inside a scroll box client of size `client` at that zoom,
// each side rounded to the nearest integer.
QSize TailleVueZoom(QSize client, int niveau);
