// Why a write failed: each cause made real where a test can make it (a
// read-only file, a folder the system refuses, a small full file system and
// a read-only one in a private mount namespace, a size limit), and the line
// the user reads for it.

#include "core/UnitEcriture.h"
#include "resources/UnitChainesRessources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int SansEspaceDeNoms = 77;

void ChargerTextes()
{
    qputenv("KINOTAB_LANG", "cs");
    Chaines::Charger();
}

QByteArray Lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs `essai` in a child process and gives its exit code (-1 when it did
// not exit), so that what it changes (namespaces, limits) stays its own.
int DansUnFils(const std::function<int()>& essai)
{
    const pid_t fils = fork();
    if (fils == 0) _exit(essai());
    int statut = 0;
    if (fils < 0 || waitpid(fils, &statut, 0) != fils || !WIFEXITED(statut)) return -1;
    return WEXITSTATUS(statut);
}

bool EcrireProc(const char* chemin, const std::string& texte)
{
    const int fd = ::open(chemin, O_WRONLY);
    if (fd < 0) return false;
    const bool ok = ::write(fd, texte.data(), texte.size()) == ssize_t(texte.size());
    ::close(fd);
    return ok;
}

// In the child: a user and mount namespace of its own, where it may mount a
// small file system at `dossier` without being the system's administrator.
bool EspaceDeNoms()
{
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
    EcrireProc("/proc/self/setgroups", "deny");
    return EcrireProc("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") &&
        EcrireProc("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1") &&
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

TEST(Ecriture, EachCauseHasItsLine)
{
    ChargerTextes();
    EXPECT_EQ(Chaines::LigneCause(CauseDepuisErreur(ENOSPC)), "Disk je plný.");
    EXPECT_EQ(Chaines::LigneCause(CauseDepuisErreur(EDQUOT)), "Disk je plný.");
    EXPECT_EQ(Chaines::LigneCause(CauseDepuisErreur(EACCES)), "Nemáte oprávnění k zápisu.");
    EXPECT_EQ(Chaines::LigneCause(CauseDepuisErreur(EROFS)), "Soubor je jen pro čtení.");
    // Any other: the system's own words, as a sentence.
    EXPECT_EQ(Chaines::LigneCause(CauseDepuisErreur(EIO)), QString::fromLocal8Bit(std::strerror(EIO)) + ".");
    EXPECT_EQ(Chaines::LigneCause(CauseDepuisErreur(0, "Ukončeno.")), "Ukončeno.");
    EXPECT_EQ(Chaines::LigneCause({}), "");
    EXPECT_EQ(Chaines::AvecCause({"a.ktb."}, {}), QStringList({"a.ktb."}));
    EXPECT_EQ(Chaines::AvecCause({"a.ktb."}, CauseDepuisErreur(ENOSPC)), QStringList({"a.ktb.", "Disk je plný."}));
}

TEST(Ecriture, AReadOnlyFileIsRefusedAndKeptEvenForTheAdministrator)
{
    QTemporaryDir d;
    const QString chemin = d.filePath("pokus.ktb");
    ASSERT_EQ(EcrireFichier(chemin, "stary"), ResultatEcriture::Ok);
    ASSERT_TRUE(QFile::setPermissions(chemin, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    CauseEcriture cause;
    EXPECT_EQ(EcrireFichier(chemin, "novy", &cause), ResultatEcriture::CreationImpossible);
    EXPECT_EQ(cause.genre, CauseEchec::LectureSeule);
    EXPECT_EQ(Lire(chemin), "stary");
    // Writable again, it is written; the cause is cleared.
    ASSERT_TRUE(QFile::setPermissions(chemin, QFile::ReadOwner | QFile::WriteOwner));
    EXPECT_EQ(EcrireFichier(chemin, "novy", &cause), ResultatEcriture::Ok);
    EXPECT_EQ(cause.genre, CauseEchec::Aucune);
    EXPECT_EQ(Lire(chemin), "novy");
}

TEST(Ecriture, AFolderTheSystemRefusesIsAMatterOfPermission)
{
    // The kernel's own folder refuses new files to everyone, the
    // administrator included.
    if (!QFileInfo(QStringLiteral("/sys/kernel")).isDir()) GTEST_SKIP() << "no /sys";
    CauseEcriture cause;
    EXPECT_EQ(EcrireFichier("/sys/kinotab-zkouska.txt", "x", &cause), ResultatEcriture::CreationImpossible);
    EXPECT_EQ(cause.genre, CauseEchec::Permission) << cause.texteSysteme.toStdString();
    EXPECT_FALSE(QFileInfo::exists("/sys/kinotab-zkouska.txt"));
    if (geteuid() == 0) return;
    // For anyone else, a folder without write permission does the same.
    QTemporaryDir d;
    ASSERT_TRUE(QFile::setPermissions(d.path(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(EcrireFichier(d.filePath("a.txt"), "x", &cause), ResultatEcriture::CreationImpossible);
    EXPECT_EQ(cause.genre, CauseEchec::Permission);
    QFile::setPermissions(d.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(Ecriture, AFullAndAReadOnlyFileSystemInAPrivateMountNamespace)
{
    QTemporaryDir d;
    const QByteArray plein = QDir(d.path()).filePath("plny").toLocal8Bit();
    const QByteArray lecture = QDir(d.path()).filePath("cteni").toLocal8Bit();
    ASSERT_TRUE(QDir().mkpath(QString::fromLocal8Bit(plein)) && QDir().mkpath(QString::fromLocal8Bit(lecture)));
    // Exit codes: 0 as expected, 77 without namespaces, others a fault.
    const int code = DansUnFils([&] {
        if (!EspaceDeNoms()) return SansEspaceDeNoms;
        if (mount("kinotab", plein.constData(), "tmpfs", 0, "size=16k") != 0) return SansEspaceDeNoms;
        if (mount("kinotab", lecture.constData(), "tmpfs", MS_RDONLY, nullptr) != 0) return SansEspaceDeNoms;
        const QString dossierPlein = QString::fromLocal8Bit(plein);
        CauseEcriture cause;
        if (EcrireFichier(dossierPlein + "/maly.txt", "stary", &cause) != ResultatEcriture::Ok) return 1;
        if (EcrireFichier(dossierPlein + "/maly.txt", QByteArray(64 * 1024, 'x'), &cause) !=
            ResultatEcriture::EcritureEchouee)
            return 2;
        if (cause.genre != CauseEchec::DisquePlein) return 3;
        // The earlier file is still whole.
        if (Lire(dossierPlein + "/maly.txt") != "stary") return 4;
        if (EcrireFichier(QString::fromLocal8Bit(lecture) + "/a.txt", "x", &cause) !=
            ResultatEcriture::CreationImpossible)
            return 5;
        if (cause.genre != CauseEchec::LectureSeule) return 6;
        return 0;
    });
    if (code == SansEspaceDeNoms) GTEST_SKIP() << "no user namespaces here";
    EXPECT_EQ(code, 0);
}

TEST(Ecriture, ASizeLimitGivesTheSystemsOwnWords)
{
    QTemporaryDir d;
    const QString chemin = d.filePath("velky.txt");
    const int code = DansUnFils([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{4096, 4096};
        if (setrlimit(RLIMIT_FSIZE, &limite) != 0) return 10;
        CauseEcriture cause;
        if (EcrireFichier(chemin, QByteArray(64 * 1024, 'x'), &cause) != ResultatEcriture::EcritureEchouee) return 1;
        if (cause.genre != CauseEchec::Systeme) return 2;
        ChargerTextes();
        return Chaines::LigneCause(cause) == QString::fromLocal8Bit(std::strerror(EFBIG)) + "." ? 0 : 3;
    });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(QFileInfo::exists(chemin));
}

} // namespace
