#pragma once
// Runs automatic tracking on a worker thread, over a frame source of its own
// opened on the video's file, so that the window stays responsive; each
// frame's positions come back on the receiver's thread, in order, the last
// step saying why the run ended.

#include "media/FrameSource.h"
#include "tracking/UnitSuivi.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// The frames of a frame source.
class ImagesSource final : public ImagesSuivi {
public:
    // A run walks forward and never comes back: a few frames kept are
    // enough, and the frames let go return their memory to the decoder,
    // which would otherwise allocate and clear a new picture for each frame.
    static constexpr std::size_t BudgetCache = std::size_t(16) << 20;
    explicit ImagesSource(FrameSource& source) : source_(source) { source_.FixerBudgetCache(BudgetCache); }
    int Nombre() const override { return source_.FrameCount(); }
    QImage Image(int numero) override { return source_.Image(numero); }

private:
    FrameSource& source_;
};

class TravailleurSuivi {
public:
    // Starts at once. `etape` runs on `destinataire`'s thread with each step,
    // its positions normalised like the marks.
    TravailleurSuivi(const QString& chemin, DepartSuivi depart, QObject* destinataire,
                     std::function<void(const EtapeSuivi&)> etape, ParametresSuivi p = {});
    // Asks the run to stop after the frame under way; what it still hands
    // back is the receiver's to ignore.
    void Arreter() { arret_ = true; }
    // Stops the run; steps not yet handed back are dropped.
    ~TravailleurSuivi();
    TravailleurSuivi(const TravailleurSuivi&) = delete;
    TravailleurSuivi& operator=(const TravailleurSuivi&) = delete;

private:
    void Travailler(const QString& chemin, const DepartSuivi& depart, ParametresSuivi p);
    void Rendre(const EtapeSuivi& e);

    std::function<void(const EtapeSuivi&)> etape_;
    std::unique_ptr<QObject> contexte_; // on the receiver's thread; the steps are queued to it
    std::atomic<bool> arret_{false};
    std::thread fil_;
};
