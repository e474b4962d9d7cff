// Help without a browser: when the opener fails, the page shows in a window
// of the program's own, with its pictures and its links inside the page.

#include "tests/app/FicheTest.h"
#include "tests/support/Enfant.h"

#include "app/UnitFenetreAide.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

using FenetreAide = FicheTest;

TEST_F(FenetreAide, AFailingBrowserLeavesThePageToTheProgramsOwnWindow)
{
    QList<QUrl> demandes;
    fiche->OuvrirPage = [&](const QUrl& page, const std::function<void()>& echec) {
        demandes << page;
        echec();
    };
    Enfant<QAction>(*fiche, "MenuAideAideKinotab")->trigger();
    ASSERT_EQ(demandes.size(), 1);
    ASSERT_TRUE(demandes[0].isLocalFile());
    TFenetreAide* fenetre = fiche->FenetreAide();
    ASSERT_NE(fenetre, nullptr);
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(fenetre->windowTitle(), "Nápověda Kinotab");
    QTextBrowser* n = fenetre->Navigateur;
    EXPECT_EQ(n->source(), demandes[0]);
    EXPECT_TRUE(n->toPlainText().contains("Kinotab"));

    // The pictures come from beside the page.
    const QVariant image = n->loadResource(QTextDocument::ImageResource, QUrl("images/Image1.png"));
    EXPECT_FALSE(QImage::fromData(image.toByteArray()).isNull());

    // A link inside the page moves to its section; the way back returns.
    n->resize(600, 400);
    ASSERT_EQ(n->verticalScrollBar()->value(), 0);
    n->setSource(QUrl("#Desinstaller"));
    EXPECT_GT(n->verticalScrollBar()->value(), 0);
    n->backward();
    EXPECT_EQ(n->verticalScrollBar()->value(), 0);

    // Asked again, the same window shows the page again.
    Enfant<QAction>(*fiche, "MenuAideAideKinotab")->trigger();
    EXPECT_EQ(fiche->FenetreAide(), fenetre);
    EXPECT_EQ(demandes.size(), 2);
}

TEST_F(FenetreAide, ABrowserThatShowsThePageGetsItAlone)
{
    int demandes = 0;
    fiche->OuvrirPage = [&](const QUrl&, const std::function<void()>&) { ++demandes; };
    Enfant<QAction>(*fiche, "MenuAideAideKinotab")->trigger();
    EXPECT_EQ(demandes, 1);
    EXPECT_EQ(fiche->FenetreAide(), nullptr);
}

// An xdg-open of our own on the PATH, answering with `code`.
class XdgOpen {
public:
    explicit XdgOpen(int code) : ancien_(qgetenv("PATH"))
    {
        QFile f(dossier_.filePath("xdg-open"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\nexit %1\n").arg(code).toUtf8());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", dossier_.path().toUtf8() + ":" + ancien_);
    }
    ~XdgOpen() { qputenv("PATH", ancien_); }

private:
    QTemporaryDir dossier_;
    QByteArray ancien_;
};

TEST(OuvreurPage, AnXdgOpenThatFailsIsReportedAsAFailure)
{
    XdgOpen xdg(4);
    bool echec = false;
    OuvrirDansLeNavigateur(QUrl::fromLocalFile("/nulle/part.html"), [&] { echec = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return echec; }, 10000));
}

} // namespace
