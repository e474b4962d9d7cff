#pragma once
// Decodes one frame at a time on a worker thread, for the long seeks that
// would freeze the window: a cold jump into a long group of pictures. The
// picture comes back on the receiver's thread through a queued call.
//
// While a request runs the worker alone uses the frame source; the caller
// touches it again only after Attendre() or once the picture has come back.

#include <QImage>
#include <QObject>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class FrameSource;

class ChargeurImage {
public:
    // `pret` runs on `destinataire`'s thread with the frame and its picture.
    ChargeurImage(FrameSource& source, QObject* destinataire, std::function<void(int, QImage)> pret);
    ~ChargeurImage();
    ChargeurImage(const ChargeurImage&) = delete;
    ChargeurImage& operator=(const ChargeurImage&) = delete;

    // Starts decoding `numero`; false, doing nothing, while a request runs.
    bool Demander(int numero);
    // Whether a request runs or its picture has not been handed back yet.
    bool Occupe() const;
    // Blocks until the running request, if any, is done; its picture is still handed back.
    void Attendre();

private:
    void Travailler();

    FrameSource& source_;
    QObject* destinataire_;
    std::function<void(int, QImage)> pret_;
    mutable std::mutex verrou_;
    std::condition_variable signal_;
    int demande_ = -1;     // frame to decode, -1: none
    bool enCours_ = false; // decoding, or its picture on its way back
    bool fin_ = false;
    std::thread fil_;
};
