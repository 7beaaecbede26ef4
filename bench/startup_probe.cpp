// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Starts like the game does (or, built as the floor, shows one empty window
// of the same size), writes "shown" to standard output once the window is
// first exposed, and quits. The bench times this from outside.
#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <cstdio>

#ifdef VARNEL_FLOOR
#include <QWidget>
#else
#include "ui/qt/form1_window.h"
#endif

namespace {

class ExposeWatcher final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed() && !done_) {
            done_ = true;
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    bool done_ = false;
};

} // namespace

int main(int, char* argv[])
{
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
#ifdef VARNEL_FLOOR
    QWidget window;
    window.resize(185, 104);
#else
    varnel::Form1Window window;
#endif
    window.winId(); // makes the native window, so its exposure can be watched
    ExposeWatcher watcher;
    window.windowHandle()->installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}
