#include "app/UnitApplication.h"
#include "app/UnitFiche.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    InitialiserApplication();
    Fenetres fenetres;
    fenetres.Fiche().Arguments = QApplication::arguments().mid(1);
    fenetres.Fiche().show();
    return application.exec();
}
