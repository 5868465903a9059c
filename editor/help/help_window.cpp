#include "help/help_window.h"

#include "help/help_text.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tgx {

namespace {

// Where the window stands, from the top left corner of the desktop's work area.
const QPoint kPlace(96, 64);

} // namespace

TA2::TA2(QWidget &mainWindow, ErrorGuard &guard)
    : DialogForm(mainWindow, guard, QStringLiteral("Error A2"))
{
    setObjectName(QStringLiteral("A2"));
    setWindowTitle(QStringLiteral("Nápověda pro TGX editor"));
    setClientSize(632, 446);
    setFixedPlace(kPlace);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    B0 = new QPlainTextEdit;
    B0->setObjectName(QStringLiteral("B0"));
    // A fixed-pitch face keeps the underlines as long as their headings on screen.
    QFont font(QStringLiteral("Courier New"), 9);
    font.setStyleHint(QFont::TypeWriter);
    B0->setFont(font);
    B0->setPlainText(helpTextLines().join(u'\n'));
    B0->setReadOnly(true);
    B0->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    B0->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    B0->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(B0);
}

} // namespace tgx
