#include "kit/Mnemoniques.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace {

bool LettreAscii(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The position of the letter to underline in `legende`, or -1.
qsizetype Choisir(const QString& legende, const QSet<QChar>& prises)
{
    const auto libre = [&](qsizetype i) { return LettreAscii(legende[i]) && !prises.contains(legende[i].toLower()); };
    for (qsizetype i = 0; i < legende.size(); ++i)
        if ((i == 0 || legende[i - 1].isSpace()) && libre(i)) return i;
    for (qsizetype i = 0; i < legende.size(); ++i)
        if (libre(i)) return i;
    return -1;
}

void Poser(const QList<QAction*>& actions)
{
    QList<QAction*> items;
    QStringList legendes;
    for (QAction* a : actions) {
        if (a->isSeparator() || a->text().isEmpty()) continue;
        items << a;
        legendes << a->text();
    }
    const QStringList marquees = AvecMnemoniques(legendes);
    for (qsizetype i = 0; i < items.size(); ++i) items[i]->setText(marquees[i]);
}

} // namespace

QChar Mnemonique(const QString& legende)
{
    for (qsizetype i = 0; i + 1 < legende.size(); ++i) {
        if (legende[i] != u'&') continue;
        if (legende[i + 1] != u'&') return legende[i + 1].toLower();
        ++i; // "&&" is a plain "&"
    }
    return {};
}

QString SansMnemonique(const QString& legende)
{
    QString r;
    r.reserve(legende.size());
    for (qsizetype i = 0; i < legende.size(); ++i) {
        if (legende[i] == u'&' && i + 1 < legende.size()) ++i;
        r += legende[i];
    }
    return r;
}

QStringList AvecMnemoniques(const QStringList& legendes)
{
    QSet<QChar> prises;
    for (const QString& l : legendes)
        if (const QChar m = Mnemonique(l); !m.isNull()) prises.insert(m);
    QStringList r;
    for (const QString& l : legendes) {
        const qsizetype i = Mnemonique(l).isNull() ? Choisir(l, prises) : -1;
        if (i >= 0) {
            prises.insert(l[i].toLower());
            r << l.left(i) + u'&' + l.mid(i);
        } else {
            r << l;
        }
    }
    return r;
}

void PoserMnemoniques(QMenu* menu)
{
    Poser(menu->actions());
    for (QAction* a : menu->actions())
        if (a->menu()) PoserMnemoniques(a->menu());
}

void PoserMnemoniques(QMenuBar* barre)
{
    Poser(barre->actions());
    for (QAction* a : barre->actions())
        if (a->menu()) PoserMnemoniques(a->menu());
}
