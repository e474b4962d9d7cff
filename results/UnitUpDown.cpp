#include "results/UnitUpDown.h"

#include <QToolButton>

TUpDown::TUpDown(QWidget* parent) : QWidget(parent)
{
    Haut = new QToolButton(this);
    Bas = new QToolButton(this);
    Haut->setArrowType(Qt::UpArrow);
    Bas->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {Haut, Bas}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    Haut->setAccessibleName(QStringLiteral("+"));
    Bas->setAccessibleName(QStringLiteral("-"));
    connect(Haut, &QToolButton::clicked, this, [this] { Cliquer(1); });
    connect(Bas, &QToolButton::clicked, this, [this] { Cliquer(-1); });
    resize(17, 24);
}

void TUpDown::Cliquer(int direction)
{
    const int nouvelle = position_ + direction;
    if (direction == 0 || nouvelle < Min || nouvelle > Max) return;
    if (Changement && !Changement(direction)) return;
    position_ = nouvelle;
}

void TUpDown::resizeEvent(QResizeEvent*)
{
    const int h = height() / 2;
    Haut->setGeometry(0, 0, width(), h);
    Bas->setGeometry(0, h, width(), height() - h);
}
