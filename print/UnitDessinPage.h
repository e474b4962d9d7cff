#pragma once
// The page painted with QPainter: one code path for the preview (a QImage)
// and for the printer or a PDF file. The painter works in page units
// (hundredths of a millimetre); the callers below set the scale.

#include "print/UnitPage.h"

#include <QImage>

class QPainter;
class QPagedPaintDevice;

// Ascent plus descent of a caption font, in screen pixels (needs a
// QGuiApplication).
int HauteurTexte(const Police& police);

// Paints the page on a painter already scaled to page units: the pictures,
// the dotted outlines and the captions of the visible bands; with
// `apercu`, also the margins and the printer's non-printable margins as
// dotted silver lines. The paper itself is not filled.
void DessinerPage(QPainter& p, const PageImpression& page, bool apercu);

// The preview picture: white paper at `pixelsParUnite` pixels per page unit.
QImage ImageApercu(const PageImpression& page, double pixelsParUnite);

// Prints the page on `device` (a QPrinter or a QPdfWriter): A4 in the page's
// orientation, the painter's origin at the paper's corner. False when the
// painting cannot start (no printer, a file that cannot be written).
bool ImprimerPage(QPagedPaintDevice& device, const PageImpression& page);
