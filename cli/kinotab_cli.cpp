// kinotab-cli: dispatches the first argument to the subcommand of that name.

#include "cli/kinotab_cli.h"

#include "media/FrameSource.h"

extern "C" {
#include <libavutil/log.h>
}

#include <QString>
#include <array>
#include <cstdio>
#include <cstring>

int Erreur(const QString& message, int code)
{
    std::fprintf(stderr, "kinotab-cli: %s\n", message.toLocal8Bit().constData());
    return code;
}

std::optional<int> PrendreRotation(QStringList& arguments)
{
    const qsizetype i = arguments.indexOf(QStringLiteral("--rotation"));
    if (i < 0) return -1;
    bool nombre = false;
    const int degres = i + 1 < arguments.size() ? arguments[i + 1].toInt(&nombre) : 0;
    if (!nombre || degres < 0 || degres >= 360 || degres % 90 != 0) {
        Erreur(QStringLiteral("--rotation takes 0, 90, 180 or 270"));
        return std::nullopt;
    }
    arguments.remove(i, 2);
    return degres;
}

bool PrendreChamps(QStringList& arguments)
{
    return arguments.removeAll(QStringLiteral("--fields")) > 0;
}

bool AppliquerChamps(FrameSource& source, bool champs)
{
    if (!champs) return true;
    source.Image(source.StartFrame()); // an AVI tells once a picture is decoded
    if (source.Entrelace() == Entrelacement::Aucun) {
        Erreur(QStringLiteral("--fields needs an interlaced video"));
        return false;
    }
    source.FixerChamps(true);
    return true;
}

namespace {

// Every file's subcommands; a new file adds its group here.
const std::array Groupes = {&CommandesVideo, &CommandesTravail, &CommandesGraphe, &CommandesImpression,
                            &CommandesSuivi, &CommandesAjustement};

// Asked for, the usage goes to standard output and is no failure.
int Usage(std::FILE* sortie = stderr, int code = 1)
{
    std::fprintf(sortie, "usage:\n");
    for (const auto groupe : Groupes)
        for (const CommandeCli& c : groupe()) std::fprintf(sortie, "  kinotab-cli %s %s\n", c.nom, c.arguments);
    return code;
}

} // namespace

int main(int argc, char** argv)
{
    av_log_set_level(AV_LOG_ERROR);
    if (argc < 2) return Usage();
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) return Usage(stdout, 0);
    QStringList arguments;
    for (int i = 2; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    for (const auto groupe : Groupes)
        for (const CommandeCli& c : groupe())
            if (std::strcmp(argv[1], c.nom) == 0) return c.executer(arguments);
    Erreur(QStringLiteral("unknown command %1").arg(QString::fromLocal8Bit(argv[1])));
    return Usage();
}
