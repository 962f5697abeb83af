// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls.h"

#include <QCheckBox>
#include <QLabel>

#include <functional>

class QAbstractButton;
class QListWidget;
class QRadioButton;

namespace morvela {

class ReportBox;

// The form's view of each control, over the Qt widget that shows it.

class QtListBox final : public ListBox
{
public:
    explicit QtListBox(QListWidget* widget);

    // The form's click handler, run directly (errors propagate) by setListIndex.
    void setClickHandler(std::function<void()> handler) { clickHandler_ = std::move(handler); }
    // True while setListIndex moves the selection, so that the widget's own change signal is not
    // taken for a second click.
    bool assigning() const { return assigning_; }

    void clear() override;
    void addItem(const std::string& text) override;
    std::int16_t listIndex() const override;
    std::int16_t listCount() const override;
    std::string item(std::int16_t i) const override;

private:
    void choose(std::int16_t index) override;

    QListWidget* widget_;
    std::function<void()> clickHandler_;
    bool assigning_ = false;
};

// A caption over a widget that shows a text: the allele labels and the grid cells.
template <typename W> class QtCaption final : public CaptionControl
{
public:
    explicit QtCaption(W* widget)
        : widget_(widget)
    {
    }
    std::string caption() const override { return widget_->text().toStdString(); }
    void setCaption(const std::string& text) override
    {
        widget_->setText(QString::fromStdString(text));
    }

private:
    W* widget_;
};
using QtLabel = QtCaption<QLabel>;
using QtCheckBox = QtCaption<QCheckBox>;

class QtOptionButton final : public OptionButton
{
public:
    explicit QtOptionButton(QRadioButton* widget)
        : widget_(widget)
    {
    }
    bool value() const override;
    std::string caption() const override;

private:
    QRadioButton* widget_;
};

class QtTextBox final : public TextBox
{
public:
    explicit QtTextBox(ReportBox* widget)
        : widget_(widget)
    {
    }
    std::string text() const override;
    void setText(const std::string& text) override;

private:
    ReportBox* widget_;
};

} // namespace morvela
