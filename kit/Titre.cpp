#include "kit/Titre.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <cmath>

namespace {

// The title bar's font is the window manager's, often bold and larger than
// the program's: the program's font with a quarter more.
constexpr double MargeFonte = 1.25;
// The icon, the close, maximise and minimise buttons and the bar's edges.
constexpr int Decorations = 112;

} // namespace

int LargeurPourTitre(const QString& titre)
{
    QFont f = QGuiApplication::font();
    f.setBold(true);
    return int(std::ceil(QFontMetrics(f).horizontalAdvance(titre) * MargeFonte)) + Decorations;
}
