#pragma once

#include <QLineEdit>

#include <optional>

namespace tgx {

// A field for a whole number of a range. It keeps the text as typed, a number
// outside the range included, so that no value is ever cut or replaced behind
// the user's back: number() says whether the text is a number of the range,
// and the dialog refuses it otherwise with refusal(). The Up and Down keys
// step the number within the range, as they do in a spin box.
class RangeField : public QLineEdit {
    Q_OBJECT

public:
    explicit RangeField(QWidget *parent = nullptr);

    // The range, and the message that refuses any other text.
    void setRange(int minimum, int maximum, const QString &refusal);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    QString refusal() const { return m_refusal; }

    // The number the text holds ("-", "−" or "+" may lead, blanks may
    // surround it), when it lies within the range.
    std::optional<int> number() const;
    void setNumber(int value);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::optional<int> typedNumber() const; // the text as a number, in range or not

    int m_minimum = 0;
    int m_maximum = 0;
    QString m_refusal;
};

// A number as messages write it, with a real minus sign: "−9999".
QString signedNumberText(int value);

} // namespace tgx
