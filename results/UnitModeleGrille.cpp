#include "results/UnitModeleGrille.h"

#include "results/UnitTableau.h"

#include <QColor>
#include <QLocale>

TModeleGrille::TModeleGrille(const TTableau& tableau, QObject* parent) : QAbstractTableModel(parent), tableau_(tableau)
{
}

void TModeleGrille::Reinitialiser()
{
    beginResetModel();
    endResetModel();
}

int TModeleGrille::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : tableau_.NombreLignes();
}

int TModeleGrille::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : tableau_.NombreColonnesTableau();
}

QVariant TModeleGrille::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= tableau_.NombreLignes()) return {};
    switch (role) {
    case Qt::DisplayRole: return tableau_.TexteAffiche(index.row(), index.column(), QLocale().decimalPoint().front());
    case Qt::TextAlignmentRole: {
        // Numbers to the right, words (how a mark was made) to the left.
        const bool texte = tableau_.ColonnesTableau()[std::size_t(index.column())].Groupe == GroupeColonne::Marque;
        return QVariant::fromValue((texte ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    // A doubtful or repeated mark stands out, and says why.
    case Qt::BackgroundRole:
        return tableau_.Signalee(index.row(), index.column()) ? QVariant(QColor(255, 232, 150)) : QVariant();
    case Qt::ToolTipRole: return toolTip(index);
    default: return {};
    }
}

QVariant TModeleGrille::toolTip(const QModelIndex& index) const
{
    if (!tableau_.Signalee(index.row(), index.column())) return {};
    const QChar sep = QLocale().decimalPoint().front();
    QStringList marques;
    for (int p = 1; p <= tableau_.NombrePoints(); ++p)
        if (const QString t = tableau_.TexteMarque(index.row(), p, sep); !t.isEmpty())
            marques << QStringLiteral("%1: %2").arg(p).arg(t);
    return marques.join(u'\n');
}

QVariant TModeleGrille::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= tableau_.NombreColonnesTableau())
        return QAbstractTableModel::headerData(section, orientation, role);
    return TTableau::Etiquette(tableau_.ColonnesTableau()[size_t(section)]);
}

Qt::ItemFlags TModeleGrille::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
