#include "view/UnitHorlogeLecture.h"

#include <QElapsedTimer>
#include <algorithm>

HorlogeLecture::HorlogeLecture()
    : horloge_([] {
          static QElapsedTimer depart = [] {
              QElapsedTimer t;
              t.start();
              return t;
          }();
          return depart.elapsed();
      })
{
}

void HorlogeLecture::Demarrer(int premiere, int periodeMs, int passes)
{
    depart_ = premiere;
    periode_ = std::max(1, periodeMs);
    passesRestantes_ = passes;
    reprendre_ = false;
    debut_ = horloge_();
}

HorlogeLecture::Tic HorlogeLecture::Suivant(int courant, int nombre, int premiere, int derniere)
{
    if (reprendre_) {
        // The pass ended on its last frame last tick; the next one starts now.
        reprendre_ = false;
        depart_ = premiere;
        debut_ = horloge_();
        return {Suite::NouvellePasse, premiere};
    }
    const qint64 ecoule = horloge_() - debut_;
    const int du = depart_ + int(ecoule / periode_);
    int numero = std::clamp(std::max(du, courant + 1), 0, std::max(0, nombre - 1));
    if (numero < derniere) return {Suite::Image, numero};
    numero = derniere;
    if (passesRestantes_ > 0 && --passesRestantes_ == 0) return {Suite::Fin, numero};
    reprendre_ = true;
    return {Suite::Image, numero};
}
