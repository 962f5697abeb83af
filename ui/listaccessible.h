// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

class QListWidget;

namespace morvela {

// A list one row high, as a screen reader should know it: every group in it, and how many.
// Qt's own interface marks the items scrolled out of sight invisible, so that UI Automation leaves
// them out of the list and Orca 48 counts only those on screen: a pupil would hear of two groups.
// Here they are merely off screen, and the list and each item carry the size of the set.
class ListAccessible final : public QAccessibleWidget,
                             public QAccessibleSelectionInterface,
                             public QAccessibleAttributesInterface
{
public:
    explicit ListAccessible(QListWidget* list);
    ~ListAccessible() override;

    QListWidget* list() const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    int selectedItemCount() const override;
    QList<QAccessibleInterface*> selectedItems() const override;
    bool select(QAccessibleInterface* item) override;
    bool unselect(QAccessibleInterface* item) override;
    bool selectAll() override;
    bool clear() override;

    QList<QAccessible::Attribute> attributeKeys() const override;
    QVariant attributeValue(QAccessible::Attribute key) const override;

private:
    // The items' ids, made as a reader first asks for them and dropped with the list.
    mutable std::vector<QAccessible::Id> items_;
};

// One group of a ListAccessible, by its row.
class ListItemAccessible final : public QAccessibleInterface, public QAccessibleAttributesInterface
{
public:
    ListItemAccessible(QListWidget* list, int row);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QList<QAccessible::Attribute> attributeKeys() const override;
    QVariant attributeValue(QAccessible::Attribute key) const override;

    int row() const { return row_; }

private:
    QPointer<QListWidget> list_;
    int row_;
};

} // namespace morvela

#endif
