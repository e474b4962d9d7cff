#pragma once
// The searching animation: a magnifying glass circling over a folder, still
// until a search runs.

#include <QImage>
#include <QTimer>
#include <QWidget>

// One picture of the animation (frame 0 is the still one).
QImage ImageAnimationRecherche(int image);

class TAnimationRecherche : public QWidget {
    Q_OBJECT
public:
    static constexpr int Largeur = 48;
    static constexpr int Hauteur = 48;
    static constexpr int NombreImages = 12;

    explicit TAnimationRecherche(QWidget* parent = nullptr);

    void Demarrer();
    void Arreter();
    bool Actif() const { return minuterie_.isActive(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QTimer minuterie_;
    int image_ = 0;
};
