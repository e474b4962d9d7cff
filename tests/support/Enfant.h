#pragma once
// A window's control found by its object name, as the accessibility tools
// find it; a missing one fails the test that asked for it.

#include <QObject>
#include <stdexcept>
#include <string>

template <typename T>
T* Enfant(const QObject& parent, const char* nom)
{
    T* enfant = parent.findChild<T*>(QLatin1String(nom));
    if (!enfant) throw std::runtime_error(std::string("no control named ") + nom);
    return enfant;
}
