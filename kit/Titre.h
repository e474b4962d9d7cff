#pragma once
// The least width of a window whose title bar shows its title whole. A window
// manager cuts a title that does not fit between the window's icon and its
// buttons ("K…b"), so a narrow box is widened to this width.

#include <QString>

int LargeurPourTitre(const QString& titre);
