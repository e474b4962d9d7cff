#include "kinematics/UnitTextesTemps.h"

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

QString FormatGeneral(double v, int chiffres)
{
    if (v == 0.0) return QStringLiteral("0");
    // Round to the significant digits first: "d.ddde+XX".
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.*e", chiffres - 1, std::fabs(v));
    const QString brut = QString::fromLatin1(tampon);
    const int e = brut.mid(brut.indexOf(u'e') + 1).toInt();
    QString chiffresSignificatifs = brut.left(brut.indexOf(u'e')).remove(u'.');
    while (chiffresSignificatifs.size() > 1 && chiffresSignificatifs.endsWith(u'0')) chiffresSignificatifs.chop(1);

    QString s;
    if (e >= -5 && e < chiffres) {
        if (e >= 0) {
            const QString entier = chiffresSignificatifs.left(e + 1).leftJustified(e + 1, u'0');
            const QString decimales = chiffresSignificatifs.mid(e + 1);
            s = decimales.isEmpty() ? entier : entier + u'.' + decimales;
        } else {
            s = QStringLiteral("0.") + QString(-e - 1, u'0') + chiffresSignificatifs;
        }
    } else {
        s = chiffresSignificatifs.left(1);
        if (chiffresSignificatifs.size() > 1) s += u'.' + chiffresSignificatifs.mid(1);
        s += u'E' + QString::number(e);
    }
    if (v < 0) s.prepend(u'-');
    return AvecSeparateur(s);
}

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
        .arg(QString::number(ImagesParSeconde(TDefaut)), FormatGeneral(TDefaut));
}

QString ChoixDefaut(double TDefaut)
{
    return Chaines::Texte("TempsChoixDefaut").arg(FormatGeneral(TDefaut));
}

} // namespace TextesTemps
