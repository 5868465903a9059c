#include "editing/range_field.h"

#include <QKeyEvent>

#include <algorithm>

namespace tgx {

namespace {

constexpr QChar kMinusSign = u'\u2212';

} // namespace

RangeField::RangeField(QWidget *parent)
    : QLineEdit(parent)
{
}

void RangeField::setRange(int minimum, int maximum, const QString &refusal)
{
    m_minimum = minimum;
    m_maximum = maximum;
    m_refusal = refusal;
}

std::optional<int> RangeField::typedNumber() const
{
    bool ok = false;
    const int value = text().trimmed().replace(kMinusSign, u'-').toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<int> RangeField::number() const
{
    const auto value = typedNumber();
    if (!value || *value < m_minimum || *value > m_maximum)
        return std::nullopt;
    return value;
}

void RangeField::setNumber(int value)
{
    setText(QString::number(value));
}

void RangeField::keyPressEvent(QKeyEvent *event)
{
    const int step = event->key() == Qt::Key_Up ? 1 : event->key() == Qt::Key_Down ? -1 : 0;
    const auto value = typedNumber();
    if (step == 0 || !value) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    setNumber(int(std::clamp(qint64(*value) + step, qint64(m_minimum), qint64(m_maximum))));
    selectAll();
    event->accept();
}

QString signedNumberText(int value)
{
    return value < 0 ? kMinusSign + QString::number(-qint64(value)) : QString::number(value);
}

} // namespace tgx
