#include "kit/Hint.h"

#include <QAction>
#include <QWidget>

QString PartieCourte(const QString& hint)
{
    const auto barre = hint.indexOf(u'|');
    return barre < 0 ? hint : hint.left(barre);
}

QString PartieLongue(const QString& hint)
{
    const auto barre = hint.indexOf(u'|');
    return barre < 0 ? hint : hint.mid(barre + 1);
}

void PoserHint(QWidget* w, const QString& hint)
{
    w->setToolTip(PartieCourte(hint));
    w->setStatusTip(PartieLongue(hint));
}

void PoserHint(QAction* a, const QString& hint)
{
    a->setToolTip(PartieCourte(hint));
    a->setStatusTip(PartieLongue(hint));
}

void PoserHintLigne(QWidget* w, const QString& hint)
{
    w->setToolTip({});
    w->setStatusTip(PartieLongue(hint));
}
