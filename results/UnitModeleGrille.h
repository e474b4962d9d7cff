#pragma once
// The table of values as the grid reads it: one row per sample, one column
// per field of the table, read-only, empty cells distinct from zeros.

#include <QAbstractTableModel>

class TTableau;

class TModeleGrille : public QAbstractTableModel {
    Q_OBJECT
public:
    TModeleGrille(const TTableau& tableau, QObject* parent);

    // After every change of the table's rows.
    void Reinitialiser();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QVariant toolTip(const QModelIndex& index) const; // how the row's marks were made, when one is flagged
    const TTableau& tableau_;
};
