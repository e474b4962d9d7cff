#pragma once
// What the graph and print commands share: the options that choose a
// graphical view, and the view of a work file drawn as the results window
// draws it.

#include <QGuiApplication>
#include <QImage>
#include <QSize>
#include <QStringList>
#include <optional>

struct OptionsGraphe {
    QStringList positionnels; // the work file, the view, the output file
    QSize taille{640, 400};
    int grandeur = 1; // 1-based item of the quantity (or vector kind) list
    QString point = QStringLiteral("1");
    QString referentiel = QStringLiteral("camera");
    bool incertitudes = false; // error bars on the graphs against time
};

// Reads --size, --quantity, --point, --frame and --uncertainty and exactly `positionnels`
// other arguments; nothing, with the reason, otherwise.
std::optional<OptionsGraphe> LireOptionsGraphe(const QStringList& a, int positionnels, QString& erreur);

// The GUI application that text needs (offscreen without a screen), with the
// embedded font and the string table loaded.
class ApplicationCli {
public:
    ApplicationCli();

private:
    static int preparer();
    int argc_ = preparer();
    char nom_[12] = "kinotab-cli";
    char* argv_[2] = {nom_, nullptr};
    QGuiApplication application_;
};

// The view (positionnels[1]: time, trajectory or vectors) of the work file
// positionnels[0], as the results window shows it, with the scale legend in
// the vectors view; `blanc` paints it on white as it is printed. Needs an
// ApplicationCli. 0, or the exit status after the reason was written.
int ImageVue(const OptionsGraphe& o, bool blanc, QImage& image);
