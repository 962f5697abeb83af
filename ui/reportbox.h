// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>

#include <string>

namespace morvela {

// The locked, multi-line report box. It keeps the text exactly as assigned: QPlainTextEdit turns
// CR LF into a paragraph break and gives back LF only, and the form reads its text back to append.
// An assignment shows on the next display(): the form writes a report in seven steps, and laying
// the box out after each of them would be wasted.
class ReportBox final : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ReportBox(QWidget* parent = nullptr);

    const std::string& exactText() const { return text_; }
    void setExactText(const std::string& text);
    // Shows the text last assigned, if the box does not show it yet.
    void display();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::string text_;
    bool shown_ = true;
};

} // namespace morvela
