#include "media/UnitPeripheriqueSonQt.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>

namespace {

constexpr int PeriodeAlimentationMs = 10;

QAudioFormat::SampleFormat FormatEchantillon(int bits)
{
    switch (bits) {
    case 16: return QAudioFormat::Int16;
    case 32: return QAudioFormat::Int32;
    default: // Qt has no signed 8-bit or 24-bit samples
        return QAudioFormat::Unknown;
    }
}

QAudioFormat FormatQt(const FormatAudio& format)
{
    QAudioFormat f;
    f.setChannelCount(format.Canaux);
    f.setSampleRate(format.Frequence);
    f.setSampleFormat(FormatEchantillon(format.BitsParEchantillon));
    return f;
}

} // namespace

PeripheriqueSonQt::PeripheriqueSonQt()
{
    minuterie_.setInterval(PeriodeAlimentationMs);
    QObject::connect(&minuterie_, &QTimer::timeout, [this] { Alimenter(); });
}

PeripheriqueSonQt::~PeripheriqueSonQt()
{
    Fermer();
}

bool PeripheriqueSonQt::Ouvrir(const FormatAudio& format)
{
    Fermer();
    const QAudioDevice appareil = QMediaDevices::defaultAudioOutput();
    const QAudioFormat f = FormatQt(format);
    if (appareil.isNull() || !f.isValid() || !appareil.isFormatSupported(f)) return false;
    sortie_ = std::make_unique<QAudioSink>(appareil, f);
    flux_ = sortie_->start();
    if (!flux_ || sortie_->error() != QAudio::NoError) {
        Fermer();
        return false;
    }
    enPause_ = false;
    return true;
}

void PeripheriqueSonQt::Ecrire(std::unique_ptr<TamponSon> tampon)
{
    file_.push_back(std::move(tampon));
    Alimenter();
}

void PeripheriqueSonQt::Pause()
{
    enPause_ = true;
    minuterie_.stop();
    if (sortie_) sortie_->suspend();
}

void PeripheriqueSonQt::Reprendre()
{
    enPause_ = false;
    if (sortie_) sortie_->resume();
    Alimenter();
}

void PeripheriqueSonQt::Reinitialiser()
{
    RendreFile();
    if (!sortie_) return;
    // Resetting stops the sink and destroys the writer it gave out: start
    // afresh so that the device takes buffers again.
    sortie_->reset();
    flux_ = sortie_->start();
    if (enPause_) sortie_->suspend();
}

void PeripheriqueSonQt::Fermer()
{
    RendreFile();
    sortie_.reset();
    flux_ = nullptr;
}

void PeripheriqueSonQt::Alimenter()
{
    if (!flux_ || enPause_) return;
    const qint64 trame = sortie_->format().bytesPerFrame();
    qint64 libre = sortie_->bytesFree() / trame * trame;
    while (libre > 0 && !file_.empty()) {
        const TamponSon& tampon = *file_.front();
        const qint64 reste = static_cast<qint64>(tampon.Octets.size() - entames_);
        const auto* octets = reinterpret_cast<const char*>(tampon.Octets.data()) + entames_;
        const qint64 ecrits = flux_->write(octets, std::min(reste, libre));
        if (ecrits <= 0) break;
        libre -= ecrits;
        entames_ += static_cast<std::size_t>(ecrits);
        if (entames_ == tampon.Octets.size()) {
            entames_ = 0;
            Rendre(std::move(file_.front()));
            file_.pop_front();
        }
    }
    if (file_.empty())
        minuterie_.stop();
    else if (!minuterie_.isActive())
        minuterie_.start();
}

void PeripheriqueSonQt::RendreFile()
{
    minuterie_.stop();
    entames_ = 0;
    while (!file_.empty()) {
        Rendre(std::move(file_.front()));
        file_.pop_front();
    }
}
