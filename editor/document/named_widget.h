#pragma once

#include <QLabel>
#include <QString>

namespace tgx {

// Creates a Widget under parent (none: the layout it goes into adopts it)
// whose objectName is name, the name the program and its tests find it by.
template <typename Widget>
Widget *namedWidget(const char *name, QWidget *parent = nullptr)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A named label that shows text character for character, never as markup.
inline QLabel *plainLabel(const char *name, const QString &text, QWidget *parent = nullptr)
{
    auto *label = namedWidget<QLabel>(name, parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

} // namespace tgx
