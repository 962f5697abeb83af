// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The start on a Linux desktop, where the display may be missing or may not answer.

#include "display.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace morvela {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The displays that Qt will try, as the user named them.
std::string displaysTried()
{
    const std::string platform = environment("QT_QPA_PLATFORM");
    const std::string x11 = environment("DISPLAY");
    std::string wayland = environment("WAYLAND_DISPLAY");
    if (wayland.empty() && platform.rfind("wayland", 0) == 0)
        wayland = "wayland-0";
    std::vector<std::string> names;
    if (!wayland.empty() && platform.rfind("xcb", 0) != 0)
        names.push_back(wayland);
    if (!x11.empty() && platform.rfind("wayland", 0) != 0)
        names.push_back(x11);
    if (names.empty())
        return "\"\"";
    std::string joined = "\"" + names.front() + "\"";
    for (std::size_t i = 1; i < names.size(); ++i)
        joined += ", \"" + names[i] + "\"";
    return joined;
}

// Qt meets a display it cannot open with a few lines of warnings, then aborts with a core dump and
// advice to reinstall. While the application starts, its messages are held back; a fatal one
// becomes one clear line and exit status 1, and the others are let through once it has started.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> held;
bool starting = true;
QtMessageHandler passOn = nullptr;

void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!starting) {
        passOn(type, context, text);
        return;
    }
    if (type == QtFatalMsg) {
        const std::string platform = environment("QT_QPA_PLATFORM");
        if (platform.empty() || platform.rfind("xcb", 0) == 0
            || platform.rfind("wayland", 0) == 0) {
            const std::string displays = displaysTried();
            std::fprintf(stderr,
                "morvela: дисплеят %s не може да се отвори / cannot open the display %s\n",
                displays.c_str(), displays.c_str());
        } else {
            std::fprintf(stderr,
                "morvela: платформата \"%s\" не може да се стартира / cannot start the platform "
                "\"%s\"\n",
                platform.c_str(), platform.c_str());
        }
        std::_Exit(1);
    }
    held.push_back({ type, QByteArray(context.category), text });
}

} // namespace

void holdStartupMessages()
{
    passOn = qInstallMessageHandler(startupMessages);
}

void letHeldMessagesThrough()
{
    starting = false;
    for (const HeldMessage& m : held)
        passOn(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.constData()), m.text);
    held.clear();
}

bool displayMissing()
{
    if (!environment("DISPLAY").empty() || !environment("WAYLAND_DISPLAY").empty()
        || !environment("QT_QPA_PLATFORM").empty())
        return false;
    std::fputs(
        "morvela: няма дисплей (DISPLAY не е зададен) / no display: DISPLAY is not set\n", stderr);
    return true;
}

} // namespace morvela
