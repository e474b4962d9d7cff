#pragma once
// Reals and integers as text, the way work files and exported tables write
// them, and read back.

#include <QChar>
#include <QString>
#include <optional>

// The shortest form with at most 15 significant digits: fixed notation from
// 0.0001 up to below 1e15 (and 0), otherwise "1E-5", "1.5E20".
QString FormaterReel(double x, QChar separateurDecimal);
// Either separator is read back. Nothing for text that is not a finite number.
std::optional<double> LireReel(const QString& ligne);
std::optional<int> LireEntier(const QString& ligne);
