#include "document/start_up.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Checking files opens no window, so it needs no display.
    if (tgx::asksToCheckFiles(argc, argv)) {
        QCoreApplication app(argc, argv);
        return tgx::runCheck();
    }
    // Qt takes its own options (-platform, -style, ...) out of the arguments here.
    QApplication app(argc, argv);
    return tgx::runEditor(app);
}
