// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bindings.h"

#include "reportbox.h"

#include <QListWidget>
#include <QRadioButton>

namespace morvela {

QtListBox::QtListBox(QListWidget* widget)
    : widget_(widget)
{
}

void QtListBox::clear()
{
    widget_->clear();
}

void QtListBox::addItem(const std::string& text)
{
    widget_->addItem(QString::fromStdString(text));
}

std::int16_t QtListBox::listIndex() const
{
    return static_cast<std::int16_t>(widget_->currentRow());
}

std::int16_t QtListBox::listCount() const
{
    return static_cast<std::int16_t>(widget_->count());
}

void QtListBox::choose(std::int16_t index)
{
    // Qt signals only a real change; the form needs its handler to run on every assignment, and
    // inside it.
    assigning_ = true;
    widget_->setCurrentRow(index);
    assigning_ = false;
    if (clickHandler_)
        clickHandler_();
}

std::string QtListBox::item(std::int16_t i) const
{
    const QListWidgetItem* it = widget_->item(i);
    return it ? it->text().toStdString() : std::string();
}

bool QtOptionButton::value() const
{
    return widget_->isChecked();
}

std::string QtOptionButton::caption() const
{
    return widget_->text().toStdString();
}

std::string QtTextBox::text() const
{
    return widget_->exactText();
}

void QtTextBox::setText(const std::string& text)
{
    widget_->setExactText(text);
}

} // namespace morvela
