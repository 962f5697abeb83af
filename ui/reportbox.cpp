// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reportbox.h"

#include "layout.h"

#include <QScrollBar>

namespace morvela {

ReportBox::ReportBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
}

void ReportBox::setExactText(const std::string& text)
{
    text_ = text;
    shown_ = false;
}

void ReportBox::display()
{
    // Until the box is shown its viewport has no final width, and the text would be laid out
    // twice.
    if (shown_ || !isVisible())
        return;
    shown_ = true;
    setPlainText(QString::fromStdString(layout::shownText(text_)));
}

void ReportBox::showEvent(QShowEvent* event)
{
    QPlainTextEdit::showEvent(event);
    display();
}

} // namespace morvela
