// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Varnel on Qt: shows the one window and runs the event loop.
#include "ui/qt/form1_window.h"

#include <QApplication>

int main(int, char* argv[])
{
    // The program takes no command line: the toolkit sees only its name.
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.varnel.Varnel"));

    varnel::Form1Window window;
    window.show();
    return QApplication::exec();
}
