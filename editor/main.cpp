#include "document/file_store.h"
#include "document/forms.h"
#include "document/qt_prompts.h"
#include "document/tool_bar_images.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TGX editor"));
    QApplication::setWindowIcon(tgx::ToolBarImages::programIcon());

    tgx::QtPrompts prompts;
    tgx::DiskFileStore store;
    tgx::Forms forms(prompts, store);
    forms.A0.show();
    return app.exec();
}
