// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reportaccessible.h"

#include "reportbox.h"

#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>

namespace morvela {

ReportAccessible::ReportAccessible(ReportBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

ReportBox* ReportAccessible::box() const
{
    return static_cast<ReportBox*>(widget());
}

QString ReportAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? box()->toPlainText() : QAccessibleWidget::text(t);
}

QAccessible::State ReportAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.selectableText = true;
    s.multiLine = true;
    s.readOnly = true;
    return s;
}

void* ReportAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void ReportAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const QTextCursor cursor = box()->textCursor();
    const bool any = selectionIndex == 0 && cursor.hasSelection();
    *startOffset = any ? cursor.selectionStart() : 0;
    *endOffset = any ? cursor.selectionEnd() : 0;
}

int ReportAccessible::selectionCount() const
{
    return box()->textCursor().hasSelection() ? 1 : 0;
}

void ReportAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void ReportAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = box()->textCursor();
    cursor.clearSelection();
    box()->setTextCursor(cursor);
}

void ReportAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    const int count = characterCount();
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = box()->textCursor();
    cursor.setPosition(std::clamp(startOffset, 0, count));
    cursor.setPosition(std::clamp(endOffset, 0, count), QTextCursor::KeepAnchor);
    box()->setTextCursor(cursor);
}

int ReportAccessible::cursorPosition() const
{
    return box()->textCursor().position();
}

void ReportAccessible::setCursorPosition(int position)
{
    QTextCursor cursor = box()->textCursor();
    cursor.setPosition(std::clamp(position, 0, characterCount()));
    box()->setTextCursor(cursor);
}

QString ReportAccessible::text(int startOffset, int endOffset) const
{
    const QString all = box()->toPlainText();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(all.size()));
    endOffset = std::clamp(endOffset, startOffset, static_cast<int>(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

int ReportAccessible::characterCount() const
{
    return box()->document()->characterCount() - 1;
}

QRect ReportAccessible::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount())
        return QRect();
    QTextCursor cursor = box()->textCursor();
    cursor.setPosition(offset);
    const QRect at = box()->cursorRect(cursor);
    cursor.setPosition(offset + 1);
    const QRect next = box()->cursorRect(cursor);
    // The next character's caret on the same line marks the width; at a line's end, the glyph's.
    const int width = next.top() == at.top() && next.left() > at.left()
        ? next.left() - at.left()
        : box()->fontMetrics().horizontalAdvance(text(offset, offset + 1));
    const QRect r(at.left(), at.top(), width, at.height());
    return r.translated(box()->viewport()->mapToGlobal(QPoint(0, 0)));
}

int ReportAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = box()->viewport()->mapFromGlobal(point);
    return box()->viewport()->rect().contains(local) ? box()->cursorForPosition(local).position()
                                                     : -1;
}

void ReportAccessible::scrollToSubstring(int startIndex, int /*endIndex*/)
{
    // The box scrolls by shown lines: bring the one that holds the start to the top.
    const auto all = lines();
    const int index = lineAt(all, startIndex);
    if (index >= 0)
        box()->verticalScrollBar()->setValue(index);
}

QString ReportAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // One font and colour throughout: a single run with nothing to tell.
    const int count = characterCount();
    *startOffset = offset < 0 || offset > count ? -1 : 0;
    *endOffset = offset < 0 || offset > count ? -1 : count;
    return QString();
}

std::vector<std::pair<int, int>> ReportAccessible::lines() const
{
    QTextDocument* document = box()->document();
    // The box lays a paragraph out only once it is needed on screen.
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
    std::vector<std::pair<int, int>> out;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (layout)
            layout->ensureBlockLayout(block);
        const QTextLayout* shown = block.layout();
        const int lineCount = shown ? shown->lineCount() : 0;
        // A paragraph not laid out, or empty, is one line.
        if (lineCount == 0)
            out.emplace_back(block.position(), block.position() + block.length() - 1);
        for (int i = 0; i < lineCount; ++i) {
            const QTextLine line = shown->lineAt(i);
            const int start = block.position() + line.textStart();
            const int end = i + 1 < lineCount ? block.position() + shown->lineAt(i + 1).textStart()
                                              : block.position() + block.length() - 1;
            out.emplace_back(start, end);
        }
    }
    return out;
}

int ReportAccessible::lineAt(const std::vector<std::pair<int, int>>& lines, int offset) const
{
    if (offset == -1)
        offset = characterCount();
    for (std::size_t i = 0; i < lines.size(); ++i)
        // A paragraph's end, where its line break stands, belongs to its last line.
        if (offset >= lines[i].first
            && (offset < lines[i].second
                || (offset == lines[i].second
                    && (i + 1 == lines.size() || lines[i + 1].first > offset))))
            return static_cast<int>(i);
    return -1;
}

QString ReportAccessible::lineFrom(int offset, int step, int* startOffset, int* endOffset) const
{
    const auto all = lines();
    const int at = lineAt(all, offset);
    const int index = at < 0 ? -1 : at + step;
    if (index < 0 || index >= static_cast<int>(all.size())) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    *startOffset = all[index].first;
    *endOffset = all[index].second;
    return text(*startOffset, *endOffset);
}

QString ReportAccessible::textBeforeOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset, int* endOffset) const
{
    return boundaryType == QAccessible::LineBoundary
        ? lineFrom(offset, -1, startOffset, endOffset)
        : QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset, endOffset);
}

QString ReportAccessible::textAfterOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset, int* endOffset) const
{
    return boundaryType == QAccessible::LineBoundary
        ? lineFrom(offset, 1, startOffset, endOffset)
        : QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset, endOffset);
}

QString ReportAccessible::textAtOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset, int* endOffset) const
{
    return boundaryType == QAccessible::LineBoundary
        ? lineFrom(offset, 0, startOffset, endOffset)
        : QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
}

} // namespace morvela
