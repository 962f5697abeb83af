// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (morvela::displayMissing())
        return 1;
    morvela::holdStartupMessages();
    QApplication app(argc, argv);
    morvela::letHeldMessagesThrough();
    const auto window = morvela::showMainWindow();
    return QApplication::exec();
}
