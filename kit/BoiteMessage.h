#pragma once
// The program's message box: icon, lines, buttons of equal width; no close box
// and no cancel button, so the user must click one of the buttons.

#include "kit/Dialogues.h"

#include <QDialog>
#include <QList>

class QPushButton;

// Where a box of frame `cadre` goes: over the middle of the window of
// `proprietaire` once that window is on screen, else over the middle of the
// screen (a file loaded at start, before the window manager has placed the
// main window): never in a corner.
QPoint CoinBoite(const QWidget* proprietaire, QRect cadre);

class BoiteMessage : public QDialog {
    Q_OBJECT
public:
    static constexpr int LargeurMinBouton = 75;

    BoiteMessage(const Message& m, QWidget* parent);
    // Shows the box modally; the 0-based index of the button clicked.
    int Executer();
    const QList<QPushButton*>& Boutons() const { return boutons_; }

protected:
    void reject() override {} // Escape and the window manager cannot dismiss it

private:
    QList<QPushButton*> boutons_;
    int choix_ = 0;
};
