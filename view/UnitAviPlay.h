#pragma once
// The frame view control: shows the current frame of the open video with the
// measurement drawn over it, plays the video with its sound, steps through it,
// and carries the measurement state the user points into.

#include "view/UnitHorlogeLecture.h"

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class FournisseurImages;
class FrameSource;
class TAudioPlay;
class TMesure;
namespace Loupe {
class Visee;
}

class TDCAVIPlay : public QWidget {
    Q_OBJECT
public:
    explicit TDCAVIPlay(QWidget* parent = nullptr);
    ~TDCAVIPlay() override;

    // Properties.
    bool Active() const { return active_; }
    void SetActive(bool a);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool a);
    // The picture always fills the control, whatever Stretch and Center say:
    // the main window keeps Stretch on and never relies on the other mode.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool s);
    bool Center() const { return center_; }
    void SetCenter(bool c);
    bool PlaySound() const { return playSound_; }
    void SetPlaySound(bool p);
    int Repetitions() const { return repetitions_; }
    void SetRepetitions(int r) { repetitions_ = r; }
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& nom);
    int StartFrame() const { return startFrame_; }
    void SetStartFrame(int f);
    int StopFrame() const { return stopFrame_; }
    void SetStopFrame(int f);
    // The loupe beside the pointer while it is over the picture (UnitLoupe.h).
    bool Loupe() const { return loupe_; }
    void SetLoupe(bool l);

    // Values of the open video (0 when closed).
    bool Opened() const;
    int FrameCount() const;
    int VideoWidth() const;
    int VideoHeight() const;
    double AspectRatio() const;
    double FrameTime() const;

    int NumeroImage() const { return numeroImage_; }
    // The frame of the picture on screen: NumeroImage, or while the worker
    // decodes it the frame shown meanwhile (-1 for none).
    int NumeroAffiche() const;
    int FramePeriod() const { return lecture_.PeriodeMs(); }
    int RepetitionsLeft() const { return lecture_.PassesRestantes(); }
    bool Painting() const { return painting_; }

    // The open video's source, for what it says of the video and why it did not open.
    const FrameSource& Source() const;

    // Turns the picture `degres` clockwise in place of the video's own turn
    // (-1: the video's); the marks turn with it and stay on the object.
    void TournerImage(int degres);
    // Makes each field of an interlaced video a frame of its own, or whole
    // pictures frames again; the frame shown stays at its moment. Refused
    // (false) while marks or overlay marks exist: their frame numbers would
    // change meaning.
    bool CompterChamps(bool champs);

    TMesure& Mesure() { return *mesure_; }
    const TMesure& Mesure() const { return *mesure_; }

    // Navigation and playback.
    void AllerImage(int i);
    void Lire(int premiere, int derniere, int passes);
    void Arreter();
    // Composes the current frame off screen and shows it now.
    void Dessiner();
    // The picture Dessiner puts on screen, composed without showing it, at the
    // control's device pixel ratio or at `ratio`.
    QImage Composer();
    QImage Composer(qreal ratio);

    // One playback tick. The timer calls it; tests call it with their own clock.
    void Tic();
    // The clock playback follows, in milliseconds. Tests replace it.
    void FixerHorloge(std::function<qint64()> horloge);

signals:
    void OnOpen();
    void OnClose();
    void OnStart();
    void OnStop();
    void OnChangeNumeroImage();
    // After every change of the measurement: counts, tool, cursor, choices.
    void OnChangeMesure();
    void OnChangeEtalon();
    // The plane's fourth corner was clicked: its size is asked for.
    void OnCoinsPlan();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void Fermer();
    bool Ouvrir(const QString& nom);
    void DemarrerSon(int premiere, int derniere);
    void appliquerAutoSize();
    void DessinerLoupe(const QImage& image, QPointF vise);
    // Where a press or a move aims: the pointer, or the loupe's fine aim.
    QPointF Viser(const QMouseEvent* e);

    std::unique_ptr<FournisseurImages> images_;
    std::unique_ptr<TAudioPlay> audio_;
    std::unique_ptr<TMesure> mesure_;
    std::unique_ptr<class NavigationVue> navigation_;
    QImage composition_;

    QString fileName_;
    bool active_ = false;
    bool autoSize_ = true;
    bool stretch_ = false;
    bool center_ = true;
    bool playSound_ = true;
    int repetitions_ = 0;
    int startFrame_ = 1;
    int stopFrame_ = 0;
    int numeroImage_ = 0;
    bool painting_ = false;
    bool loupe_ = false;
    std::unique_ptr<Loupe::Visee> visee_;

    QTimer minuterie_;
    HorlogeLecture lecture_;
};
