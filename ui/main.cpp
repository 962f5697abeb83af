#include "mainwindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a long diagnostic; say it in one line instead.
bool displayMissing()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return value == nullptr || *value == '\0';
    };
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    if (displayMissing()) {
        std::fputs(
            "morvela: няма дисплей (DISPLAY не е зададен) / no display: DISPLAY is not set\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    const auto window = morvela::showMainWindow();
    return QApplication::exec();
}
