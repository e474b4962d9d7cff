#pragma once
// The 22 cursors, registered once at start under their numbers 1..22:
//  1 MarqueNoir   2 MarqueBlanc   3 MarqueNB
//  4 Marque1Noir  5 Marque2Noir   6 Marque3Noir
//  7 Marque1Blanc 8 Marque2Blanc  9 Marque3Blanc
// 10 Marque1NB   11 Marque2NB    12 Marque3NB
// 13 EtalonNoir  14 EtalonBlanc  15 EtalonNB
// 16 OrigineBlanc 17 OrigineNoir 18 OrigineNB
// 19 Pan         20 ClickGauche  21 ClickGaucheDroite  22 ClickZoomer

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>

namespace Curseurs {

constexpr int Nombre = 22;

// The numbers by name, as listed above.
enum Numero : int {
    MarqueNoir = 1,
    MarqueBlanc,
    MarqueNB,
    Marque1Noir,
    Marque2Noir,
    Marque3Noir,
    Marque1Blanc,
    Marque2Blanc,
    Marque3Blanc,
    Marque1NB,
    Marque2NB,
    Marque3NB,
    EtalonNoir,
    EtalonBlanc,
    EtalonNB,
    OrigineBlanc,
    OrigineNoir,
    OrigineNB,
    Pan,
    ClickGauche,
    ClickGaucheDroite,
    ClickZoomer,
};
static_assert(ClickZoomer == Nombre);

// Draws and registers the 22 cursors at the screens' highest device pixel
// ratio. Needs a QGuiApplication. Idempotent.
void Enregistrer();

// The cursor registered under `numero`; the standard arrow for any other number.
QCursor Curseur(int numero);

// The resource name of a cursor number ("MarqueNoir" for 1), empty when out of range.
QString NomRessource(int numero);

// The cursor's picture, drawn natively at the device pixel ratio `ratio`,
// and its hot spot in logical pixels, for drawing in menus and for tests.
QImage ImageCurseur(int numero, qreal ratio = 1);
QPoint PointChaud(int numero);
// The cursor of `numero` with its picture at `ratio`.
QCursor CreerCurseur(int numero, qreal ratio);

} // namespace Curseurs
