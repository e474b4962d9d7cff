#include "view/UnitAviPlay.h"

#include "resources/UnitCurseurs.h"
#include "resources/UnitImages.h"
#include "media/FrameSource.h"
#include "media/FrameSourceImage.h"
#include "media/UnitAudioPlay.h"
#include "view/UnitCurseurMesure.h"
#include "view/UnitFournisseurImages.h"
#include "view/UnitDessinMesure.h"
#include "view/UnitLoupe.h"
#include "measure/UnitMesure.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

// What the measurement needs of the view: its frame navigation and size.
class NavigationVue final : public VueMesure {
public:
    explicit NavigationVue(TDCAVIPlay& vue) : vue_(vue) {}
    bool Ouverte() const override { return vue_.Opened(); }
    int NumeroImage() const override { return vue_.NumeroImage(); }
    int FrameCount() const override { return vue_.FrameCount(); }
    void AllerImage(int i) override { vue_.AllerImage(i); }
    int Largeur() const override { return vue_.width(); }
    int Hauteur() const override { return vue_.height(); }

private:
    TDCAVIPlay& vue_;
};

TDCAVIPlay::TDCAVIPlay(QWidget* parent)
    : QWidget(parent), images_(std::make_unique<FournisseurImages>(this, [this] { update(); })),
      audio_(std::make_unique<TAudioPlay>()), navigation_(std::make_unique<NavigationVue>(*this)),
      visee_(std::make_unique<Loupe::Visee>())
{
    mesure_ = std::make_unique<TMesure>(*navigation_);
    mesure_->OnChangeEtalon = [this] { emit OnChangeEtalon(); };
    mesure_->OnChangeDessin = [this] { update(); };
    mesure_->OnCoinsPlan = [this] { emit OnCoinsPlan(); };
    mesure_->OnChange = [this] {
        update();
        if (const int curseur = CurseurMesure(mesure_->Etat())) setCursor(Curseurs::Curseur(curseur));
        emit OnChangeMesure();
    };
    // Every draw covers the whole control: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(0, 0);
    minuterie_.setTimerType(Qt::PreciseTimer);
    connect(&minuterie_, &QTimer::timeout, this, &TDCAVIPlay::Tic);
}

TDCAVIPlay::~TDCAVIPlay()
{
    Arreter();
    // The measurement's callbacks point into this object.
    mesure_->OnChangeEtalon = nullptr;
    mesure_->OnCoinsPlan = nullptr;
    mesure_->OnChange = nullptr;
    Fermer();
}

bool TDCAVIPlay::Opened() const
{
    return images_->Video().Opened();
}
int TDCAVIPlay::FrameCount() const
{
    return images_->Video().FrameCount();
}
int TDCAVIPlay::VideoWidth() const
{
    return images_->Video().VideoWidth();
}
int TDCAVIPlay::VideoHeight() const
{
    return images_->Video().VideoHeight();
}
double TDCAVIPlay::AspectRatio() const
{
    return images_->Video().AspectRatio();
}

void TDCAVIPlay::TournerImage(int degres)
{
    mesure_->TournerImage(degres, images_->Tourner(degres));
    update();
}
double TDCAVIPlay::FrameTime() const
{
    return images_->Video().FrameTime();
}

void TDCAVIPlay::SetFileName(const QString& nom)
{
    if (nom == fileName_) return;
    const bool jouait = active_;
    Fermer();
    fileName_ = nom;
    if (nom.isEmpty()) {
        update();
        if (parentWidget()) parentWidget()->update();
        return;
    }
    if (!Ouvrir(nom)) return;
    update();
    if (jouait) Lire(startFrame_, stopFrame_, repetitions_);
}

bool TDCAVIPlay::Ouvrir(const QString& nom)
{
    if (!images_->Ouvrir(nom)) return false;
    startFrame_ = std::clamp(images_->Video().StartFrame(), 0, std::max(0, FrameCount() - 1));
    stopFrame_ = FrameCount() - 1;
    numeroImage_ = startFrame_;
    appliquerAutoSize();
    update();
    if (parentWidget()) parentWidget()->update();
    emit OnOpen();
    return true;
}

void TDCAVIPlay::Fermer()
{
    if (!Opened()) return;
    Arreter();
    images_->Fermer();
    emit OnClose();
}

void TDCAVIPlay::SetActive(bool a)
{
    if (a == active_) return;
    if (a)
        Lire(startFrame_, stopFrame_, repetitions_);
    else
        Arreter();
}

