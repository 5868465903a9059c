#include "editing/repeat_train_dialog.h"

#include "document/document_lines.h"
#include "document/error_guard.h"
#include "document/named_widget.h"
#include "document/prompts.h"
#include "document/train_selection.h"
#include "trains/decoded_record.h"
#include "trains/train_commands_texts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tgx {

namespace {

const QString kTitle = QStringLiteral("Opakovat vlak");
const QString kCount = QStringLiteral("Počet opakování");
const QString kInterval = QStringLiteral("Interval (min)");
const QString kNumberStep = QStringLiteral("Změna čísla vlaku");
const QString kCancel = QStringLiteral("Storno");
const QString kConfirm = QStringLiteral("OK");
const QString kNumberOutOfRange = QStringLiteral("Číslo vlaku by bylo mimo rozsah 0 až 99999.");

// Handlers and the texts their guards show.
const QString kCloseError = QStringLiteral("Error A5-A");
const QString kShowError = QStringLiteral("Error A5-B");
const QString kCancelError = QStringLiteral("Error A5-C");
const QString kOkError = QStringLiteral("Error A5-D");

// What the user may enter.
constexpr int kMaxCount = 99;
constexpr int kMaxInterval = kMinutesPerDay - 1; // minutes: a whole day would give the same times again
constexpr int kMaxNumberStep = 9999;

constexpr int kClientWidth = 233;
constexpr int kClientHeight = 121;

QSpinBox *valueField(QWidget *parent, const char *name, int minimum, int maximum, int value)
{
    auto *field = namedWidget<QSpinBox>(name, parent);
    field->setRange(minimum, maximum);
    field->setValue(value);
    field->setAccelerated(true);
    return field;
}

} // namespace

RepeatTrainDialog::RepeatTrainDialog(QWidget &mainWindow, ErrorGuard &guard, Prompts &prompts, DocumentLines &lines,
                                     const TrainSelection &selection)
    : DialogForm(mainWindow, guard, kCloseError, kShowError)
    , m_prompts(prompts)
    , m_lines(lines)
    , m_selection(selection)
{
    setObjectName(QStringLiteral("A5"));
    setWindowTitle(kTitle);
    setClientSize(kClientWidth, kClientHeight);
    createControls();
    connectHandlers();
}

void RepeatTrainDialog::createControls()
{
    const RepeatSettings defaults;
    B1 = valueField(this, "B1", 1, kMaxCount, defaults.count);
    B3 = valueField(this, "B3", 1, kMaxInterval, defaults.interval);
    B5 = valueField(this, "B5", -kMaxNumberStep, kMaxNumberStep, defaults.numberStep);
    auto *fields = new QGridLayout;
    const auto row = [this, fields](int index, const char *name, const QString &caption, QSpinBox *field) {
        QLabel *label = plainLabel(name, caption, this);
        label->setBuddy(field);
        fields->addWidget(label, index, 0);
        fields->addWidget(field, index, 1);
    };
    row(0, "B0", kCount, B1);
    row(1, "B2", kInterval, B3);
    row(2, "B4", kNumberStep, B5);

    // Both buttons take Enter while they have the focus; elsewhere Enter is "OK".
    B6 = namedWidget<QPushButton>("B6", this);
    B6->setText(kCancel);
    B7 = namedWidget<QPushButton>("B7", this);
    B7->setText(kConfirm);
    B7->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(B6);
    buttons->addWidget(B7);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);
    QWidget::setTabOrder(B1, B3);
    QWidget::setTabOrder(B3, B5);
    QWidget::setTabOrder(B5, B6);
    QWidget::setTabOrder(B6, B7);
}

void RepeatTrainDialog::connectHandlers()
{
    connect(B6, &QPushButton::clicked, this, [this] { guard().runHandler(kCancelError, [this] { B6Click(); }); });
    connect(B7, &QPushButton::clicked, this, [this] { guard().runHandler(kOkError, [this] { B7Click(); }); });
}

RepeatSettings RepeatTrainDialog::settings() const
{
    return {B1->value(), B3->value(), B5->value()};
}

void RepeatTrainDialog::FormShow()
{
    B1->setFocus();
    B1->selectAll();
}

void RepeatTrainDialog::B6Click()
{
    close();
}

void RepeatTrainDialog::B7Click()
{
    const auto line = m_selection.selectedTrainLine();
    if (!line) {
        m_prompts.inform(kNoTrainToRepeat);
        return;
    }
    const RepeatedTrains repeated = repeatTrain(m_lines.line(*line), settings());
    if (repeated.numberOutOfRange) {
        m_prompts.inform(kNumberOutOfRange);
        return;
    }
    appendCopies(repeated.copies);
    close();
}

void RepeatTrainDialog::appendCopies(const QStringList &copies)
{
    const DocumentLines::Step step(m_lines);
    for (const QString &copy : copies)
        m_lines.appendLine(copy);
}

} // namespace tgx
