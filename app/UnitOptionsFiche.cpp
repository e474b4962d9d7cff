#include "app/UnitOptionsFiche.h"

#include "core/IniFile.h"

#include <algorithm>

namespace {
const QString Section = QStringLiteral("Options");
}

bool OptionActive(const IniFile& ini, const char* cle)
{
    return !ini.ReadString(Section, QString::fromLatin1(cle)).isEmpty();
}

OptionsFiche LireOptionsFiche(const IniFile& ini)
{
    OptionsFiche o;
    o.TailleLibre = !OptionActive(ini, "Proportions");
    o.FigerMRU = OptionActive(ini, "Freeze");
    o.AfficherVitesse = !OptionActive(ini, "Speedy");
    o.AfficherAcceleration = !OptionActive(ini, "Acceleration");
    o.ConfirmerFermeture = OptionActive(ini, "Confirmation");
    o.NombreFichiers =
        std::clamp(ini.ReadInteger(Section, QStringLiteral("NumFiles"), ListeFichiersRecents::CapaciteDefaut),
                   ListeFichiersRecents::CapaciteMin, ListeFichiersRecents::CapaciteMax);
    return o;
}
