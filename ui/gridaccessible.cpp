// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridaccessible.h"

#include "widgets.h"

#include <QAbstractButton>

namespace morvela {

namespace {

// Shown as enabled, it is told as enabled: a reader would call every cell unavailable.
QAccessible::State shownState(QAccessible::State state)
{
    state.disabled = false;
    state.checkable = false;
    state.checked = false;
    return state;
}

QString nameOf(QWidget* header)
{
    return header ? QAccessible::queryAccessibleInterface(header)->text(QAccessible::Name)
                  : QString();
}

QList<QAccessibleInterface*> headerCells(QWidget* header)
{
    if (!header)
        return {};
    return { QAccessible::queryAccessibleInterface(header) };
}

} // namespace

GridAccessible::GridAccessible(PunnettGrid* grid)
    : QAccessibleWidget(grid, QAccessible::Table)
{
}

PunnettGrid* GridAccessible::grid() const
{
    return static_cast<PunnettGrid*>(widget());
}

QAccessible::State GridAccessible::state() const
{
    return shownState(QAccessibleWidget::state());
}

void* GridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* GridAccessible::caption() const
{
    return QAccessible::queryAccessibleInterface(grid()->caption());
}

QAccessibleInterface* GridAccessible::cellAt(int row, int column) const
{
    QAbstractButton* cell = grid()->cell(row, column);
    return cell ? QAccessible::queryAccessibleInterface(cell) : nullptr;
}

QString GridAccessible::rowDescription(int row) const
{
    return nameOf(grid()->rowHeader(row));
}

QString GridAccessible::columnDescription(int column) const
{
    return nameOf(grid()->columnHeader(column));
}

GridCellAccessible::GridCellAccessible(QAbstractButton* cell)
    : QAccessibleWidget(cell, QAccessible::Cell)
{
}

PunnettGrid* GridCellAccessible::grid() const
{
    return qobject_cast<PunnettGrid*>(widget()->parentWidget());
}

int GridCellAccessible::index() const
{
    const PunnettGrid* g = grid();
    return g ? g->indexOf(static_cast<QAbstractButton*>(widget())) : -1;
}

QString GridCellAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return static_cast<QAbstractButton*>(widget())->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State GridCellAccessible::state() const
{
    return shownState(QAccessibleWidget::state());
}

void* GridCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QList<QAccessibleInterface*> GridCellAccessible::columnHeaderCells() const
{
    return headerCells(index() >= 0 ? grid()->columnHeader(columnIndex()) : nullptr);
}

QList<QAccessibleInterface*> GridCellAccessible::rowHeaderCells() const
{
    return headerCells(index() >= 0 ? grid()->rowHeader(rowIndex()) : nullptr);
}

QAccessibleInterface* GridCellAccessible::table() const
{
    return grid() ? QAccessible::queryAccessibleInterface(grid()) : nullptr;
}

} // namespace morvela
