#pragma once
// Hints in the "short|long" form: the short part is the tooltip, the long part
// goes to the window's hint line; a hint beginning with "|" has no tooltip.

#include <QString>

class QWidget;
class QAction;

void PoserHint(QWidget* w, const QString& hint);
void PoserHint(QAction* a, const QString& hint);
// The long part on the hint line only: for a control the user aims at, where
// a tooltip would hide the very spot under the pointer.
void PoserHintLigne(QWidget* w, const QString& hint);
QString PartieCourte(const QString& hint);
QString PartieLongue(const QString& hint);
