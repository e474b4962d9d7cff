#pragma once
// Unscrambles a text stored scrambled in the program: each byte is the data
// byte minus the key byte minus half the key's length (integer part), modulo
// 256; the key restarts after its last byte. The output is as long as the data.

#include <QByteArray>

QByteArray Decoder(const QByteArray& cle, const QByteArray& donnees);
