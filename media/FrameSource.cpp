#include "media/FrameSource.h"

#include "media/FrameSourceConteneur.h"
#include "media/FrameSourceImage.h"
#include "media/FrameSourceLecteur.h"
#include "media/FrameSourceLecteurAvi.h"

#include <algorithm>
#include <cmath>
#include <unistd.h>

std::int64_t MulDivArrondi(std::int64_t a, std::int64_t b, std::int64_t c)
{
    if (c == 0) return 0;
    const __int128 produit = __int128(a) * b;
    const __int128 q = produit / c, r = produit % c;
    const bool negatif = (produit < 0) != (c < 0);
    const __int128 ar = r < 0 ? -r : r, ac = c < 0 ? -__int128(c) : __int128(c);
    return std::int64_t(2 * ar >= ac ? (negatif ? q - 1 : q + 1) : q);
}

std::size_t BudgetCacheParDefaut()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES), taille = ::sysconf(_SC_PAGESIZE);
    const std::size_t plafond = std::size_t(256) << 20;
    if (pages <= 0 || taille <= 0) return plafond;
    return std::min(plafond, std::size_t(pages) * std::size_t(taille) / 8);
}

// The picture shown last, converted once: the view redraws it often.
struct FrameSource::Converti {
    ConvertisseurImage convertisseur;
    std::int32_t image = -1; // the reader's picture it comes from, -1 for none
    int champ = -1;          // and its field shown, -1 for the whole picture
    QImage rgb;
};

FrameSource::FrameSource() : converti_(std::make_unique<Converti>()), budgetCache_(BudgetCacheParDefaut()) {}
FrameSource::~FrameSource() = default;

bool FrameSource::Ouvrir(const QString& chemin)
{
    Fermer();
    detail_ = {};
    std::unique_ptr<LecteurVideo> lecteur;
    if (EstFichierAvi(chemin)) {
        auto avi = std::make_unique<LecteurAvi>();
        echec_ = avi->Ouvrir(chemin, budgetCache_, detail_);
        lecteur = std::move(avi);
    } else {
        auto conteneur = std::make_unique<SourceConteneur>();
        echec_ = conteneur->Ouvrir(chemin, budgetCache_, detail_);
        lecteur = std::move(conteneur);
    }
    if (echec_ != Echec::Aucun) return false;
    lecteur_ = std::move(lecteur);
    return true;
}

void FrameSource::Fermer()
{
    converti_->image = -1;
    converti_->rgb = {};
    rotationForcee_ = -1; // the next video has its own turn
    champs_ = false;
    lecteur_.reset();
}

bool FrameSource::Opened() const
{
    return bool(lecteur_);
}
int FrameSource::FrameCount() const
{
    return lecteur_ ? lecteur_->Valeurs().FrameCount * Multiple() : 0;
}
int FrameSource::VideoWidth() const
{
    if (!lecteur_) return 0;
    const ValeursLecteur& v = lecteur_->Valeurs();
    return Tour().Echange() ? v.Hauteur : v.Largeur;
}
int FrameSource::VideoHeight() const
{
    if (!lecteur_) return 0;
    const ValeursLecteur& v = lecteur_->Valeurs();
    return Tour().Echange() ? v.Largeur : v.Hauteur;
}
double FrameSource::AspectRatio() const
{
    return Opened() ? double(VideoWidth()) / double(VideoHeight()) : 0.0;
}
double FrameSource::FrameTime() const
{
    return lecteur_ ? lecteur_->Valeurs().FrameTime / Multiple() : 0.0;
}
int FrameSource::StartFrame() const
{
    return lecteur_ ? lecteur_->Valeurs().StartFrame * Multiple() : 0;
}
int FrameSource::StopFrame() const
{
    return Opened() ? FrameCount() - 1 : 0;
}
int FrameSource::ImagesAnnoncees() const
{
    return lecteur_ ? lecteur_->Valeurs().Annoncees * Multiple() : 0;
}
int FrameSource::PeriodeMs() const
{
    if (!lecteur_) return 0;
    return champs_ ? int(std::llround(FrameTime() * 1000)) : lecteur_->Valeurs().PeriodeMs;
}

int FrameSource::Borner(int numero) const
{
    return Opened() ? std::clamp(numero, 0, FrameCount() - 1) : numero;
}

bool FrameSource::DansLaVideo(int numero) const
{
    return Opened() && numero >= 0 && numero < FrameCount();
}

double FrameSource::TempsImage(int numero) const
{
    if (!DansLaVideo(numero)) return 0;
    return lecteur_->Temps(numero / Multiple()) + (numero % Multiple()) * FrameTime();
}

bool FrameSource::ImageRepetee(int numero) const
{
    return DansLaVideo(numero) && lecteur_->Repetee(numero / Multiple());
}

const DescriptionVideo& FrameSource::Description() const
{
    static const DescriptionVideo aucune;
    return lecteur_ ? lecteur_->Valeurs().Description : aucune;
}

