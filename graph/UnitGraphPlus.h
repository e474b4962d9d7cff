#pragma once
// The graph control of the results window: a windowless plot with a gradient
// background, two graduated axes, curves with marks, lines, numbers, arrows and
// magnitudes. It has no focus and raises no events; the owner feeds it
// (the operations of TDessinGraphe), calls Paint, and reads its state.
// Everything is composed on `Image` and copied to the screen in one operation.

#include "graph/UnitGraphPlusDessin.h"

#include <QWidget>

class TGraphPlus : public QWidget, public TDessinGraphe {
    Q_OBJECT
public:
    explicit TGraphPlus(QWidget* owner);
    ~TGraphPlus() override;

    // Redraws Image completely and shows it.
    void Paint();
    // Placement in the owner, then the layout (run even when the size is unchanged).
    void SetBounds(int Left, int Top, int Width, int Height);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void Relacher();
    void AppliquerCurseurs();

    bool curseurEcranPose = false;
};
