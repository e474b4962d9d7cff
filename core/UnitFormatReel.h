#pragma once
// Reals and integers as text, the way work files and exported tables write
// them, and read back.

#include <QChar>
#include <QString>
#include <optional>

// The general number format: rounded to `chiffres` significant digits,
// trailing zeros dropped; fixed notation from 0.0001 up to below
// 10^chiffres (and 0), otherwise scientific with a bare exponent: "1E-5",
// "1.5E20", "1.23E3".
QString FormatGeneral(double x, int chiffres, QChar separateurDecimal);
// The same with the user's decimal separator.
QString FormatGeneral(double x, int chiffres);
// Fixed notation rounded to `decimales` decimals, trailing zeros dropped, no
// minus sign on a value that rounds to zero: the formats "0.###" (3) and
// "#0.###" of the dialogs and the table of values.
QString FormatFixe(double x, int decimales, QChar separateurDecimal);
// Reals as work files and exported tables write them: 15 digits.
inline QString FormaterReel(double x, QChar separateurDecimal)
{
    return FormatGeneral(x, 15, separateurDecimal);
}
// Either separator is read back. Nothing for text that is not a finite number.
std::optional<double> LireReel(const QString& ligne);
std::optional<int> LireEntier(const QString& ligne);
