#pragma once
// The preview of the page: the paper at a zoom (percent of its real size on
// the screen) on a grey desk, and the mouse on it reported in page units.
// It only paints what the page model holds.

#include "print/UnitPage.h"

#include <QWidget>

class TApercu : public QWidget {
    Q_OBJECT
public:
    TApercu(const PageImpression& page, QWidget* parent = nullptr);

    int Zoom() const { return zoom_; }
    void SetZoom(int pourcent);
    // After a change of orientation: the paper takes its new size.
    void Actualiser();

    // Widget pixels to page units and back.
    MPoint VersPage(QPointF p) const;
    QPoint VersEcran(MPoint p) const;
    double PixelsParUnite() const;

    // Space around the paper, in pixels.
    static constexpr int Bord = 10;

signals:
    void Appui(MPoint p);
    void Deplacement(MPoint p);
    void Relachement(MPoint p);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const PageImpression& page_;
    int zoom_ = 100;
};
