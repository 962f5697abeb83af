// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures Morvela beside two floors, in one run: a bare Qt window of the same size and font, which
// draws one line in its font so that both load the font; and the form's own controls, the same
// 22 with the same texts, look and picture, built from the form's description with no program
// behind them (no handlers, nothing for a screen reader, no start-up run).
//   start-up: from process start until the window is first shown and painted, median of runs;
//   memory:   resident set once idle;
//   handlers: one list selection and one report, median over many.
// With --instructions, instead: the instructions executed from process start to the first paint,
// counted by valgrind's callgrind, which the shared machine's load does not sway.
// Run it on the platform to be measured, e.g. under xvfb-run.
// Usage: morvela-benchmark [runs] | morvela-benchmark --instructions [runs]

#include "classiclook.h"
#include "formbuilder.h"
#include "layout.h"
#include "mainwindow.h"
#include "widgets.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0.0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

qint64 monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// Resident memory in KiB, from the kernel; 0 where it cannot be read.
qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// Prints the time of the first paint once it has been drawn, then the memory after a short idle;
// or, when counting instructions, ends the process as soon as the paint is done.
class FirstPaint final : public QObject
{
public:
    explicit FirstPaint(bool exitAtPaint)
        : exitAtPaint_(exitAtPaint)
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [this] {
                if (exitAtPaint_)
                    std::_Exit(0);
                std::printf("painted %lld\n", static_cast<long long>(monotonicNanoseconds()));
                QTimer::singleShot(500, [] {
                    std::printf("resident %lld\n", static_cast<long long>(residentKiB()));
                    std::fflush(stdout);
                    QCoreApplication::quit();
                });
            });
        }
        return false;
    }

private:
    bool exitAtPaint_;
    bool seen_ = false;
};

// The baseline: a plain widget of the window's size and font that draws one line in that font, so
// that it pays for loading the font as any window with text must.
class BareWindow final : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Morvela"));
    }
};

// A child process: one window, shown as the program shows its own.
int startWindow(int argc, char* argv[], const QByteArray& which, bool exitAtPaint)
{
    QApplication app(argc, argv);
    FirstPaint probe(exitAtPaint);
    std::unique_ptr<QWidget> window;
    const morvela::layout::Form& form = morvela::layout::mainForm();
    if (which == "bare") {
        window = std::make_unique<BareWindow>();
        window->setFixedSize(form.size().width, form.size().height);
        QFont font(
            QString::fromUtf8(form.font.family.data(), form.font.family.size()), form.font.points);
        font.setStyleHint(QFont::Serif);
        window->setFont(font);
    } else if (which == "controls") {
        window = std::make_unique<QWidget>();
        morvela::keepClassicLook(window.get());
        morvela::buildForm(window.get(), form);
        window->findChild<morvela::PictureBox*>(QStringLiteral("Picture1"))
            ->setPicture(QImage(qApp->devicePixelRatio() > 1 ? QStringLiteral(":/pictures/table@2x.jpg")
                                                             : QStringLiteral(":/pictures/table.jpg")));
    }
    if (window) {
        window->installEventFilter(&probe);
        const QRect screen = window->screen()->availableGeometry();
        window->move(screen.center() - window->rect().center());
        window->show();
    } else {
        // The filter must be in place before the first paint, which comes after show returns.
        app.installEventFilter(&probe);
        window = morvela::showMainWindow();
        app.removeEventFilter(&probe);
        window->installEventFilter(&probe);
    }
    return QApplication::exec();
}

struct StartUp
{
    double milliseconds = 0;
    double mebibytes = 0;
};

StartUp measureStart(const QString& which)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 started = monotonicNanoseconds();
    child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--start"), which });
    if (!child.waitForFinished(30000) || child.exitCode() != 0) {
        std::fprintf(stderr, "morvela-benchmark: the %s window did not start\n", qPrintable(which));
        std::exit(1);
    }
    StartUp result;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith("painted "))
            result.milliseconds = (line.mid(8).toLongLong() - started) / 1e6;
        if (line.startsWith("resident "))
            result.mebibytes = line.mid(9).toLongLong() / 1024.0;
    }
    return result;
}

