// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader says of the window's controls, beyond their visible captions.

#include "announcer.h"
#include "gridaccessible.h"
#include "listaccessible.h"
#include "mainwindow.h"
#include "reportaccessible.h"
#include "reportbox.h"
#include "widgets.h"

#include "speech.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace morvela {

namespace {

// The picture is an image to a screen reader, the announcer a notification, and the Punnett grid
// a table of text; the report is read by the lines it shows. A list shows all
// its groups where Qt (6.8, on Windows and under Orca 48) would hide those scrolled out of sight;
// Qt 6.4 gives AT-SPI all four already.
QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && className == QLatin1String("morvela::PictureBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (widget && className == QLatin1String("morvela::Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (widget && className == QLatin1String("morvela::ReportBox"))
        return new ReportAccessible(static_cast<ReportBox*>(widget));
    if (widget && className == QLatin1String("morvela::PunnettGrid"))
        return new GridAccessible(static_cast<PunnettGrid*>(widget));
    if (widget && className == QLatin1String("morvela::GridCell"))
        return new GridCellAccessible(static_cast<GridCell*>(widget));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (widget && className == QLatin1String("morvela::GroupList"))
        return new ListAccessible(static_cast<GroupList*>(widget));
#endif
    return nullptr;
}

// Qt tells a screen reader that a list took the focus and says nothing of its chosen item, so
// Orca says only "list with 4 items". Tell it instead that the chosen item took the focus: Orca
// then names the list, its size and the item, as for a list of any other toolkit.
QAccessible::UpdateHandler passOnUpdates = nullptr;

void focusOnChosenItem(QAccessibleEvent* event)
{
    auto* list = event->type() == QAccessible::Focus && event->child() < 0
        ? qobject_cast<GroupList*>(event->object())
        : nullptr;
    // Qt has no chain of handlers: pass the event on with this one out of the way.
    QAccessible::installUpdateHandler(passOnUpdates);
    if (list && list->currentRow() >= 0)
        list->tellChosenItemFocused();
    else
        QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(focusOnChosenItem);
}

} // namespace

void MainWindow::announceChoice(int parent)
{
    announcer_->announce(QString::fromStdString(speech::choice(controls_, parent)));
}

void MainWindow::announceReset()
{
    announcer_->announce(QString::fromStdString(speech::reset(controls_)));
}

void MainWindow::installAccessibleInterfaces()
{
    // Before the first control is made: with a screen reader running, Qt makes each control's
    // interface as the control is made, and keeps it.
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        passOnUpdates = QAccessible::installUpdateHandler(focusOnChosenItem);
        return true;
    }();
    Q_UNUSED(installed);
}

void MainWindow::describeForAccessibility(const layout::Form& form)
{
    for (const layout::Control& c : form.controls) {
        QWidget* widget = widgets_.at(&c);
        if (!c.accessibleName.empty())
            widget->setAccessibleName(QString::fromUtf8(c.accessibleName));
        if (const std::string d = speech::description(c); !d.empty())
            widget->setAccessibleDescription(QString::fromStdString(d));
        // A control headed by a caption is announced with it. A caption of a control that takes
        // the focus is also its buddy, so that the label says what it labels; Qt's list interface
        // reports no relation back, hence the name.
        const layout::Control* caption = form.captionOf(c);
        if (!caption)
            continue;
        auto* label = qobject_cast<QLabel*>(widgets_.at(caption));
        if (form.takesFocus(c))
            label->setBuddy(widget);
        widget->setAccessibleName(label->text());
    }
}

} // namespace morvela
