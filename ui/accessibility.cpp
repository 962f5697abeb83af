// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader says of the window's controls, beyond their visible captions.

#include "announcer.h"
#include "listaccessible.h"
#include "mainwindow.h"
#include "widgets.h"

#include "tabletext.h"

#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QLabel>

namespace morvela {

namespace {

QWidget* control(const QWidget* window, const char* name, int index = -1)
{
    const QString id = index < 0 ? QLatin1String(name)
                                 : QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
    return window->findChild<QWidget*>(id);
}

// The table picture read out row by row, with the figures it shows.
QString tableDescription()
{
    QStringList rows;
    for (const genetics::TableRow& row : genetics::tableRows()) {
        QStringList children;
        for (std::size_t c = 0; c < row.cells.size(); ++c)
            if (!row.cells[c].empty())
                children << QStringLiteral("%1 – %2").arg(
                    QLatin1String(genetics::groups[genetics::tableColumns[c]]),
                    QString::fromStdString(row.cells[c]));
        rows << QString::fromUtf8("Родители %1: деца %2.")
                    .arg(QString::fromStdString(row.parents), children.join(QLatin1String(", ")));
    }
    return rows.join(QLatin1Char(' '));
}

// The picture is an image to a screen reader, and the announcer a notification. A list shows all
// its groups where Qt (6.8, on Windows and under Orca 48) would hide those scrolled out of sight;
// Qt 6.4 gives AT-SPI all four already.
QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && className == QLatin1String("morvela::PictureBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (widget && className == QLatin1String("morvela::Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
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

QString captions(const std::array<std::unique_ptr<QtLabel>, 4>& labels, int from, int count)
{
    QStringList out;
    for (int i = from; i < from + count; ++i)
        out << QString::fromStdString(labels[static_cast<std::size_t>(i)]->caption());
    return out.join(QString::fromUtf8(" и "));
}

} // namespace

void MainWindow::announceChoice(int parent)
{
    QStringList cells;
    for (const auto& cell : cells_)
        cells << QString::fromStdString(cell->caption());
    auto* list = qobject_cast<QListWidget*>(control(this, "List1", parent));
    announcer_->announce(
        QString::fromUtf8("%1, група %2: алели %3. Решетка на Пънет: %4.")
            .arg(QString::fromUtf8(parent == 0 ? "Баща" : "Майка"),
                list->currentItem() ? list->currentItem()->text() : QString(),
                captions(alleles_, 2 * parent, 2), cells.join(QLatin1String(", "))));
}

void MainWindow::announceReport()
{
    // The heading and the result line, as the box shows them.
    const QStringList lines
        = QString::fromStdString(report_->text()).split(QLatin1String("\r\n"), Qt::SkipEmptyParts);
    announcer_->announce(lines.mid(qMax(0, lines.size() - 2)).join(QLatin1Char(' ')));
}

void MainWindow::announceReset()
{
    announcer_->announce(QString::fromUtf8("%1. Формата е изчистена: двамата родители са с група "
                                           "0, алелите са 0 и 0, отчетът е празен.")
                             .arg(options_->checkedButton()->text()));
}

void MainWindow::describeForAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        passOnUpdates = QAccessible::installUpdateHandler(focusOnChosenItem);
        return true;
    }();
    Q_UNUSED(installed);

    control(this, "Text1", 0)->setAccessibleName(QString::fromUtf8("Пояснения и резултат"));
    QWidget* picture = control(this, "Picture1");
    picture->setAccessibleName(
        QString::fromUtf8("Таблица: кръвни групи на децата според родителите"));
    picture->setAccessibleDescription(tableDescription());

    // Each list is announced with its caption. The caption is also its buddy, so that the label
    // says what it labels; Qt's list interface reports no relation back, hence the name.
    for (int i = 0; i < 2; ++i) {
        auto* caption = qobject_cast<QLabel*>(control(this, "Label1", i + 1));
        QWidget* list = control(this, "List1", i);
        caption->setBuddy(list);
        list->setAccessibleName(caption->text());
    }
    control(this, "Frame2")->setAccessibleName(QString::fromUtf8("Алели при кръвна група A или B"));

    // Allele labels and cells keep their captions as names: the alleles and genotypes are what
    // must be heard. Their descriptions say where they stand.
    const char* const alleles[] = { "Първи алел на бащата", "Втори алел на бащата",
        "Първи алел на майката", "Втори алел на майката" };
    for (int i = 0; i < 4; ++i) {
        control(this, "Label2", i)->setAccessibleDescription(QString::fromUtf8(alleles[i]));
        const int row = i / 2, column = i % 2;
        control(this, "Check1", i)
            ->setAccessibleDescription(
                QString::fromUtf8("Решетка на Пънет, ред %1 (%2), колона %3 (%4)")
                    .arg(row + 1)
                    .arg(QString::fromUtf8(alleles[2 + row]).toLower())
                    .arg(column + 1)
                    .arg(QString::fromUtf8(alleles[column]).toLower()));
    }
}

} // namespace morvela
