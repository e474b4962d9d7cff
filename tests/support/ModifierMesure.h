#pragma once
// Sets fields of a measurement the way a loaded work file does: the whole
// state replaced at once.

#include "measure/UnitMesure.h"

#include <utility>

template <typename F>
void Modifier(TMesure& m, F&& f)
{
    EtatMesure e = m.Etat();
    std::forward<F>(f)(e);
    m.Remplacer(std::move(e));
}
