// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

class QAbstractButton;

namespace morvela {

class PunnettGrid;

// The Punnett grid as a screen reader should know it: a table of two rows and two columns, named
// by its caption, whose columns are the father's alleles and whose rows are the mother's. Its
// widgets are check boxes in a disabled frame; a pupil would hear of controls that cannot be
// checked, all unavailable.
class GridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit GridAccessible(PunnettGrid* grid);

    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override;
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int rowCount() const override { return 2; }
    int columnCount() const override { return 2; }
    QString rowDescription(int row) const override;
    QString columnDescription(int column) const override;

    // Nothing in the grid can be chosen.
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { }

private:
    PunnettGrid* grid() const;
};

// One genotype of the grid: text in a cell, under its father's allele and beside its mother's.
class GridCellAccessible final : public QAccessibleWidget, public QAccessibleTableCellInterface
{
public:
    explicit GridCellAccessible(QAbstractButton* cell);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return index() % 2; }
    int rowIndex() const override { return index() / 2; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    PunnettGrid* grid() const;
    int index() const;
};

} // namespace morvela