void TDCAVIPlay::SetAutoSize(bool a)
{
    if (a == autoSize_) return;
    autoSize_ = a;
    appliquerAutoSize();
}

void TDCAVIPlay::appliquerAutoSize()
{
    if (autoSize_ && Opened()) resize(VideoWidth(), VideoHeight());
}

void TDCAVIPlay::SetStretch(bool s)
{
    if (s == stretch_) return;
    stretch_ = s;
    update();
}

void TDCAVIPlay::SetCenter(bool c)
{
    if (c == center_) return;
    center_ = c;
    update();
}

void TDCAVIPlay::SetPlaySound(bool p)
{
    if (p == playSound_) return;
    playSound_ = p;
    if (!active_) return;
    if (p)
        DemarrerSon(numeroImage_, stopFrame_);
    else
        audio_->Couper();
}

namespace {
int borner(int i, int nombre)
{
    return std::clamp(i, 0, std::max(0, nombre - 1));
}
} // namespace

bool TDCAVIPlay::CompterChamps(bool champs)
{
    if (!Opened()) return false;
    const EtatMesure& m = mesure_->Etat();
    if (m.NombreDePoints() > 0 || m.NombreDePointsTsp() > 0) return false;
    Arreter();
    const int avant = images_->Video().Champs() ? 2 : 1;
    images_->CompterChamps(champs);
    const int apres = images_->Video().Champs() ? 2 : 1;
    auto place = [&](int i) { return borner(i * apres / avant, FrameCount()); };
    numeroImage_ = place(numeroImage_);
    startFrame_ = place(startFrame_);
    stopFrame_ = borner((stopFrame_ + 1) * apres / avant - 1, FrameCount());
    mesure_->SetChampsImages(apres == 2);
    update();
    return true;
}

void TDCAVIPlay::SetStartFrame(int f)
{
    if (Opened()) f = borner(f, FrameCount());
    startFrame_ = f;
}

void TDCAVIPlay::SetStopFrame(int f)
{
    if (Opened()) f = borner(f, FrameCount());
    stopFrame_ = f;
}

void TDCAVIPlay::AllerImage(int i)
{
    if (i == numeroImage_) return;
    Arreter();
    if (Opened()) i = borner(i, FrameCount());
    numeroImage_ = i;
    update();
}

void TDCAVIPlay::Lire(int premiere, int derniere, int passes)
{
    Arreter();
    if (!Opened()) return;
    numeroImage_ = borner(premiere, FrameCount());
    startFrame_ = numeroImage_;
    stopFrame_ = borner(derniere, FrameCount());
    // The sound reads the file beside the video: the worker is done first.
    lecture_.Demarrer(numeroImage_, images_->Source().PeriodeMs(), passes);
    emit OnStart();
    active_ = true;
    DemarrerSon(numeroImage_, stopFrame_);
    minuterie_.start(lecture_.PeriodeMs());
}

void TDCAVIPlay::DemarrerSon(int premiere, int derniere)
{
    FrameSource& source = images_->Source();
    SourceAudio* son = source.Audio();
    if (!son || !playSound_) return;
    const PlageEchantillons plage = source.PlageAudio(premiere, derniere);
    audio_->Jouer(*son, plage.Premier, plage.Fin);
}

void TDCAVIPlay::Tic()
{
    if (!active_) return;
    const HorlogeLecture::Tic tic = lecture_.Suivant(numeroImage_, FrameCount(), startFrame_, stopFrame_);
    numeroImage_ = tic.numero;
    if (tic.suite == HorlogeLecture::Suite::Fin) {
        Arreter();
        return;
    }
    if (tic.suite == HorlogeLecture::Suite::NouvellePasse) DemarrerSon(startFrame_, stopFrame_);
    if (!painting_) Dessiner();
}

void TDCAVIPlay::FixerHorloge(std::function<qint64()> horloge)
{
    lecture_.FixerHorloge(std::move(horloge));
}

void TDCAVIPlay::Arreter()
{
    minuterie_.stop();
    if (!active_) return;
    audio_->Couper();
    active_ = false;
    emit OnStop();
    Dessiner();
}

QImage TDCAVIPlay::Composer()
{
    return Composer(devicePixelRatioF());
}

