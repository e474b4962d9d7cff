#include "kit/Centrer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentrerSurEcran(QWidget* fenetre)
{
    const QScreen* ecran = fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    QRect cadre = fenetre->frameGeometry();
    cadre.moveCenter(ecran->availableGeometry().center());
    fenetre->move(cadre.topLeft());
}
