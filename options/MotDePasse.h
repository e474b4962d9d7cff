#pragma once
// The options lock's password as kept in the settings file: a salted
// PBKDF2-SHA256 hash, "pbkdf2-sha256$<iterations>$<salt>$<hash>" (salt and
// hash in base64), so that no program reading the file learns the password.
// Files written by earlier versions hold the password in clear text; such a
// value is still accepted until the next change replaces it by a hash.

#include <QString>

namespace MotDePasse {

constexpr int IterationsDefaut = 200000;

// A fresh salt on every call: hashing the same password twice gives two
// different texts.
QString Hacher(const QString& motDePasse, int iterations = IterationsDefaut);

// True when `saisi` is the password `enregistre` stands for (a hash from
// Hacher, or a clear text). The comparison is exact, case-sensitive and
// takes the same time wherever the texts differ.
bool Verifier(const QString& enregistre, const QString& saisi);

bool EstHache(const QString& enregistre);

} // namespace MotDePasse
