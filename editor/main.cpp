#include "document/start_up.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Qt takes its own options (-platform, -style, ...) out of the arguments here.
    QApplication app(argc, argv);
    return tgx::runEditor(app);
}
