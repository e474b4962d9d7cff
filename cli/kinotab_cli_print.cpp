// kinotab-cli print: a graphical view of a work file on white, laid out on an
// A4 page by the print window's page model and written as PDF by the same
// painter that prints the window's page.

#include "cli/kinotab_cli.h"
#include "cli/kinotab_cli_vue.h"

#include "print/UnitDessinPage.h"
#include "print/UnitMiseEnPage.h"
#include "resources/UnitChainesRessources.h"

#include <QPdfWriter>
#include <array>

namespace {

// Captions measured as on a common 96 pixels-per-inch screen.
constexpr double PixelsParPouce = 96;

struct OptionsPage {
    bool paysage = false;
    bool deux = false;
    QString titre;
    int taille = 16; // the print window's initial title size
};

int imprimer(const QStringList& arguments)
{
    OptionsPage page;
    QStringList vue;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--landscape"))
            page.paysage = true;
        else if (arguments[i] == QLatin1String("--double"))
            page.deux = true;
        else if (arguments[i] == QLatin1String("--title") && i + 1 < arguments.size())
            page.titre = arguments[++i];
        else
            vue << arguments[i];
    }
    QString erreur;
    const auto o = LireOptionsGraphe(vue, 3, erreur);
    if (!o) return Erreur(erreur);
    const ApplicationCli application;
    QImage image;
    if (const int code = ImageVue(*o, true, image)) return code;

    // The steps a user takes in the print window: a layout, the title, then
    // "Double" (which lays the picture out centred at the top first).
    TMiseEnPage m(PixelsParPouce, HauteurTexte);
    m.ChargerImage(image);
    if (page.paysage) m.PleinePage();
    if (!page.titre.isEmpty()) m.SetTitre(page.titre, QStringLiteral("Times New Roman"), page.taille);
    m.SetDouble(page.deux);
    m.Redessiner(false);

    const QString& chemin = o->positionnels[2];
    QPdfWriter pdf(chemin);
    pdf.setTitle(Chaines::Texte("ImprimerDocument"));
    pdf.setCreator(Chaines::Texte("TitreApplication"));
    if (!ImprimerPage(pdf, m.Page())) return Erreur(QStringLiteral("cannot write %1").arg(chemin));
    return 0;
}

const std::array Commandes = {CommandeCli{
    "print", "WORK.ktb time|trajectory|vectors OUT.pdf [--landscape] [--double] [--title TEXT] [graph options]",
    &imprimer}};

} // namespace

std::span<const CommandeCli> CommandesImpression()
{
    return Commandes;
}
