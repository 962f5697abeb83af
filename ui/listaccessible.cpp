// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "listaccessible.h"

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

#include <QHash>
#include <QListWidget>

namespace morvela {

namespace {

// The rectangle of a row, in global coordinates.
QRect globalRect(const QListWidget* list, int row)
{
    const QRect r = list->visualItemRect(list->item(row));
    return r.isNull() ? r : r.translated(list->viewport()->mapToGlobal(QPoint(0, 0)));
}

QVariant custom(std::initializer_list<std::pair<const char*, int>> values)
{
    QHash<QString, QString> map;
    for (const auto& [name, value] : values)
        map.insert(QLatin1String(name), QString::number(value));
    return QVariant::fromValue(map);
}

} // namespace

ListAccessible::ListAccessible(QListWidget* list)
    : QAccessibleWidget(list, QAccessible::List)
{
}

ListAccessible::~ListAccessible()
{
    for (QAccessible::Id id : items_)
        QAccessible::deleteAccessibleInterface(id);
}

QListWidget* ListAccessible::list() const
{
    return static_cast<QListWidget*>(widget());
}

int ListAccessible::childCount() const
{
    return list()->count();
}

QAccessibleInterface* ListAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    // The list's groups are fixed once it is filled; should it change, the ids follow its size.
    while (items_.size() > static_cast<std::size_t>(childCount())) {
        QAccessible::deleteAccessibleInterface(items_.back());
        items_.pop_back();
    }
    while (items_.size() < static_cast<std::size_t>(childCount()))
        items_.push_back(QAccessible::registerAccessibleInterface(
            new ListItemAccessible(list(), static_cast<int>(items_.size()))));
    return QAccessible::accessibleInterface(items_[static_cast<std::size_t>(index)]);
}

int ListAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    auto* item = dynamic_cast<const ListItemAccessible*>(child);
    return item && item->parent() == this ? item->row() : -1;
}

QAccessibleInterface* ListAccessible::childAt(int x, int y) const
{
    for (int row = 0; row < childCount(); ++row)
        if (globalRect(list(), row).contains(x, y))
            return child(row);
    return nullptr;
}

QAccessibleInterface* ListAccessible::focusChild() const
{
    return list()->hasFocus() ? child(list()->currentRow()) : nullptr;
}

void* ListAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::SelectionInterface)
        return static_cast<QAccessibleSelectionInterface*>(this);
    if (type == QAccessible::AttributesInterface)
        return static_cast<QAccessibleAttributesInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int ListAccessible::selectedItemCount() const
{
    return list()->selectedItems().size();
}

QList<QAccessibleInterface*> ListAccessible::selectedItems() const
{
    QList<QAccessibleInterface*> out;
    for (QListWidgetItem* item : list()->selectedItems())
        out << child(list()->row(item));
    return out;
}

bool ListAccessible::select(QAccessibleInterface* item)
{
    const int row = indexOfChild(item);
    if (row < 0)
        return false;
    // As a click would choose it, so that the form hears of the choice.
    list()->setCurrentRow(row);
    return true;
}

// A list box always keeps one group chosen: nothing can be taken out of the selection.
bool ListAccessible::unselect(QAccessibleInterface*)
{
    return false;
}
bool ListAccessible::selectAll()
{
    return false;
}
bool ListAccessible::clear()
{
    return false;
}

QList<QAccessible::Attribute> ListAccessible::attributeKeys() const
{
    return { QAccessible::Attribute::Custom };
}

QVariant ListAccessible::attributeValue(QAccessible::Attribute key) const
{
    return key == QAccessible::Attribute::Custom ? custom({ { "setsize", childCount() } })
                                                 : QVariant();
}

ListItemAccessible::ListItemAccessible(QListWidget* list, int row)
    : list_(list)
    , row_(row)
{
}

bool ListItemAccessible::isValid() const
{
    return list_ && row_ < list_->count();
}

QWindow* ListItemAccessible::window() const
{
    QAccessibleInterface* p = parent();
    return p ? p->window() : nullptr;
}

QAccessibleInterface* ListItemAccessible::parent() const
{
    return list_ ? QAccessible::queryAccessibleInterface(list_.data()) : nullptr;
}

QString ListItemAccessible::text(QAccessible::Text t) const
{
    return isValid() && t == QAccessible::Name ? list_->item(row_)->text() : QString();
}

QRect ListItemAccessible::rect() const
{
    return isValid() ? globalRect(list_, row_) : QRect();
}

QAccessible::State ListItemAccessible::state() const
{
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.selectable = true;
    s.focusable = true;
    s.selected = list_->item(row_)->isSelected();
    s.focused = list_->hasFocus() && list_->currentRow() == row_;
    const QRect viewport(list_->viewport()->mapToGlobal(QPoint(0, 0)), list_->viewport()->size());
    s.offscreen = !viewport.intersects(rect());
    return s;
}

void* ListItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::AttributesInterface
        ? static_cast<QAccessibleAttributesInterface*>(this)
        : nullptr;
}

QList<QAccessible::Attribute> ListItemAccessible::attributeKeys() const
{
    return { QAccessible::Attribute::Custom };
}

QVariant ListItemAccessible::attributeValue(QAccessible::Attribute key) const
{
    if (key != QAccessible::Attribute::Custom || !isValid())
        return QVariant();
    return custom({ { "posinset", row_ + 1 }, { "setsize", list_->count() } });
}

} // namespace morvela

#endif
