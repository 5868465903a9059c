#include "editing/find_bar.h"

#include "document/named_widget.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

namespace tgx {

namespace {

const QString kCaption = QStringLiteral("Najít:");
const QString kNotFound = QStringLiteral("Nenalezeno");
const QString kCloseHint = QStringLiteral("Zavřít");

constexpr int kFieldWidth = 200;
constexpr int kMargin = 8; // the views' left and right margin

} // namespace

FindBar::FindBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("H3"));
    createControls();
    createShortcuts();
    hide();
}

void FindBar::createControls()
{
    H7 = plainLabel("H7", kCaption, this);
    H4 = namedWidget<QLineEdit>("H4", this);
    H4->setFixedWidth(kFieldWidth);
    H7->setBuddy(H4);
    H5 = plainLabel("H5", kNotFound, this);
    H5->hide();
    H6 = namedWidget<QToolButton>("H6", this);
    H6->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    H6->setToolTip(kCloseHint);
    H6->setAutoRaise(true);
    H6->setFocusPolicy(Qt::NoFocus);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(kMargin, 2, kMargin, 2);
    layout->addWidget(H7);
    layout->addWidget(H4);
    layout->addWidget(H5);
    layout->addStretch();
    layout->addWidget(H6);

    connect(H4, &QLineEdit::textEdited, this, &FindBar::textEdited);
    connect(H4, &QLineEdit::returnPressed, this, &FindBar::nextRequested);
    connect(H6, &QToolButton::clicked, this, &FindBar::dismiss);
}

// F3 and Escape belong to the whole window, so that they work from the view
// searched as well as from the field; a shortcut of a hidden widget does not
// fire, so they work only while the bar shows.
void FindBar::createShortcuts()
{
    auto *next = new QShortcut(QKeySequence(Qt::Key_F3), this);
    next->setContext(Qt::WindowShortcut);
    connect(next, &QShortcut::activated, this, &FindBar::nextRequested);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &FindBar::dismiss);
}

QString FindBar::text() const
{
    return H4->text();
}

void FindBar::open()
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && !isAncestorOf(focus))
        m_returnFocus = focus;
    H5->hide();
    show();
    H4->setFocus(Qt::ShortcutFocusReason);
    H4->selectAll();
}

void FindBar::dismiss()
{
    hide();
    if (m_returnFocus)
        m_returnFocus->setFocus(Qt::OtherFocusReason);
    emit dismissed();
}

void FindBar::reset()
{
    H4->clear();
    H5->hide();
    if (!isHidden())
        dismiss();
}

void FindBar::setFound(bool found)
{
    H5->setVisible(!found && !H4->text().isEmpty());
}

} // namespace tgx
