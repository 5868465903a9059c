#include "document/start_up.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Help, version and checking files open no window, so they need no display.
    if (tgx::answersOnTerminal(argc, argv)) {
        QCoreApplication app(argc, argv);
        return tgx::runOnTerminal();
    }
    // Qt takes its own options (-platform, -style, ...) out of the arguments here.
    QApplication app(argc, argv);
    return tgx::runEditor(app);
}