FaitsVideo FrameSource::Faits() const
{
    FaitsVideo f;
    f.FrameTime = FrameTime();
    f.AspectRatio = AspectRatio();
    f.VideoWidth = VideoWidth();
    f.VideoHeight = VideoHeight();
    const DescriptionVideo& d = Description();
    if (d.CaptureFps > 0) f.PasCapture = 1.0 / d.CaptureFps;
    if (d.CadenceVariable) f.TempsImage = [this](int numero) { return TempsImage(numero); };
    if (d.Conteneur == QStringLiteral("avi") && d.ImagesRepetees > 0)
        f.ImageRepetee = [this](int numero) { return ImageRepetee(numero); };
    return f;
}

void FrameSource::FixerRotation(int degres)
{
    const int forcee = degres < 0 ? -1 : (degres / 90 % 4) * 90;
    if (forcee == rotationForcee_) return;
    rotationForcee_ = forcee;
    converti_->image = -1;
    converti_->rgb = {};
}

Orientation FrameSource::Tour() const
{
    if (rotationForcee_ >= 0) return {rotationForcee_ / 90, false};
    return lecteur_ ? lecteur_->Valeurs().Tour : Orientation{};
}

int FrameSource::Rotation() const
{
    return Tour().Degres();
}

Entrelacement FrameSource::Entrelace() const
{
    return lecteur_ ? lecteur_->Entrelace() : Entrelacement::Aucun;
}

void FrameSource::FixerChamps(bool champs)
{
    const bool c = champs && Entrelace() != Entrelacement::Aucun;
    if (c == champs_) return;
    champs_ = c;
    converti_->image = -1;
    converti_->rgb = {};
}

int FrameSource::Champ(int numero) const
{
    if (!champs_) return -1;
    const bool second = numero % 2 == 1;
    return int(second == (Entrelace() == Entrelacement::HautDAbord)); // 1: the odd lines
}

QImage FrameSource::Image(int numero)
{
    if (!DansLaVideo(numero)) return {};
    Converti& c = *converti_;
    const std::int32_t image = lecteur_->ImageDe(numero / Multiple());
    const int champ = Champ(numero);
    if (image < 0) return {};
    if (image == c.image && champ == c.champ) return c.rgb;
    const ff::Image decodee = lecteur_->Decodee(image);
    if (!decodee) return {};
    c.image = -1;
    const Orientation tour = Tour();
    // Unturned, the pixels of the picture shown before are reused.
    QImage recyclee = tour == Orientation{} ? std::move(c.rgb) : QImage();
    c.rgb = {};
    const ValeursLecteur& v = lecteur_->Valeurs();
    QImage rgb = c.convertisseur.EnRgb(*decodee, std::move(recyclee), QSize(v.Largeur, v.Hauteur));
    if (rgb.isNull()) return {};
    if (champ >= 0) rgb = DemiImage(rgb, champ == 1);
    c.rgb = Redresser(rgb, tour);
    c.image = image;
    c.champ = champ;
    return c.rgb;
}

int FrameSource::CoutImage(int numero) const
{
    if (!DansLaVideo(numero)) return 0;
    const std::int32_t image = lecteur_->ImageDe(numero / Multiple());
    const bool converti = image == converti_->image && Champ(numero) == converti_->champ;
    return image < 0 || converti ? 0 : lecteur_->Cout(image);
}

int FrameSource::ImageEnMainProche(int numero) const
{
    if (!lecteur_) return -1;
    // Both fields of a picture kept decoded are at hand.
    const int borne = Borner(numero);
    const int proche = lecteur_->EnMainProche(borne / Multiple());
    return proche < 0 ? -1 : Borner(proche * Multiple() + borne % Multiple());
}

bool FrameSource::Dessiner(int numero, QImage& cible)
{
    return Dessiner(numero, cible, cible.rect());
}

bool FrameSource::Dessiner(int numero, QImage& cible, const QRect& zone)
{
    const QImage image = Image(numero);
    if (image.isNull()) return false;
    Etirer(image, cible, zone);
    return true;
}

SourceAudio* FrameSource::Audio()
{
    return lecteur_ ? lecteur_->Audio() : nullptr;
}

PlageEchantillons FrameSource::PlageAudio(int premiere, int derniere) const
{
    return lecteur_ ? lecteur_->PlageAudio(premiere / Multiple(), derniere / Multiple()) : PlageEchantillons{};
}

void FrameSource::FixerBudgetCache(std::size_t octets)
{
    budgetCache_ = octets;
    if (lecteur_) lecteur_->Cache().FixerBudget(octets);
}

std::size_t FrameSource::CacheOctets() const
{
    return lecteur_ ? lecteur_->Cache().Octets() : 0;
}
std::size_t FrameSource::CachePic() const
{
    return lecteur_ ? lecteur_->Cache().Pic() : 0;
}
