#include "app/UnitFenetreAide.h"

#include "resources/UnitChainesRessources.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

TFenetreAide::TFenetreAide(QWidget* parent) : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FenetreAide"));
    setWindowTitle(Chaines::Texte("MenuAideAideKinotab"));
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    Navigateur = new QTextBrowser(this);
    Navigateur->setAccessibleName(Chaines::Texte("MenuAideAideKinotab"));
    // Links out of the page go to the system, if it can.
    Navigateur->setOpenExternalLinks(true);
    disposition->addWidget(Navigateur);
    resize(800, 600);
}

void TFenetreAide::Montrer(const QUrl& page)
{
    // Read afresh: the page was written again for this showing.
    Navigateur->clearHistory();
    Navigateur->setSource(QUrl());
    Navigateur->setSource(page);
    show();
    raise();
    activateWindow();
}

void OuvrirDansLeNavigateur(const QUrl& page, std::function<void()> echec)
{
    // Qt's services start xdg-open and call that a success, whatever it
    // answers: its exit status is read here instead.
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        if (!QDesktopServices::openUrl(page)) echec();
        return;
    }
    // Without a parent: the program's end never kills a browser started
    // through it. The object goes when the opener has answered.
    auto* processus = new QProcess;
    QObject::connect(processus, &QProcess::finished, processus, [processus, echec](int code, QProcess::ExitStatus s) {
        if (s != QProcess::NormalExit || code != 0) echec();
        processus->deleteLater();
    });
    QObject::connect(processus, &QProcess::errorOccurred, processus, [processus, echec](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        echec();
        processus->deleteLater();
    });
    processus->start(xdgOpen, {page.toString()});
}
