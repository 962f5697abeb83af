#pragma once

#include <QPlainTextEdit>

#include <string>

namespace morvela {

// The locked, multi-line report box. It keeps the text exactly as assigned: QPlainTextEdit turns
// CR LF into a paragraph break and gives back LF only, and the form reads its text back to append.
class ReportBox final : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ReportBox(QWidget* parent = nullptr);

    const std::string& exactText() const { return text_; }
    void setExactText(const std::string& text);

private:
    std::string text_;
};

} // namespace morvela
