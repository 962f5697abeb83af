// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (morvela::displayMissing())
        return 1;
#ifdef Q_OS_LINUX
    // Qt asks whether a screen reader runs once, as it starts, and never again: one turned on
    // later (Super+Alt+S in GNOME) would find no window at all. So the window is on the
    // accessibility bus whenever there is one, as GTK's programs are.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
#endif
    morvela::holdStartupMessages();
    QApplication app(argc, argv);
    morvela::letHeldMessagesThrough();
    const auto window = morvela::showMainWindow();
    return QApplication::exec();
}
