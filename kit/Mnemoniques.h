#pragma once
// Underlined letters of menus: Alt and the letter opens a menu of the bar, the
// letter alone chooses an item of an open menu. Each caption gets one, unique
// within its menu, without changing the caption shown. A caption that carries
// one already ("&Rechercher", "&1 : video.avi") keeps it.

#include <QChar>
#include <QString>
#include <QStringList>

class QMenu;
class QMenuBar;

// The captions with one "&" added before a letter of each that has none:
// the first free initial of a word, else the first free letter. Letters are
// compared without regard to case; only ASCII letters are chosen, so that
// every keyboard layout types them. A caption without a free letter stays.
QStringList AvecMnemoniques(const QStringList& legendes);

// The letter a caption underlines, in lower case; a null QChar for none.
QChar Mnemonique(const QString& legende);

// The caption as shown: without its "&" markers ("&&" shows one "&").
QString SansMnemonique(const QString& legende);

// Every item of the menu (hidden ones too, since a view may show them) and
// of its submenus.
void PoserMnemoniques(QMenu* menu);
// The menus of the bar and every item of each.
void PoserMnemoniques(QMenuBar* barre);
