#pragma once
// The bundled demo: a ball falling freely beside a ruler, filmed at 25 frames
// a second. Its geometry, shared by the generator and the test that measures g
// back from the decoded frames.

namespace DemoChute {

constexpr int Largeur = 640;
constexpr int Hauteur = 480;
constexpr int Cadence = 25; // frames per second
constexpr int Images = 62;  // 2.48 s

// The ruler: 2.00 m from y = 40 (its 0 mark) down to y = 440, 200 px a metre.
constexpr double LongueurRegleM = 2.0;
constexpr int RegleHaut = 40;
constexpr int RegleBas = 440;
constexpr double PixelsParMetre = (RegleBas - RegleHaut) / LongueurRegleM;
constexpr int RegleGauche = 110;
constexpr int RegleLargeur = 36;

// The ball: its centre starts level with the ruler's 0 mark and is let go at
// frame 10 (t = 0); it falls with g until it lies on the floor.
constexpr double G = 9.81;
constexpr double BalleX = 330.0;
constexpr double BalleY0 = RegleHaut;
constexpr double BalleRayon = 12.0;
constexpr int ImageLacher = 10;
constexpr double BalleYSol = RegleBas; // centre when lying on the floor

// Centre height of the ball in pixels at frame `image`.
constexpr double BalleY(int image)
{
    const double t = image <= ImageLacher ? 0.0 : double(image - ImageLacher) / Cadence;
    const double y = BalleY0 + 0.5 * G * t * t * PixelsParMetre;
    return y < BalleYSol ? y : BalleYSol;
}

} // namespace DemoChute
