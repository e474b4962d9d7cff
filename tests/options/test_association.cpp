#include "options/Association.h"
#include "tests/options/DonneesTemporaires.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QString lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST(Association, WritesTheMimeTypeAndDesktopEntryAndRemovesBoth)
{
    DonneesTemporaires donnees;
    EXPECT_EQ(Association::FichierBureau(), donnees.Dossier() + "/applications/kinotab-ktb.desktop");
    EXPECT_EQ(Association::FichierMime(), donnees.Dossier() + "/mime/packages/kinotab-ktb.xml");
    EXPECT_FALSE(Association::Presente());

    ASSERT_TRUE(Association::AssocierExtension("/opt/kinotab/bin/kinotab"));
    EXPECT_TRUE(Association::Presente());
    const QString entree = lire(Association::FichierBureau());
    EXPECT_TRUE(entree.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(entree.contains("\nExec=\"/opt/kinotab/bin/kinotab\" %f\n")) << entree.toStdString();
    EXPECT_TRUE(entree.contains("\nMimeType=application/x-kinotab-work;\n"));
    EXPECT_TRUE(entree.contains("\nType=Application\n"));
    // The user's definition is the one the installation puts in the system's.
    const QString mime = lire(Association::FichierMime());
    EXPECT_EQ(mime, lire(KINOTAB_MIME_INSTALLE));
    EXPECT_TRUE(mime.contains("<mime-type type=\"application/x-kinotab-work\">"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.ktb\"/>"));

    ASSERT_TRUE(Association::DissocierExtension());
    EXPECT_FALSE(Association::Presente());
    EXPECT_FALSE(QFileInfo::exists(Association::FichierMime()));
    // Removing what is not there is no failure.
    EXPECT_TRUE(Association::DissocierExtension());
}

TEST(Association, ExecLineQuotesAndEscapesThePath)
{
    EXPECT_EQ(Association::LigneExec("/usr/bin/kinotab"), "\"/usr/bin/kinotab\" %f");
    EXPECT_EQ(Association::LigneExec("/home/jan/Moje programy/kinotab"), "\"/home/jan/Moje programy/kinotab\" %f");
    // $ and " take a backslash inside the quotes, which the string escaping
    // doubles; a per cent sign is doubled.
    EXPECT_EQ(Association::LigneExec("/a$b\"c/100%/k"), "\"/a\\\\$b\\\\\"c/100%%/k\" %f");
    EXPECT_EQ(Association::LigneExec("/a\\b/k"), "\"/a\\\\\\\\b/k\" %f");
}

TEST(Association, UnwritableDataFolderFails)
{
    DonneesTemporaires donnees;
    // A file where the applications folder should be.
    QFile obstacle(donnees.Dossier() + "/applications");
    ASSERT_TRUE(obstacle.open(QIODevice::WriteOnly));
    obstacle.close();
    EXPECT_FALSE(Association::AssocierExtension("/usr/bin/kinotab"));
    EXPECT_FALSE(Association::Presente());
}

} // namespace
