#include "app/UnitDisposition.h"

#include <algorithm>
#include <cmath>

SortieDisposition CalculerDisposition(const EntreeDisposition& e)
{
    SortieDisposition s;
    s.Echelle = e.Echelle;
    const int CW = e.Client.width(), CH = e.Client.height();
    const int W = e.Exterieur.width(), H = e.Exterieur.height();
    const int S = e.HauteurStatut;
    const double fw = e.Video.width(), fh = e.Video.height();
    QSize client = e.Client;

    if (!e.TailleLibre && fw > 0 && fh > 0) {
        double ech = e.Echelle;
        if (ech <= 0) ech = std::min(CW / fw, (CH - S - HauteurSousScrollBox) / fh);
        ech = std::min(ech, (e.Ecran.width() + CW - W) / fw);
        ech = std::min(ech, (e.Ecran.height() + CH - H - S - HauteurSousScrollBox) / fh);
        // The minimum size wins over the screen limit.
        ech = std::max(ech, (CW + e.Minimum.width() - W) / fw);
        ech = std::max(ech, (CH + e.Minimum.height() - H - S - HauteurSousScrollBox) / fh);
        s.Echelle = ech;
        const int largeur = static_cast<int>(std::trunc(fw * ech));
        const int hauteur = static_cast<int>(std::trunc(fh * ech)) + S + HauteurSousScrollBox;
        s.Redimensionner = true;
        s.NouvelExterieur = QSize(W - CW + largeur, H - CH + hauteur);
        client = QSize(largeur, hauteur);
    }

    const int cw = client.width(), ch = client.height();
    s.NouveauClient = client;
    s.ScrollBox = QRect(0, 0, cw, std::max(0, ch - S - HauteurSousScrollBox));
    const int largeur1 = std::max(0, cw - LargeurStatusBar2 - LargeurStatusBar3);
    s.StatusBar1 = QRect(0, ch - S, largeur1, S);
    s.StatusBar2 = QRect(largeur1, ch - S, LargeurStatusBar2, S);
    s.StatusBar3 = QRect(largeur1 + LargeurStatusBar2, ch - S, LargeurStatusBar3, S);
    // Integer division truncates toward zero, as the bar's place is given.
    s.BarreCommande = QPoint((cw - LargeurBarreCommande) / 2, ch - S - HauteurBarreCommande);
    return s;
}

int BornerNiveauZoom(int n)
{
    return std::clamp(n, 0, 7);
}

double FacteurZoom(int niveau)
{
    return std::pow(1.25, BornerNiveauZoom(niveau));
}

QSize TailleVueZoom(QSize client, int niveau)
{
    const double f = FacteurZoom(niveau);
    return QSize(static_cast<int>(std::lround(client.width() * f)), static_cast<int>(std::lround(client.height() * f)));
}
