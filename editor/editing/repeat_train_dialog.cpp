#include "editing/repeat_train_dialog.h"

#include "document/document_lines.h"
#include "document/error_guard.h"
#include "document/failure.h"
#include "document/named_widget.h"
#include "document/prompts.h"
#include "document/train_selection.h"
#include "editing/range_field.h"
#include "editing/repeat_preview.h"
#include "trains/decoded_record.h"
#include "trains/train_commands_texts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tgx {

namespace {

const QString kTitle = QStringLiteral("Opakovat vlak");
const QString kTrain = QStringLiteral("Vlak");
const QString kCount = QStringLiteral("Počet opakování");
const QString kInterval = QStringLiteral("Interval (min)");
const QString kNumberStep = QStringLiteral("Změna čísla vlaku");
const QString kCancel = QStringLiteral("Storno");
const QString kConfirm = QStringLiteral("OK");
const QString kNumberOutOfRange = QStringLiteral("Číslo vlaku by bylo mimo rozsah 0 až 99999.");
// The refusals of values outside a field's range, with its ends filled in.
const QString kCountRefusal = QStringLiteral("Počet opakování musí být %1 až %2.");
const QString kIntervalRefusal = QStringLiteral("Interval musí být %1 až %2 minut.");
const QString kNumberStepRefusal = QStringLiteral("Změna čísla vlaku musí být %1 až %2.");

// Handlers and the texts their guards show.
const QString kCloseError = QStringLiteral("Error A5-A");
const QString kShowError = QStringLiteral("Error A5-B");
const QString kCancelError = QStringLiteral("Error A5-C");
const QString kOkError = QStringLiteral("Error A5-D");
const QString kPreviewError = QStringLiteral("Error A5-E");

// What the user may enter.
constexpr int kMaxCount = 99;
constexpr int kMaxInterval = kMinutesPerDay - 1; // minutes: a whole day would give the same times again
constexpr int kMaxNumberStep = 9999;

constexpr int kClientWidth = 340;
constexpr int kClientHeight = 190;

RangeField *valueField(QWidget *parent, const char *name, int minimum, int maximum, int value,
                       const QString &refusal)
{
    auto *field = namedWidget<RangeField>(name, parent);
    field->setRange(minimum, maximum, refusal.arg(signedNumberText(minimum), signedNumberText(maximum)));
    field->setNumber(value);
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
    B9 = plainLabel("B9", QString(), this);
    B1 = valueField(this, "B1", 1, kMaxCount, defaults.count, kCountRefusal);
    B3 = valueField(this, "B3", 1, kMaxInterval, defaults.interval, kIntervalRefusal);
    B5 = valueField(this, "B5", -kMaxNumberStep, kMaxNumberStep, defaults.numberStep, kNumberStepRefusal);
    auto *fields = new QGridLayout;
    const auto row = [this, fields](int index, const char *name, const QString &caption, QWidget *field) {
        QLabel *label = plainLabel(name, caption, this);
        label->setBuddy(field);
        fields->addWidget(label, index, 0);
        fields->addWidget(field, index, 1);
    };
    row(0, "B8", kTrain, B9);
    row(1, "B0", kCount, B1);
    row(2, "B2", kInterval, B3);
    row(3, "B4", kNumberStep, B5);
    C0 = plainLabel("C0", QString(), this);
    C0->setWordWrap(true);

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
    layout->addWidget(C0);
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
    for (RangeField *field : {B1, B3, B5}) {
        connect(field, &RangeField::textChanged, this,
                [this] { guard().runHandler(kPreviewError, [this] { showPreview(); }); });
    }
}

RepeatSettings RepeatTrainDialog::settings() const
{
    return {B1->number().value_or(0), B3->number().value_or(0), B5->number().value_or(0)};
}

void RepeatTrainDialog::FormShow()
{
    B9->setText(recordTrainName(selectedRecord()));
    showPreview();
    B1->setFocus();
    B1->selectAll();
}

// Escape closes the dialog as "Storno" does.
void RepeatTrainDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        guard().runHandler(kCancelError, [this] { B6Click(); });
        return;
    }
    DialogForm::keyPressEvent(event);
}

QString RepeatTrainDialog::selectedRecord() const
{
    const auto line = m_selection.selectedTrainLine();
    return line ? m_lines.line(*line) : QString();
}

void RepeatTrainDialog::showPreview()
{
    const QString record = selectedRecord();
    const Outcome result = outcome(record);
    C0->setText(result.refusal.isEmpty() ? repeatPreview(record, result.copies) : result.refusal);
}

RepeatTrainDialog::Outcome RepeatTrainDialog::outcome(const QString &record) const
{
    for (RangeField *field : {B1, B3, B5}) {
        if (!field->number())
            return {{}, field->refusal(), field};
    }
    try {
        RepeatedTrains repeated = repeatTrain(record, settings());
        if (repeated.numberOutOfRange)
            return {{}, kNumberOutOfRange};
        return {std::move(repeated.copies), {}};
    } catch (const Failure &unreadable) {
        return {{}, unreadable.description()};
    }
}

void RepeatTrainDialog::B6Click()
{
    close();
}

// Every refusal is one message, and the dialog stays open with the values as typed.
void RepeatTrainDialog::B7Click()
{
    const auto line = m_selection.selectedTrainLine();
    if (!line) {
        m_prompts.inform(kNoTrainToRepeat);
        return;
    }
    const Outcome result = outcome(m_lines.line(*line));
    if (!result.refusal.isEmpty()) {
        m_prompts.inform(result.refusal);
        if (result.wrongField) {
            result.wrongField->setFocus();
            result.wrongField->selectAll();
        }
        return;
    }
    const int firstCopy = m_lines.lineCount() + 1;
    appendCopies(result.copies);
    close();
    emit copiesAppended(firstCopy);
}

void RepeatTrainDialog::appendCopies(const QStringList &copies)
{
    const DocumentLines::Step step(m_lines);
    for (const QString &copy : copies)
        m_lines.appendLine(copy);
}

} // namespace tgx
