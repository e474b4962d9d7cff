#include "view/UnitAviPlay.h"

#include "resources/UnitCurseurs.h"
#include "resources/UnitImages.h"
#include "media/FrameSource.h"
#include "media/FrameSourceImage.h"
#include "media/UnitAudioPlay.h"
#include "media/UnitChargeurImage.h"
#include "view/UnitDessinMesure.h"
#include "view/UnitLoupe.h"
#include "measure/UnitMesure.h"

#include <QElapsedTimer>
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
    void Repeindre() override { vue_.update(); }
    int Largeur() const override { return vue_.width(); }
    int Hauteur() const override { return vue_.height(); }

private:
    TDCAVIPlay& vue_;
};

TDCAVIPlay::TDCAVIPlay(QWidget* parent)
    : QWidget(parent), source_(std::make_unique<FrameSource>()), audio_(std::make_unique<TAudioPlay>()),
      navigation_(std::make_unique<NavigationVue>(*this)), visee_(std::make_unique<Loupe::Visee>())
{
    chargeur_ = std::make_unique<ChargeurImage>(
        *source_, this, [this](int numero, const QImage& image) { ImageChargee(numero, image); });
    mesure_ = std::make_unique<TMesure>(*navigation_);
    mesure_->OnChangeEtalon = [this] { emit OnChangeEtalon(); };
    mesure_->OnCoinsPlan = [this] { emit OnCoinsPlan(); };
    mesure_->OnChange = [this] {
        const int curseur = mesure_->Etat().Curseur;
        if (curseur >= 1 && curseur <= Curseurs::Nombre) setCursor(Curseurs::Curseur(curseur));
        emit OnChangeMesure();
    };
    // Every draw covers the whole control: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(0, 0);
    horloge_ = [] {
        static QElapsedTimer depart = [] {
            QElapsedTimer t;
            t.start();
            return t;
        }();
        return depart.elapsed();
    };
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
    chargeur_.reset();
}

bool TDCAVIPlay::Opened() const
{
    return source_->Opened();
}
int TDCAVIPlay::FrameCount() const
{
    return source_->FrameCount();
}
int TDCAVIPlay::VideoWidth() const
{
    return source_->VideoWidth();
}
int TDCAVIPlay::VideoHeight() const
{
    return source_->VideoHeight();
}
double TDCAVIPlay::AspectRatio() const
{
    return source_->AspectRatio();
}
double TDCAVIPlay::FrameTime() const
{
    return source_->FrameTime();
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
    chargeur_->Attendre();
    ++generation_;
    affichee_ = {};
    numeroAffiche_ = -1;
    if (!source_->Ouvrir(nom)) return false;
    startFrame_ = std::clamp(source_->StartFrame(), 0, std::max(0, FrameCount() - 1));
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
    chargeur_->Attendre();
    source_->Fermer();
    affichee_ = {};
    numeroAffiche_ = -1;
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
    chargeur_->Attendre(); // the sound reads the file beside the video
    numeroImage_ = borner(premiere, FrameCount());
    startFrame_ = numeroImage_;
    stopFrame_ = borner(derniere, FrameCount());
    repetitionsLeft_ = passes;
    framePeriod_ = std::max(1, source_->PeriodeMs());
    emit OnStart();
    active_ = true;
    DemarrerSon(numeroImage_, stopFrame_);
    premiereLecture_ = numeroImage_;
    debutLecture_ = horloge_();
    minuterie_.start(framePeriod_);
}

void TDCAVIPlay::DemarrerSon(int premiere, int derniere)
{
    SourceAudio* son = source_->Audio();
    if (!son || !playSound_) return;
    const PlageEchantillons plage = source_->PlageAudio(premiere, derniere);
    audio_->Jouer(*son, plage.Premier, plage.Fin);
}

void TDCAVIPlay::Tic()
{
    if (!active_) return;
    if (reprendre_) {
        // The pass ended on StopFrame last tick; the next one starts now.
        reprendre_ = false;
        numeroImage_ = startFrame_;
        premiereLecture_ = startFrame_;
        debutLecture_ = horloge_();
        DemarrerSon(startFrame_, stopFrame_);
    } else {
        // The frame due now by the clock: playback keeps the video's rate and
        // drops frames when drawing is slow, instead of drifting behind.
        const qint64 ecoule = horloge_() - debutLecture_;
        const int du = premiereLecture_ + int(ecoule / framePeriod_);
        numeroImage_ = borner(std::max(du, numeroImage_ + 1), FrameCount());
        if (numeroImage_ >= stopFrame_) {
            numeroImage_ = stopFrame_;
            if (repetitionsLeft_ > 0 && --repetitionsLeft_ == 0) {
                Arreter();
                return;
            }
            reprendre_ = true;
        }
    }
    if (!painting_) Dessiner();
}

void TDCAVIPlay::FixerHorloge(std::function<qint64()> horloge)
{
    horloge_ = std::move(horloge);
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
    const QImage& image = mesure_->Etat().CacherImage ? QImage() : ImageCourante();
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

// Beyond this many pictures to decode, the worker decodes while the window
// stays responsive; fewer come at once (a step, a jump within a short group).
constexpr int DecodagesImmediats = 24;

const QImage& TDCAVIPlay::ImageCourante()
{
    if (numeroAffiche_ == numeroImage_ || chargeur_->Occupe()) return affichee_;
    if (source_->CoutImage(numeroImage_) <= DecodagesImmediats) {
        affichee_ = source_->Image(numeroImage_);
        numeroAffiche_ = numeroImage_;
        return affichee_;
    }
    MontrerLaPlusProche();
    if (chargeur_->Demander(numeroImage_)) generationDemandee_ = generation_;
    return affichee_;
}

// Only while the worker is idle: the source is the caller's then.
void TDCAVIPlay::MontrerLaPlusProche()
{
    const int proche = source_->ImageEnMainProche(numeroImage_);
    if (proche < 0 ||
        (numeroAffiche_ >= 0 && std::abs(proche - numeroImage_) >= std::abs(numeroAffiche_ - numeroImage_)))
        return;
    QImage image = source_->Image(proche);
    if (image.isNull()) return;
    affichee_ = std::move(image);
    numeroAffiche_ = proche;
    remplacante_ = true;
}

void TDCAVIPlay::ImageChargee(int numero, const QImage& image)
{
    if (generationDemandee_ == generation_ && numero == numeroImage_ && Opened()) {
        affichee_ = image;
        numeroAffiche_ = numero;
    }
    update(); // the exact picture, or the next request
}

bool TDCAVIPlay::ImageEnRoute() const
{
    return Opened() && numeroAffiche_ != numeroImage_ && chargeur_->Occupe();
}

int TDCAVIPlay::NumeroAffiche() const
{
    return ImageEnRoute() ? numeroAffiche_ : numeroImage_;
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
    if (ImageEnRoute() && !remplacante_) return;
    remplacante_ = false;
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
    if (ImageEnRoute()) return;
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
