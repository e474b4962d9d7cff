// The results window's status bar at its least size: the hint line has the
// whole bar in every view, every hint of the view fits on it whole, and the
// computation's state goes where it fits.

#include "tests/results/ResultatsTest.h"

#include "kit/Titre.h"
#include "resources/UnitChainesRessources.h"

#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>

namespace {

using ResultatsStatut = ResultatsTest;

// The long hints a view can put on its hint line: those of its visible
// controls and of its menu items.
QStringList Hints(TResultats& r)
{
    QStringList hints;
    for (QWidget* w : r.Client->findChildren<QWidget*>())
        if (w->isVisibleTo(&r) && !w->statusTip().isEmpty()) hints << w->statusTip();
    for (QAction* menu : r.MainMenu1->actions())
        if (menu->isVisible() && menu->menu())
            for (QAction* a : menu->menu()->actions())
                if (a->isVisible() && !a->statusTip().isEmpty()) hints << a->statusTip();
    return hints;
}

TEST_F(ResultatsStatut, EveryHintFitsWholeAt640PixelsAndTheStateStaysOffTheBar)
{
    Mesurer(2, 12);
    const struct {
        TVueResultats vue;
        const char* titre;
    } vues[] = {{TVueResultats::Tableau, "TitreResultats"},
                {TVueResultats::Temps, "TitreResultatsTemps"},
                {TVueResultats::Trajectoire, "TitreResultatsTrajectoire"},
                {TVueResultats::Vecteurs, "TitreResultatsVecteurs"}};
    for (const auto& v : vues) {
        Montrer(v.vue, [&](TResultats& r) {
            r.resize(640, 480);
            r.StatusBar->layout()->activate();
            const QString etat = r.TexteEtat();
            ASSERT_TRUE(etat.contains(QStringLiteral("T = "))) << etat.toStdString();

            // The bar holds the hint line alone, over its whole width.
            const QList<QWidget*> dansLaBarre = r.StatusBar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* w : dansLaBarre) {
                if (w != r.TexteStatusBar) EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
            }
            EXPECT_EQ(r.StatusBar->width(), 640);
            EXPECT_GE(r.TexteStatusBar->width(), 640 - 2 * r.StatusBar->layout()->contentsMargins().left() - 8);

            const QStringList hints = Hints(r) << Chaines::Texte("HintGrapheMasquer");
            EXPECT_GE(hints.size(), 2) << v.titre;
            const QFontMetrics fm(r.TexteStatusBar->font());
            for (const QString& h : hints)
                EXPECT_LE(fm.horizontalAdvance(h), r.TexteStatusBar->contentsRect().width())
                    << v.titre << ": " << h.toStdString();

            // The state: the bar's tooltip always, after the caption when the
            // title bar holds both whole.
            EXPECT_EQ(r.StatusBar->toolTip(), etat);
            EXPECT_EQ(r.TexteStatusBar->toolTip(), etat);
            const QString titre = Chaines::Texte(v.titre);
            const QString complet = titre + QStringLiteral(" – ") + etat;
            EXPECT_EQ(r.windowTitle(), LargeurPourTitre(complet) <= 640 ? complet : titre);
            r.resize(LargeurPourTitre(complet), 480);
            EXPECT_EQ(r.windowTitle(), complet);
            if (LargeurPourTitre(complet) > 640) {
                r.resize(LargeurPourTitre(complet) - 1, 480);
                EXPECT_EQ(r.windowTitle(), titre);
            }
        });
        ASSERT_EQ(resultats().Vue(), v.vue);
    }
}

} // namespace
