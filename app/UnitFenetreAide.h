#pragma once
// The help page in a window of the program's own, for a machine where no
// browser shows it: Qt's text browser over the page written out by
// PreparerAide, so that its pictures and its links inside the page work.
// The page's drop-down menu is a script and does not run here; the plain
// list of sections under it leads to the same places.

#include <QDialog>
#include <QUrl>
#include <functional>

class QTextBrowser;

class TFenetreAide : public QDialog {
    Q_OBJECT
public:
    explicit TFenetreAide(QWidget* parent = nullptr);

    // Shows `page` (a local file) and brings the window forward.
    void Montrer(const QUrl& page);

    QTextBrowser* Navigateur = nullptr;
};

// Opens `page` in the user's browser without waiting; `echec` runs later, on
// the user-interface thread, when no browser showed it.
using OuvreurPage = std::function<void(const QUrl& page, std::function<void()> echec)>;

// The desktop's opener: xdg-open when there is one, whose exit status tells
// whether a browser took the page; Qt's own services otherwise.
void OuvrirDansLeNavigateur(const QUrl& page, std::function<void()> echec);
