#pragma once
// Text in Windows code page 1250 (Central European): what files written by
// Windows programs for Czech users hold when they are not UTF-8.

#include <QByteArrayView>
#include <QString>
#include <optional>

// The text `octets` stand for in CP1250; nothing when they hold a byte the
// code page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98), which no text
// written in it contains.
std::optional<QString> DepuisCp1250(QByteArrayView octets);
