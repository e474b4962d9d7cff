// Files named like videos whose extension other files share ("*.ts" also
// names TypeScript sources): the search lists them only when their first
// bytes are an MPEG transport stream.

#include "media/FormatsVideo.h"
#include "search/UnitRecherche.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// `paquets` packets of `taille` bytes (188, or 192 with a 4-byte time stamp
// before the sync byte); `casse` >= 0 spoils that packet's sync byte.
QByteArray Flux(int paquets, int taille, int casse = -1)
{
    QByteArray r(paquets * taille, '\x11');
    const int decalage = taille == 192 ? 4 : 0;
    for (int k = 0; k < paquets; ++k) r[k * taille + decalage] = k == casse ? '\x48' : '\x47';
    return r;
}

bool Ecrire(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size();
}

TEST(ContenuVideo, TransportStreamsOf188And192BytePacketsAreRecognised)
{
    EXPECT_TRUE(EstFluxTransport(Flux(8, 188)));
    EXPECT_TRUE(EstFluxTransport(Flux(8, 192)));
    EXPECT_TRUE(EstFluxTransport(Flux(2, 188)));
    // Beyond the packets read, nothing is looked at.
    EXPECT_TRUE(EstFluxTransport(Flux(20, 188, 12)));
    EXPECT_FALSE(EstFluxTransport(Flux(8, 188, 3)));
    EXPECT_FALSE(EstFluxTransport(Flux(8, 192, 1)));
    // One packet is too little to tell; a source starting with "G" is no stream.
    EXPECT_FALSE(EstFluxTransport(Flux(1, 188)));
    EXPECT_FALSE(EstFluxTransport(QByteArray("Gimport { x } from './y';\n").repeated(40)));
    EXPECT_FALSE(EstFluxTransport({}));
}

TEST(ContenuVideo, OnlySharedExtensionsAreLookedInto)
{
    QTemporaryDir d;
    const QString source = d.filePath("app.ts"), module = d.filePath("mod.MTS"), flux = d.filePath("film.ts"),
                  bluray = d.filePath("film.m2ts"), avi = d.filePath("texte.avi");
    ASSERT_TRUE(Ecrire(source, "export const x: number = 1;\n"));
    ASSERT_TRUE(Ecrire(module, "export default {};\n"));
    ASSERT_TRUE(Ecrire(flux, Flux(8, 188)));
    ASSERT_TRUE(Ecrire(bluray, "not looked into"));
    ASSERT_TRUE(Ecrire(avi, "not looked into"));
    EXPECT_TRUE(ContenuContredit(source));
    EXPECT_TRUE(ContenuContredit(module));
    EXPECT_FALSE(ContenuContredit(flux));
    EXPECT_FALSE(ContenuContredit(bluray));
    EXPECT_FALSE(ContenuContredit(avi));
    // A file that cannot be read is left to the opening to judge.
    EXPECT_FALSE(ContenuContredit(d.filePath("absent.ts")));
}

TEST(ContenuVideo, TheVideoSearchSkipsTypeScriptSources)
{
    QTemporaryDir d;
    ASSERT_TRUE(QDir(d.path()).mkdir("src"));
    ASSERT_TRUE(Ecrire(d.filePath("src/index.ts"), "import { a } from './a';\n"));
    ASSERT_TRUE(Ecrire(d.filePath("src/a.ts"), "export const a = 1;\n"));
    ASSERT_TRUE(Ecrire(d.filePath("kamera.ts"), Flux(8, 188)));
    ASSERT_TRUE(Ecrire(d.filePath("kamera.mts"), Flux(8, 192)));
    ASSERT_TRUE(Ecrire(d.filePath("clip.avi"), "RIFF"));

    TRecherche recherche;
    recherche.ChoisirDossier(d.path());
    QSignalSpy fin(&recherche, &TRecherche::RechercheTerminee);
    recherche.ButtonRechercherClick();
    ASSERT_TRUE(fin.wait(10000));
    QStringList noms;
    for (int i = 0; i < recherche.ListView->topLevelItemCount(); ++i)
        noms << recherche.ListView->topLevelItem(i)->text(0);
    EXPECT_EQ(noms, QStringList({"clip.avi", "kamera.mts", "kamera.ts"}));
}

} // namespace
