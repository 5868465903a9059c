#include "document/properties_dialog.h"

#include "document/document_lines.h"
#include "document/error_guard.h"
#include "document/header_lines.h"
#include "document/header_rules.h"
#include "document/list_colours.h"
#include "document/named_widget.h"
#include "document/prompts.h"
#include "document/simulator_catalogue.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tgx {

namespace {

const QString kTitle = QStringLiteral("Vlastnosti");
const QString kMissingSimulator = QStringLiteral("Není uveden údaj: Pro simulátor!");
const QString kMissingStation = QStringLiteral("Není uveden údaj: Upřesnit ŽST!");
const QString kMissingVehicleFile = QStringLiteral("Není uveden údaj: Soubor vozidel!");

// A field for one header line.
QLineEdit *lineField(const char *name)
{
    auto *field = namedWidget<QLineEdit>(name);
    holdAnyLength(*field);
    return field;
}

QLineEdit *readOnlyField(const char *name)
{
    auto *field = lineField(name);
    field->setReadOnly(true);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    field->setPalette(palette);
    return field;
}

} // namespace

TA1::TA1(QWidget &mainWindow, ErrorGuard &guard, Prompts &prompts, DocumentLines &lines)
    : DialogForm(mainWindow, guard, QStringLiteral("Error A1-A"), QStringLiteral("Error A1-B"))
    , m_prompts(prompts)
    , m_lines(lines)
{
    setObjectName(QStringLiteral("A1"));
    setWindowTitle(kTitle);
    setClientSize(257, 305);
    createControls();
    resetSimulatorChoice();
    clearStationOptions();
}

void TA1::createControls()
{
    B3 = lineField("B3");
    B5 = namedWidget<QComboBox>("B5");
    B7 = namedWidget<QComboBox>("B7");
    B9 = lineField("B9");
    C1 = lineField("C1");
    C3 = lineField("C3");
    C5 = lineField("C5");
    C7 = readOnlyField("C7");
    C9 = readOnlyField("C9");
    B6 = plainLabel("B6", QStringLiteral("Upřesnit ŽST"));

    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("B1"));
    auto *form = new QFormLayout(page);
    auto row = [form](const char *name, const QString &text, QWidget *field) {
        form->addRow(plainLabel(name, text), field);
    };
    row("B2", QStringLiteral("Název"), B3);
    row("B4", QStringLiteral("Pro simulátor"), B5);
    form->addRow(B6, B7);
    row("B8", QStringLiteral("Soubor vozidel"), B9);
    row("C0", QStringLiteral("Autor"), C1);
    row("C2", QStringLiteral("Verze"), C3);
    row("C4", QStringLiteral("Komentář"), C5);
    row("C6", QStringLiteral("Editor"), C7);
    row("C8", QStringLiteral("Kódování"), C9);

    auto *pages = namedWidget<QTabWidget>("B0");
    pages->addTab(page, QStringLiteral("Obecné"));
    D0 = new QPushButton(QStringLiteral("Storno"));
    D0->setObjectName(QStringLiteral("D0"));
    D1 = new QPushButton(QStringLiteral("OK"));
    D1->setObjectName(QStringLiteral("D1"));
    // "OK" answers Enter unless the focus is on a button: Enter presses the
    // focused button, "Storno" included, as the dialog's buttons are auto-default.
    D1->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(D0);
    buttons->addWidget(D1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);

    QWidget::setTabOrder(B3, B5);
    QWidget::setTabOrder(B5, B7);
    QWidget::setTabOrder(B7, B9);
    QWidget::setTabOrder(B9, C1);
    QWidget::setTabOrder(C1, C3);
    QWidget::setTabOrder(C3, C5);
    QWidget::setTabOrder(C5, C7);
    QWidget::setTabOrder(C7, C9);

    // Only the user's choice runs B5Change; the program's selections do not.
    connect(B5, &QComboBox::activated, this,
            [this] { guard().runHandler(QStringLiteral("Error A1-C"), [this] { B5Change(); }); });
    connect(D0, &QPushButton::clicked, this,
            [this] { guard().runHandler(QStringLiteral("Error A1-D"), [this] { D0Click(); }); });
    connect(D1, &QPushButton::clicked, this,
            [this] { guard().runHandler(QStringLiteral("Error A1-E"), [this] { D1Click(); }); });
}

void TA1::resetSimulatorChoice()
{
    B5->clear();
    for (const Simulator &simulator : simulatorCatalogue())
        B5->addItem(simulator.name);
    B5->setCurrentIndex(-1);
}

void TA1::clearStationOptions()
{
    B6->setEnabled(false);
    greyList(*B7);
    B7->clear();
}

void TA1::offerStationOptions(int simulator)
{
    if (simulator < 0)
        return;
    const QStringList &options = simulatorCatalogue()[simulator].stationOptions;
    if (options.isEmpty())
        return;
    B6->setEnabled(true);
    normalList(*B7);
    B7->addItems(options);
    B7->setCurrentIndex(-1);
}

void TA1::FormShow()
{
    B3->setText(m_lines.line(HeaderLine::Name));
    clearStationOptions();
    const int simulator = simulatorIndex(m_lines.line(HeaderLine::Simulator));
    if (simulator >= 0) {
        B5->setCurrentIndex(simulator);
        offerStationOptions(simulator);
        B7->setCurrentIndex(B7->findText(m_lines.line(HeaderLine::SpecifiedNeighbour), Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
    B9->setText(m_lines.line(HeaderLine::VehicleFile));
    C1->setText(m_lines.line(HeaderLine::Author));
    C3->setText(m_lines.line(HeaderLine::Version));
    C5->setText(m_lines.line(HeaderLine::Comment));
    C7->setText(HeaderRules::writerName(m_lines.line(HeaderLine::Editor)));
    C9->setText(m_lines.line(HeaderLine::Encoding));
    D1->setFocus();
}

void TA1::B5Change()
{
    clearStationOptions();
    offerStationOptions(simulatorIndex(B5->currentText()));
}

void TA1::D1Click()
{
    writeBack();
    const QString missing = missingEntry();
    if (!missing.isEmpty()) {
        m_prompts.inform(missing);
        return;
    }
    close();
}

void TA1::writeBack()
{
    const std::pair<int, QString> fields[] = {
        {HeaderLine::Name, B3->text()},         {HeaderLine::Simulator, B5->currentText()},
        {HeaderLine::VehicleFile, B9->text()},  {HeaderLine::SpecifiedNeighbour, B7->currentText()},
        {HeaderLine::Author, C1->text()},       {HeaderLine::Version, C3->text()},
        {HeaderLine::Comment, C5->text()},
    };
    // Only lines that differ are written, so an unchanged dialog leaves the document unmodified.
    const DocumentLines::Step step(m_lines);
    for (const auto &[line, text] : fields) {
        if (m_lines.line(line) != text)
            m_lines.replaceLine(line, text);
    }
}

QString TA1::missingEntry() const
{
    if (B5->currentText().isEmpty())
        return kMissingSimulator;
    if (B7->isEnabled() && B7->currentText().isEmpty())
        return kMissingStation;
    if (B9->text().isEmpty())
        return kMissingVehicleFile;
    return {};
}

void TA1::D0Click()
{
    close();
}

} // namespace tgx
