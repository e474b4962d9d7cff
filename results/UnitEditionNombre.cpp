#include "results/UnitEditionNombre.h"

#include "results/UnitTextesTemps.h"

#include <QDoubleValidator>
#include <QKeyEvent>
#include <QLocale>

namespace {
constexpr int Decimales = 12;
constexpr int LongueurMax = 15;
} // namespace

TEditionNombre::TEditionNombre(QWidget* parent) : QLineEdit(parent)
{
    auto* validateur = new QDoubleValidator(0.0, 1e15, Decimales, this);
    validateur->setNotation(QDoubleValidator::StandardNotation);
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    validateur->setLocale(locale);
    setValidator(validateur);
    setMaxLength(LongueurMax);
    Afficher();
}

double TEditionNombre::Valeur() const
{
    if (!isModified()) return valeur_;
    bool ok = false;
    const double v = QLocale().toDouble(text(), &ok);
    return ok ? v : 0.0;
}

void TEditionNombre::ChoisirValeur(double v)
{
    valeur_ = v;
    Afficher();
}

void TEditionNombre::Afficher()
{
    setText(hasFocus() ? TextesTemps::FormatEdition(valeur_) : TextesTemps::FormatAffichage(valeur_));
}

void TEditionNombre::focusInEvent(QFocusEvent* e)
{
    // Switching to the editing format must not lose a selection of the whole text.
    const bool toutChoisi = hasSelectedText() && selectedText() == text();
    valeur_ = Valeur();
    Afficher();
    if (toutChoisi) selectAll();
    QLineEdit::focusInEvent(e);
}

void TEditionNombre::focusOutEvent(QFocusEvent* e)
{
    valeur_ = Valeur();
    QLineEdit::focusOutEvent(e);
    Afficher();
}

void TEditionNombre::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        emit Entree();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TEditionNombre::mouseReleaseEvent(QMouseEvent* e)
{
    QLineEdit::mouseReleaseEvent(e);
    emit Clic();
}
