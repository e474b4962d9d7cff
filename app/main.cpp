#include "app/UnitApplication.h"
#include "app/UnitFiche.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    InitialiserApplication();
    Fenetres fenetres;
    fenetres.Fiche().show();
    return application.exec();
}
