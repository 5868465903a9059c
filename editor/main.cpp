#include "document/start_up.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // A printed sheet is laid out with fonts, which need a GUI application,
    // though not a display.
    if (tgx::printsOnTerminal(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return tgx::runOnTerminal();
    }
    // Help, version and checking files open no window, so they need no display.
    if (tgx::answersOnTerminal(argc, argv)) {
        QCoreApplication app(argc, argv);
        return tgx::runOnTerminal();
    }
    // Qt takes its own options (-platform, -style, ...) out of the arguments here.
    QApplication app(argc, argv);
    return tgx::runEditor(app);
}
