// kinotab-cli graph: a graphical view of a work file's results drawn without
// a window, through the code the results window draws with, and saved as a
// picture (PNG, or BMP by the file's extension). The view's drawing is shared
// with kinotab-cli print.

#include "cli/kinotab_cli.h"
#include "cli/kinotab_cli_vue.h"

#include "resources/UnitPolice.h"
#include "resources/UnitChainesRessources.h"
#include "results/UnitModeleResultats.h"
#include "results/UnitVueTemps.h"
#include "results/UnitVueTrajectoire.h"
#include "results/UnitVueVecteurs.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <array>
#include <optional>

std::optional<OptionsGraphe> LireOptionsGraphe(const QStringList& a, int positionnels, QString& erreur)
{
    OptionsGraphe o;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const bool valeur = i + 1 < a.size();
        if (a[i] == QLatin1String("--size") && valeur) {
            const auto m = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(a[++i]);
            if (!m.hasMatch() || m.captured(1).toInt() < 16 || m.captured(2).toInt() < 16 ||
                m.captured(1).toInt() > 8000 || m.captured(2).toInt() > 8000) {
                erreur = QStringLiteral("--size takes WIDTHxHEIGHT, each from 16 to 8000 pixels");
                return std::nullopt;
            }
            o.taille = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        } else if (a[i] == QLatin1String("--quantity") && valeur) {
            o.grandeur = a[++i].toInt();
        } else if (a[i] == QLatin1String("--point") && valeur) {
            o.point = a[++i];
        } else if (a[i] == QLatin1String("--frame") && valeur) {
            o.referentiel = a[++i];
        } else if (a[i] == QLatin1String("--uncertainty")) {
            o.incertitudes = true;
        } else if (!a[i].startsWith(QLatin1String("--"))) {
            o.positionnels << a[i];
        } else {
            erreur = QStringLiteral("unexpected argument %1").arg(a[i]);
            return std::nullopt;
        }
    }
    if (o.positionnels.size() != positionnels) {
        erreur = QStringLiteral("a work file, a view and an output file are expected");
        return std::nullopt;
    }
    return o;
}

int ApplicationCli::preparer()
{
    // Text needs fonts, and fonts a GUI application, even without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return 1;
}

ApplicationCli::ApplicationCli() : application_(argc_, argv_)
{
    InstallerPolice();
    Chaines::Charger();
}

namespace {

// A 1-based choice among `n` items, or nothing with the reason.
std::optional<int> item(const QString& texte, int n, const char* option, QString& erreur)
{
    bool ok = false;
    const int v = texte.toInt(&ok);
    if (ok && v >= 1 && v <= n) return v - 1;
    erreur = QStringLiteral("%1 takes 1 to %2 here").arg(QLatin1String(option)).arg(n);
    return std::nullopt;
}

// Draws the view; an empty string, or why it cannot be drawn.
QString dessiner(TDessinGraphe& g, const TResultatsSeries& r, const OptionsGraphe& o, TEtendue& e)
{
    QString erreur;
    const QString& vue = o.positionnels[1];
    if (vue == QLatin1String("time")) {
        if (r.NbMarques <= 1) return QStringLiteral("graphs against time need more than one mark");
        const auto grandeurs = VueTemps::Grandeurs(r);
        const auto q = item(QString::number(o.grandeur), int(grandeurs.size()), "--quantity", erreur);
        const auto p = item(o.point, r.NbPointsMobiles, "--point", erreur);
        if (!q || !p) return erreur;
        VueTemps::Preparer(g);
        g.Dimensionner(o.taille.width(), o.taille.height());
        VueTemps::Dessiner(g, r, {grandeurs[size_t(*q)], *p, false, false, true, o.incertitudes}, e);
    } else if (vue == QLatin1String("trajectory")) {
        const int n = r.NbPointsMobiles;
        // "all" is the last point item when there are several points.
        const QString point = o.point == QLatin1String("all") && n > 1 ? QString::number(n + 1) : o.point;
        const auto p = item(point, int(VueTrajectoire::Points(r).size()), "--point", erreur);
        const QString ref =
            o.referentiel == QLatin1String("camera") ? QStringLiteral("1") : QString::number(o.referentiel.toInt() + 1);
        const auto f = item(ref, int(VueTrajectoire::Referentiels(r).size()), "--frame (after camera)", erreur);
        if (!p || !f) return erreur;
        VueTrajectoire::Preparer(g);
        g.Dimensionner(o.taille.width(), o.taille.height());
        VueTrajectoire::Dessiner(g, r, {*p, *f, false, false}, e);
    } else if (vue == QLatin1String("vectors")) {
        const auto sortes = VueVecteurs::Sortes(r);
        if (sortes.empty()) return QStringLiteral("vectors need velocities or accelerations");
        const auto q = item(QString::number(o.grandeur), int(sortes.size()), "--quantity", erreur);
        const auto p = item(o.point, r.NbPointsMobiles, "--point", erreur);
        if (!q || !p) return erreur;
        VueVecteurs::Preparer(g);
        g.Dimensionner(o.taille.width(), o.taille.height());
        VueVecteurs::Dessiner(g, r, {sortes[size_t(*q)], *p, false, false}, e);
    } else {
        return QStringLiteral("the view is time, trajectory or vectors");
    }
    return {};
}

int graphe(const QStringList& arguments)
{
    QString erreur;
    const auto o = LireOptionsGraphe(arguments, 3, erreur);
    if (!o) return Erreur(erreur);
    const ApplicationCli application;
    QImage image;
    if (const int code = ImageVue(*o, false, image)) return code;
    const QString& chemin = o->positionnels[2];
    const bool bmp = QFileInfo(chemin).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0;
    if (!image.save(chemin, bmp ? "BMP" : "PNG")) return Erreur(QStringLiteral("cannot write %1").arg(chemin));
    return 0;
}

const std::array Commandes = {CommandeCli{
    "graph",
    "WORK.ktb time|trajectory|vectors OUT.png [--size WxH] [--quantity N] [--point P|all] [--frame camera|P] "
    "[--uncertainty]",
    &graphe}};

} // namespace

int ImageVue(const OptionsGraphe& o, bool blanc, QImage& image)
{
    TModeleResultats modele;
    if (const int code = CalculerTravail(o.positionnels[0], modele)) return code;
    TDessinGraphe g;
    TEtendue e;
    if (const QString m = dessiner(g, modele.Series(), o, e); !m.isEmpty()) return Erreur(m);
    if (!e.Vide()) VuesGraphe::AppliquerEtendue(g, e);
    if (blanc) {
        VuesGraphe::AppliquerFond(g, {Couleur::Blanc, Couleur::Blanc});
        g.SetColorAxe(Couleur::Blanc);
    }
    g.Dessiner();
    image = g.Image();
    if (o.positionnels[1] == QLatin1String("vectors"))
        VueVecteurs::DessinerLegende(image, g.EchelleVecteurs(), VueVecteurs::Sorte(g.SerieVecteurs()));
    return 0;
}

std::span<const CommandeCli> CommandesGraphe()
{
    return Commandes;
}
