#include "view/UnitTextesVideo.h"

#include "core/UnitFormatReel.h"
#include "resources/UnitChainesRessources.h"

QString RaisonEchec(FrameSource::Echec echec, const FrameSource::DetailEchec& detail)
{
    using Echec = FrameSource::Echec;
    switch (echec) {
    case Echec::Aucun: return {};
    case Echec::Introuvable: return Chaines::Texte("RaisonIntrouvable");
    case Echec::Illisible: return Chaines::Texte("RaisonIllisible");
    case Echec::PasAvi: return Chaines::Texte("RaisonPasAvi");
    case Echec::SansVideo: return Chaines::Texte("RaisonSansVideo");
    case Echec::EnTeteInvalide: return Chaines::Texte("RaisonEnTeteInvalide");
    case Echec::SansImage:
        return detail.Annoncees > 0 ? Chaines::Texte("RaisonCoupeAvantPremiere").arg(detail.Annoncees)
                                    : Chaines::Texte("RaisonSansImage");
    case Echec::Indecodable: return Chaines::Texte("RaisonIndecodable").arg(detail.Codec);
    case Echec::PasVideo: return Chaines::Texte("RaisonPasVideo");
    case Echec::Incomplet: return Chaines::Texte("RaisonIncomplet");
    }
    return {};
}

QStringList LignesDescription(const DescriptionVideo& d)
{
    const QString oui = Chaines::Texte("InfoOui"), non = Chaines::Texte("InfoNon");
    QStringList l{Chaines::Texte("InfoConteneur").arg(d.Conteneur, d.Codec)};
    if (d.Rotation != 0 || d.Miroir)
        l << Chaines::Texte(d.Miroir ? "InfoRotationMiroir" : "InfoRotation").arg(d.Rotation);
    l << Chaines::Texte("InfoCadenceVariable").arg(d.CadenceVariable ? oui : non);
    l << Chaines::Texte("InfoImagesRepetees").arg(d.ImagesRepetees);
    if (d.CaptureFps > 0) l << Chaines::Texte("InfoCaptureFps").arg(FormatGeneral(d.CaptureFps, 4));
    return l;
}

QStringList AvisVideo(const DescriptionVideo& d, double frameTime)
{
    QStringList l;
    if (d.CaptureFps > 0 && frameTime > 0)
        l << Chaines::Texte("AvisRalenti").arg(FormatGeneral(d.CaptureFps, 4), FormatGeneral(1 / frameTime, 4));
    if (d.CadenceVariable) l << Chaines::Texte("AvisCadenceVariable").arg(FormatGeneral(frameTime, 4));
    if (d.ImagesRepetees > 0) l << Chaines::Texte("AvisImagesRepetees").arg(d.ImagesRepetees);
    // The results place every mark at its frame's own time.
    if (d.CadenceVariable || d.ImagesRepetees > 0) l << Chaines::Texte("AvisTempsDesImages");
    return l;
}