QImage TDCAVIPlay::Composer(qreal ratio)
{
    const int w = width(), h = height();
    if (w <= 0 || h <= 0) return {};
    // Composed on device pixels: the video keeps its detail at any ratio.
    const QSize appareil = (QSizeF(w, h) * ratio).toSize();
    if (!Opened()) {
        QImage titre =
            Images::Image("BmpTitre", ratio).scaled(appareil, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        titre.setDevicePixelRatio(ratio);
        return titre;
    }
    if (composition_.size() != appareil) composition_ = QImage(appareil, QImage::Format_RGB32);
    composition_.setDevicePixelRatio(ratio);
    const QImage& image = mesure_->Etat().CacherImage ? QImage() : images_->Image(numeroImage_);
    if (image.isNull())
        composition_.fill(mesure_->Etat().CacherImage ? Qt::white : Qt::black);
    else
        Etirer(image, composition_, composition_.rect());
    DessinMesure::DessinerSur(composition_, mesure_->Etat(), mesure_->Pixels(), w, h,
                              mesure_->CoinsPlanEnCours() ? &mesure_->CoinsPlan() : nullptr);
    if (loupe_ && visee_->Point() && !image.isNull()) DessinerLoupe(image, *visee_->Point());
    return composition_;
}

void TDCAVIPlay::DessinerLoupe(const QImage& image, QPointF vise)
{
    const QPointF video(vise.x() * image.width() / width(), vise.y() * image.height() / height());
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    // Drawn at its own size, then laid on its place in view pixels: on a
    // screen of ratio 2 each of its pixels becomes a 2 x 2 block, as the
    // measurement's do.
    const QRect cadre = Loupe::Placer(size(), vise.toPoint());
    QImage encart(cadre.size(), QImage::Format_RGB32);
    Loupe::Dessiner(encart, encart.rect(), rgb, video, CouleurQt(mesure_->Etat().Couleur).rgb());
    QPainter(&composition_).drawImage(cadre, encart);
}

void TDCAVIPlay::SetLoupe(bool l)
{
    if (l == loupe_) return;
    loupe_ = l;
    update();
}

const FrameSource& TDCAVIPlay::Source() const
{
    return images_->Video();
}

int TDCAVIPlay::NumeroAffiche() const
{
    return images_->NumeroAffiche(numeroImage_);
}

void TDCAVIPlay::Dessiner()
{
    if (painting_ || !isVisible()) return;
    repaint();
}

void TDCAVIPlay::paintEvent(QPaintEvent*)
{
    if (painting_) return;
    const bool video = Opened() && width() > 0 && height() > 0;
    if (video) painting_ = true;
    const QImage image = Composer();
    QPainter p(this);
    if (!image.isNull()) p.drawImage(0, 0, image);
    if (!video) return;
    painting_ = false;
    // The counter follows the picture on screen, not a frame still being
    // decoded: while one is, it hears only of a picture standing in for it.
    if (!images_->PrendreRemplacante() && images_->EnRoute(numeroImage_)) return;
    emit OnChangeNumeroImage();
}

void TDCAVIPlay::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    appliquerAutoSize();
    mesure_->RecalculerPixels();
}

void TDCAVIPlay::moveEvent(QMoveEvent* e)
{
    QWidget::moveEvent(e);
    update();
}

namespace {
PointPixels pixels(QPointF position)
{
    const QPoint p = position.toPoint();
    return {p.x(), p.y()};
}
} // namespace

QPointF TDCAVIPlay::Viser(const QMouseEvent* e)
{
    return visee_->Bouger(e->position(), loupe_ && (e->modifiers() & Qt::ShiftModifier), size());
}

void TDCAVIPlay::mousePressEvent(QMouseEvent* e)
{
    // A mark goes on the picture on screen: none while another is coming.
    if (images_->EnRoute(numeroImage_)) return;
    if (e->button() == Qt::LeftButton) {
        const QPointF vise = Viser(e);
        mesure_->AppuiGauche(pixels(vise), {vise.x() / width(), vise.y() / height()});
    } else if (e->button() == Qt::RightButton) {
        mesure_->AppuiDroit(pixels(Viser(e)));
    }
}

void TDCAVIPlay::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) mesure_->RelacheGauche(pixels(Viser(e)));
}

void TDCAVIPlay::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF vise = Viser(e);
    if (loupe_) update();
    mesure_->SourisBougee(pixels(vise));
}

void TDCAVIPlay::leaveEvent(QEvent* e)
{
    QWidget::leaveEvent(e);
    visee_->Quitter();
    if (loupe_) update();
}

void TDCAVIPlay::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second press of a double click is no press.
}
