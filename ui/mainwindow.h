// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "binding.h"
#include "bindings.h"
#include "formbuilder.h"
#include "morvela.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QButtonGroup;

namespace morvela {
class Announcer;
class ReportBox;
} // namespace morvela

namespace morvela {

// The main form: its controls as laid out, bound to the form's logic.
class MainWindow final : public QWidget, private ControlFactory
{
    Q_OBJECT

public:
    // Shows a message that a handler failed. The default opens a message box without blocking;
    // tests replace it.
    using ErrorReporter = std::function<void(const QString& message)>;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    void setErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

    // Centres the window on its screen, frame and all, as far as the frame is known yet.
    void centreOnScreen();

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    // Over each widget that the form's logic reaches, the control it sees, wired to its handler.
    ListBox& listBox(const layout::Control& control) override;
    OptionButton& optionButton(const layout::Control& control) override;
    CaptionControl& caption(const layout::Control& control) override;
    TextBox& textBox(const layout::Control& control) override;
    void bindCommands(const layout::Form& form);
    static void installAccessibleInterfaces();
    void describeForAccessibility(const layout::Form& form);
    // Runs one handler for the event loop: an error stops the handler, is reported, and the
    // window goes on with what had been assigned. True when the handler ran to its end.
    bool dispatch(const QString& action, const std::function<void()>& handler);
    void reportError(const QString& message);
    // What a screen reader says after each action, as the window shows it.
    void announceChoice(int parent);
    void announceReset();

    ErrorReporter reporter_;
    // The frame the window was last centred with; an X window manager makes it known only after
    // the window is shown.
    std::optional<QMargins> centredWithFrame_;
    ReportBox* reportBox_ = nullptr;
    Announcer* announcer_ = nullptr;
    QButtonGroup* options_ = nullptr;
    QButtonGroup* commands_ = nullptr;
    FormWidgets widgets_;
    std::vector<std::unique_ptr<ListBox>> lists_;
    std::vector<std::unique_ptr<OptionButton>> optionButtons_;
    std::vector<std::unique_ptr<CaptionControl>> captions_;
    std::unique_ptr<TextBox> report_;
    // The controls as the form sees them, which is also what is said of them.
    Controls controls_;
    std::unique_ptr<Morvela> form_;
};

// Names the application, then opens the main window centred on the screen, as at program start.
std::unique_ptr<MainWindow> showMainWindow();

} // namespace morvela
