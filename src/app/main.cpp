// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QIcon>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "window/frmMain.h"

namespace {

// Qt aborts with a terse platform-plugin message when there is no display; say it plainly.
bool DisplayAvailable() {
    if (std::getenv("QT_QPA_PLATFORM")) return true;
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!DisplayAvailable()) {
        std::fputs(
            "nuklorama: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
            "Start it from a desktop session, or render the chart to an image with "
            "nuklorama-cli.\n",
            stderr);
        return 1;
    }
    // A save that grows past the file size limit must fail with a message, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nuklorama"));
    QApplication::setDesktopFileName(QStringLiteral("org.nuklorama.Nuklorama"));
    QIcon icon(QStringLiteral(":/icons/nuklorama-48.png"));
    icon.addFile(QStringLiteral(":/icons/nuklorama-256.png"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("nuklorama"), icon));
    nuklorama::frmMain window;
    window.show();
    return app.exec();
}
