// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

#include <utility>
#include <vector>

namespace morvela {

class ReportBox;

// The report box as a screen reader reads it, line by line as it is shown. Qt's own interface ends
// a line that wraps at a space before that space, which it still counts in the line: a reader that
// goes on from a line's end is given the same line again, and never hears the space.
// Here a line runs from its first character to the first of the next, less any line break.
class ReportAccessible final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ReportAccessible(ReportBox* box);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
        int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
        int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
        int* endOffset) const override;

private:
    ReportBox* box() const;
    // Each line as shown, first and past-the-last offsets, in order.
    std::vector<std::pair<int, int>> lines() const;
    // The line that holds the offset (the last one for the end of the text), or -1.
    int lineAt(const std::vector<std::pair<int, int>>& lines, int offset) const;
    // The line that is step lines from the one holding the offset: its text and offsets.
    QString lineFrom(int offset, int step, int* startOffset, int* endOffset) const;
};

} // namespace morvela
