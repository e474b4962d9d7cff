#include "kinematics/UnitTextesTemps.h"

#include "core/UnitFormatReel.h"

#include "resources/UnitChainesRessources.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace TextesTemps {
namespace {

QString AvecSeparateur(QString texte)
{
    return texte.replace(u'.', QLocale().decimalPoint());
}

// Fixed notation with `decimales` decimals, trailing zeros removed.
QString FormatFixe(double v, int decimales)
{
    QString s = QString::number(v, 'f', decimales);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0')) s.chop(1);
        if (s.endsWith(u'.')) s.chop(1);
    }
    if (s == u"-0") s = QStringLiteral("0");
    return AvecSeparateur(s);
}

} // namespace

QString FormatAffichage(double v)
{
    return FormatFixe(v, 3);
}

QString FormatEdition(double v)
{
    return FormatFixe(v, 12);
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
