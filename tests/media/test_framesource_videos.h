#pragma once
// Videos the frame source tests make at test time, and the small surgery
// that turns them into damaged files.

#include "tools/VideoSurgery.h"
#include "tools/VideoWriter.h"

#include "tests/support/Cli.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

class VideosDeTest {
public:
    QString Chemin(const QString& nom) const { return dossier_.filePath(nom); }

    QString Ecrire(const QString& nom, const OptionsVideo& options) const
    {
        const QString chemin = Chemin(nom);
        const std::string erreur = EcrireVideo(QFile::encodeName(chemin).toStdString(), options);
        EXPECT_EQ(erreur, "") << nom.toStdString();
        return chemin;
    }

private:
    QTemporaryDir dossier_;
};

inline OptionsVideo Petite(OptionsVideo::Codec codec, int images = 40)
{
    OptionsVideo o;
    o.codec = codec;
    o.images = images;
    return o;
}

inline QByteArray Contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Remplacer(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(contenu), contenu.size());
}

inline void Tronquer(const QString& chemin, qint64 taille)
{
    Remplacer(chemin, Contenu(chemin).left(taille));
}

// Offset of the payload of the first chunk `id` at or after `depuis`, or -1.
inline qsizetype ChercherMorceau(const QByteArray& d, const char* id, qsizetype depuis = 0)
{
    const qsizetype i = d.indexOf(id, depuis);
    return i < 0 ? -1 : i + 8;
}

inline void EcrireMot(QByteArray& d, qsizetype position, std::uint32_t valeur)
{
    for (int i = 0; i < 4; ++i) d[position + i] = char((valeur >> (8 * i)) & 0xFF);
}
inline void EcrireDemiMot(QByteArray& d, qsizetype position, std::uint16_t valeur)
{
    d[position] = char(valeur & 0xFF);
    d[position + 1] = char(valeur >> 8);
}

// Fields of the first stream header (the video's in the files we write).
enum class ChampStrh { Echelle = 20, Cadence = 24, Debut = 28, Longueur = 32, Bas = 54 };

inline void ModifierStrh(const QString& chemin, ChampStrh champ, std::uint32_t valeur)
{
    QByteArray d = Contenu(chemin);
    const qsizetype strh = ChercherMorceau(d, "strh");
    ASSERT_GT(strh, 0);
    if (champ == ChampStrh::Bas)
        EcrireDemiMot(d, strh + int(champ), std::uint16_t(valeur));
    else
        EcrireMot(d, strh + int(champ), valeur);
    Remplacer(chemin, d);
}

// The file without its index: what a writer that never finished leaves.
inline void RetirerIndex(const QString& chemin)
{
    QByteArray d = Contenu(chemin);
    const qsizetype idx1 = d.lastIndexOf("idx1");
    ASSERT_GT(idx1, 0);
    d.replace(idx1, 4, "JUNK");
    Remplacer(chemin, d);
}

// The index entries of the file, 16 bytes each: id, flags, offset, size.
inline qsizetype DebutIdx1(const QByteArray& d)
{
    return ChercherMorceau(d, "idx1", d.indexOf("movi"));
}

// What some writers leave: every chunk of the index flagged as a keyframe.
// The OpenDML index is turned to filler, so that readers go by 'idx1'.
inline void ToutesClesDansLIndex(const QString& chemin)
{
    QByteArray d = Contenu(chemin);
    for (qsizetype i = d.indexOf("indx"); i >= 0; i = d.indexOf("indx", i + 4)) d.replace(i, 4, "JUNK");
    const qsizetype idx1 = DebutIdx1(d);
    ASSERT_GT(idx1, 0);
    const qsizetype fin =
        idx1 + qsizetype(std::uint8_t(d[idx1 - 4]) | std::uint8_t(d[idx1 - 3]) << 8 | std::uint8_t(d[idx1 - 2]) << 16);
    for (qsizetype e = idx1; e + 16 <= fin; e += 16)
        if (d.mid(e + 2, 2) == "dc") EcrireMot(d, e + 4, 0x10);
    Remplacer(chemin, d);
}

// The video header claims `largeur` x `hauteur` whatever the frames hold:
// the frame rectangle of the first stream header and its bitmap's size.
inline void PretendreTaille(const QString& chemin, int largeur, int hauteur)
{
    QByteArray d = Contenu(chemin);
    const qsizetype strh = ChercherMorceau(d, "strh"), strf = ChercherMorceau(d, "strf");
    ASSERT_GT(strh, 0);
    ASSERT_GT(strf, 0);
    EcrireDemiMot(d, strh + 48, 0);
    EcrireDemiMot(d, strh + 50, 0);
    EcrireDemiMot(d, strh + 52, std::uint16_t(largeur));
    EcrireDemiMot(d, strh + 54, std::uint16_t(hauteur));
    EcrireMot(d, strf + 4, std::uint32_t(largeur));
    EcrireMot(d, strf + 8, std::uint32_t(hauteur));
    Remplacer(chemin, d);
}
