#include "results/UnitTextesTemps.h"

#include "core/UnitFormatReel.h"

#include "resources/UnitChainesRessources.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace TextesTemps {

QString FormatAffichage(double v)
{
    return FormatFixe(v, 3, QLocale().decimalPoint().front());
}

QString FormatEdition(double v)
{
    return FormatFixe(v, 12, QLocale().decimalPoint().front());
}

long long ImagesParSeconde(double T)
{
    return std::llrint(1.0 / T); // the default rounding mode sends halves to even
}

QString Information(double TDefaut)
{
    return Chaines::Texte("TempsInformation")
        .arg(QString::number(ImagesParSeconde(TDefaut)), FormatGeneral(TDefaut, 3));
}

QString Capture(double pasVideo)
{
    return Chaines::Texte("TempsCapture").arg(QString::number(ImagesParSeconde(pasVideo)));
}

QString ChoixDefaut(double TDefaut)
{
    return Chaines::Texte("TempsChoixDefaut").arg(FormatGeneral(TDefaut, 3));
}

} // namespace TextesTemps
