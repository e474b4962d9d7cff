#pragma once
// A view for driving the measurement without a window: it keeps a frame
// index, clamps like the real view and counts what was asked of it.

#include "tests/support/ModifierMesure.h"
#include "measure/UnitMesure.h"

#include <algorithm>
#include <vector>

class VueFactice : public VueMesure {
public:
    bool ouverte = true;
    int numero = 0;
    int images = 10;
    int largeur = 320;
    int hauteur = 240;
    int repeints = 0;
    std::vector<int> allers; // every AllerImage request, before clamping

    bool Ouverte() const override { return ouverte; }
    int NumeroImage() const override { return numero; }
    int FrameCount() const override { return images; }
    void AllerImage(int i) override
    {
        allers.push_back(i);
        if (i == numero) return;
        numero = std::clamp(i, 0, images - 1);
        ++repeints;
    }
    int Largeur() const override { return largeur; }
    int Hauteur() const override { return hauteur; }
};

// A measurement on a fake view, with its notifications counted: every one
// (on each the view sets its cursor anew), and those that changed the mark counts. The
// view repaints on both kinds of notification, as the real one does.
struct Banc {
    VueFactice vue;
    TMesure m{vue};
    int points = 0, pointsTsp = 0, curseurs = 0, etalons = 0;

    Banc()
    {
        m.OnChangeDessin = [this] { ++vue.repeints; };
        m.OnChange = [this] {
            ++vue.repeints;
            ++curseurs;
            if (m.NombreDePoints() != vus_) ++points;
            if (m.NombreDePointsTsp() != vusTsp_) ++pointsTsp;
            vus_ = m.NombreDePoints();
            vusTsp_ = m.NombreDePointsTsp();
        };
        m.OnChangeEtalon = [this] { ++etalons; };
        Modifier(m, [](EtatMesure& e) { e.CouleurCurseur = TCouleurCurseur::NoirEtBlanc; });
        curseurs = 0;
        vue.repeints = 0;
    }

private:
    int vus_ = 0, vusTsp_ = 0;
};