// Instructions from process start to the first paint of one window, counted by callgrind.
double instructions(const QString& which)
{
    const QString out = QDir::temp().filePath(
        QStringLiteral("morvela-callgrind-%1.out").arg(QCoreApplication::applicationPid()));
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral("valgrind"),
        { QStringLiteral("--tool=callgrind"), QStringLiteral("--quiet"),
            QStringLiteral("--callgrind-out-file=") + out, QCoreApplication::applicationFilePath(),
            QStringLiteral("--start"), which, QStringLiteral("--exit-at-paint") });
    if (!child.waitForFinished(300000) || child.exitCode() != 0) {
        std::fprintf(stderr, "morvela-benchmark: the %s window did not start under valgrind%s\n",
            qPrintable(which),
            child.error() == QProcess::FailedToStart ? " (is valgrind installed?)" : "");
        std::exit(1);
    }
    QFile file(out);
    double total = 0;
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.readAll().split('\n'))
            if (line.startsWith("totals: ") || line.startsWith("summary: "))
                total = line.mid(line.indexOf(' ') + 1).trimmed().toDouble();
    file.remove();
    if (total <= 0) {
        std::fprintf(
            stderr, "morvela-benchmark: callgrind counted nothing for %s\n", qPrintable(which));
        std::exit(1);
    }
    return total;
}

int countInstructions(int runs)
{
    std::vector<double> morvela, bare, controls;
    for (int k = 0; k < runs; ++k) {
        morvela.push_back(instructions(QStringLiteral("morvela")));
        bare.push_back(instructions(QStringLiteral("bare")));
        controls.push_back(instructions(QStringLiteral("controls")));
    }
    const double m = median(morvela) / 1e6, b = median(bare) / 1e6, c = median(controls) / 1e6;
    std::printf(
        "platform %s, %d callgrind runs each\n", qPrintable(QGuiApplication::platformName()), runs);
    std::printf("%-30s %10s %10s %10s %8s %8s %8s\n", "measure", "Morvela", "bare", "controls",
        "/bare", "/ctrls", "goal");
    std::printf("%-30s %10.1f %10.1f %10.1f %8.3f %8.3f %8s\n", "instructions to first paint, M",
        m, b, c, m / b, m / c, "<= 1.10");
    return 0;
}

template <typename Action> double medianMilliseconds(int times, Action action)
{
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(times));
    for (int k = 0; k < times; ++k) {
        const auto start = Clock::now();
        action(k);
        samples.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return median(samples);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc >= 3 && QByteArray(argv[1]) == "--start")
        return startWindow(
            argc, argv, QByteArray(argv[2]), argc > 3 && QByteArray(argv[3]) == "--exit-at-paint");

    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--instructions")
        return countInstructions(argc > 2 ? std::max(1, QByteArray(argv[2]).toInt()) : 3);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 21;

    // One discarded pair warms the page cache; then the two alternate, so that a disturbance of
    // the machine falls on both alike.
    const QString kinds[] = { QStringLiteral("morvela"), QStringLiteral("bare"),
        QStringLiteral("controls") };
    for (const QString& kind : kinds)
        measureStart(kind);
    std::vector<double> times[3], memory[3];
    for (int k = 0; k < runs; ++k)
        for (int w = 0; w < 3; ++w) {
            const StartUp s = measureStart(kinds[w]);
            times[w].push_back(s.milliseconds);
            memory[w].push_back(s.mebibytes);
        }

    morvela::MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    QListWidget* lists[] = { window.findChild<QListWidget*>(QStringLiteral("List1_0")),
        window.findChild<QListWidget*>(QStringLiteral("List1_1")) };
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("Command1_0"));
    const int handlerRuns = 20000;
    const double selection = medianMilliseconds(
        handlerRuns, [&lists](int k) { lists[k % 2]->setCurrentRow((k / 2) % 4); });
    const double report = medianMilliseconds(handlerRuns, [calculate](int) { calculate->click(); });

    std::printf("platform %s, %d start-up runs each, %d handler runs\n",
        qPrintable(QGuiApplication::platformName()), runs, handlerRuns);
    std::printf("%-22s %10s %10s %10s %8s %8s %8s\n", "measure", "Morvela", "bare", "controls",
        "/bare", "/ctrls", "goal");
    const auto row = [](const char* measure, const std::vector<double>(&v)[3]) {
        const double m = median(v[0]), b = median(v[1]), c = median(v[2]);
        std::printf("%-22s %10.1f %10.1f %10.1f %8.3f %8.3f %8s\n", measure, m, b, c,
            b > 0 ? m / b : 0.0, c > 0 ? m / c : 0.0, "<= 1.10");
    };
    row("start-up, ms", times);
    row("resident memory, MiB", memory);
    std::printf("%-22s %10.4f %10s %10s %8s %8s %8s\n", "a selection, ms", selection, "", "", "",
        "", "< 0.2");
    std::printf("%-22s %10.4f %10s %10s %8s %8s %8s\n", "a report, ms", report, "", "", "", "",
        "< 0.2");
    return 0;
}
