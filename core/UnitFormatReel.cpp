#include "core/UnitFormatReel.h"

#include <QByteArray>
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

QString FormatGeneral(double x, int nombreChiffres, QChar sep)
{
    if (x == 0 || !std::isfinite(x)) return QStringLiteral("0");
    // Rounded to the significant digits first: d.ddd...e±XX
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::scientific,
                                 std::clamp(nombreChiffres, 1, 17) - 1);
    const std::string_view texte(tampon, size_t(r.ptr - tampon));
    const bool negatif = texte.front() == '-';
    const auto e = texte.find('e');
    std::string chiffres;
    for (char c : texte.substr(negatif ? 1 : 0, e - (negatif ? 1 : 0)))
        if (c != '.') chiffres += c;
    int exposant = 0;
    std::from_chars(texte.data() + e + 1 + (texte[e + 1] == '+'), texte.data() + texte.size(), exposant);
    while (chiffres.size() > 1 && chiffres.back() == '0') chiffres.pop_back();

    QString s = negatif ? QStringLiteral("-") : QString();
    const int n = int(chiffres.size());
    if (exposant >= -4 && exposant < nombreChiffres) {
        if (exposant < 0) {
            s += u'0';
            s += sep;
            s += QString(-exposant - 1, u'0');
            s += QString::fromLatin1(chiffres.data(), n);
        } else if (n <= exposant + 1) {
            s += QString::fromLatin1(chiffres.data(), n) + QString(exposant + 1 - n, u'0');
        } else {
            s += QString::fromLatin1(chiffres.data(), exposant + 1);
            s += sep;
            s += QString::fromLatin1(chiffres.data() + exposant + 1, n - exposant - 1);
        }
    } else {
        s += QChar::fromLatin1(chiffres[0]);
        if (n > 1) {
            s += sep;
            s += QString::fromLatin1(chiffres.data() + 1, n - 1);
        }
        s += u'E';
        s += QString::number(exposant);
    }
    return s;
}

QString FormatGeneral(double x, int chiffres)
{
    return FormatGeneral(x, chiffres, QLocale().decimalPoint().front());
}

QString FormatFixe(double x, int decimales, QChar sep)
{
    QString s = QString::number(x, 'f', decimales);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0')) s.chop(1);
        if (s.endsWith(u'.')) s.chop(1);
    }
    if (s == u"-0") s = QStringLiteral("0");
    return s.replace(u'.', sep);
}

std::optional<double> LireReel(const QString& ligne)
{
    QByteArray texte = ligne.trimmed().toLatin1();
    texte.replace(',', '.');
    if (texte.isEmpty()) return std::nullopt;
    double v = 0;
    const char* debut = texte.constData();
    const char* fin = debut + texte.size();
    if (*debut == '+') ++debut;
    const auto r = std::from_chars(debut, fin, v);
    if (r.ec != std::errc() || r.ptr != fin || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> LireEntier(const QString& ligne)
{
    const QByteArray texte = ligne.trimmed().toLatin1();
    int v = 0;
    const char* fin = texte.constData() + texte.size();
    const auto r = std::from_chars(texte.constData(), fin, v);
    if (texte.isEmpty() || r.ec != std::errc() || r.ptr != fin) return std::nullopt;
    return v;
}
