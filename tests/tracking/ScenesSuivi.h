#pragma once
// Scenes for automatic tracking, written as videos at test time with the
// project's writer: a red ball over a mildly textured background with sensor
// noise, 640 x 480 at 25 frames a second, MJPEG as a camera would give it.
//
// Positions are in video pixels, pixel i standing at i.

#include "core/UnitMath.h"
#include "tools/VideoWriter.h"

#include <QFile>
#include <QPainter>
#include <QString>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>

namespace ScenesSuivi {

constexpr int Largeur = 640;
constexpr int Hauteur = 480;
constexpr double Rayon = 11;

// The fall: held until frame Lacher, then falling with Gravite pixels a frame
// squared until its centre reaches YSol, where it lies.
constexpr double X = 320;
constexpr double Y0 = 60;
constexpr double Gravite = 1.2;
constexpr int Lacher = 4;
constexpr double YSol = 400;

inline double YChute(int i)
{
    const double t = std::max(0, i - Lacher);
    return std::min(Y0 + 0.5 * Gravite * t * t, YSol);
}
inline PointD Chute(int i)
{
    return {X, YChute(i)};
}
// The first frame with the ball on the floor.
inline int Atterrissage()
{
    int i = 0;
    while (YChute(i) < YSol) ++i;
    return i;
}

// The look-alike: a disc like the ball, 35 pixels beside its path, halfway down.
constexpr PointD Sosie{X + 35, 230};

// The throw past a bar: the ball flies left to right behind a grey bar.
inline PointD Lancer(int i)
{
    return {80.0 + 8.0 * i, 150.0 + 1.5 * i + 0.1 * i * i};
}
constexpr double BarreGauche = 300, BarreDroite = 344; // the bar's columns span these

// The part of the ball's diameter behind the bar, 0..1.
inline double Cache(PointD c)
{
    const double g = std::max(c.X - Rayon, BarreGauche), d = std::min(c.X + Rayon, BarreDroite);
    return std::max(0.0, d - g) / (2 * Rayon);
}

// The background: soft blotches and stripes, 150..200 grey, the same on every frame.
inline QImage Fond()
{
    QImage fond(Largeur, Hauteur, QImage::Format_RGB32);
    for (int y = 0; y < Hauteur; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(fond.scanLine(y));
        for (int x = 0; x < Largeur; ++x) {
            const double v = 175 + 12 * std::sin(x / 9.0) * std::cos(y / 13.0) + 8 * std::sin((x + 2 * y) / 31.0);
            const int g = int(v);
            ligne[x] = qRgb(g, g + 3, g + 6);
        }
    }
    return fond;
}

// Noise of a camera sensor, different on every frame.
inline void Bruit(QImage& image, int index)
{
    std::mt19937 alea(std::uint32_t(1000 + index));
    std::normal_distribution<double> n(0.0, 3.0);
    for (int y = 0; y < image.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = int(std::lround(n(alea)));
            const QRgb c = ligne[x];
            ligne[x] = qRgb(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                            std::clamp(qBlue(c) + d, 0, 255));
        }
    }
}

inline void Balle(QPainter& p, PointD c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 35, 30));
    p.drawEllipse(QPointF(c.X + 0.5, c.Y + 0.5), Rayon, Rayon);
}

struct Scene {
    int Images = 50;
    std::function<PointD(int)> Centre;
    bool AvecSosie = false;
    bool AvecBarre = false;
    bool AvecSol = true;
};

// Writes the scene to `chemin`; an empty string when it went well.
inline std::string Ecrire(const QString& chemin, const Scene& s)
{
    const QImage fond = Fond();
    OptionsVideo o;
    o.largeur = Largeur;
    o.hauteur = Hauteur;
    o.images = s.Images;
    o.peintre = [&](QImage& image, int i) {
        image = fond.copy();
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            if (s.AvecSol) p.fillRect(QRectF(0, YSol + Rayon + 0.5, Largeur, Hauteur), QColor(120, 105, 90));
            if (s.AvecSosie) Balle(p, Sosie);
            Balle(p, s.Centre(i));
            if (s.AvecBarre)
                p.fillRect(QRectF(BarreGauche + 0.5, 0, BarreDroite - BarreGauche, Hauteur), QColor(90, 95, 100));
        }
        Bruit(image, i);
    };
    return EcrireVideo(QFile::encodeName(chemin).toStdString(), o);
}

} // namespace ScenesSuivi
