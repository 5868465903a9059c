#include "printing/print_preview_dialog.h"

#include "document/document_lines.h"
#include "document/error_guard.h"
#include "document/named_widget.h"
#include "document/prompts.h"
#include "printing/sheet_pages.h"
#include "printing/sheet_printer.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tgx {

namespace {

const QString kTitle = QStringLiteral("Tisk");
const QString kSheet = QStringLiteral("List:");
const QString kPrint = QStringLiteral("Tisknout...");
const QString kClose = QStringLiteral("Zavřít");

// Handlers and the texts their guards show.
const QString kCloseError = QStringLiteral("Error A6-A");
const QString kShowError = QStringLiteral("Error A6-B");
const QString kSheetError = QStringLiteral("Error A6-C");
const QString kPaintError = QStringLiteral("Error A6-D");
const QString kPrintError = QStringLiteral("Error A6-E");

constexpr int kWidth = 760;
constexpr int kHeight = 620;

} // namespace

PrintPreviewDialog::PrintPreviewDialog(QWidget &mainWindow, ErrorGuard &guard, Prompts &prompts,
                                       const DocumentLines &lines, std::function<const GraphContent &()> graphOf)
    : DialogForm(mainWindow, guard, kCloseError, kShowError)
    , m_prompts(prompts)
    , m_lines(lines)
    , m_graphOf(std::move(graphOf))
    , m_printer(QPrinter::HighResolution)
{
    setObjectName(QStringLiteral("A6"));
    setWindowTitle(kTitle);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(kWidth, kHeight);
    createControls();
}

void PrintPreviewDialog::createControls()
{
    B1 = namedWidget<QComboBox>("B1");
    for (const SheetName &name : sheetNames())
        B1->addItem(name.title, int(name.kind));
    B2 = new QPrintPreviewWidget(&m_printer);
    B2->setObjectName(QStringLiteral("B2"));
    B3 = namedWidget<QPushButton>("B3");
    B3->setText(kPrint);
    B4 = namedWidget<QPushButton>("B4");
    B4->setText(kClose);

    auto *controls = new QHBoxLayout;
    controls->addWidget(plainLabel("B0", kSheet));
    controls->addWidget(B1);
    controls->addStretch();
    controls->addWidget(B3);
    controls->addWidget(B4);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(B2, 1);

    connect(B1, &QComboBox::currentIndexChanged, this, [this] { guard().runHandler(kSheetError, [this] { B1Change(); }); });
    connect(B2, &QPrintPreviewWidget::paintRequested, this, &PrintPreviewDialog::B2Paint);
    connect(B3, &QPushButton::clicked, this, [this] { guard().runHandler(kPrintError, [this] { B3Click(); }); });
    connect(B4, &QPushButton::clicked, this, &QDialog::close);
}

SheetKind PrintPreviewDialog::sheet() const
{
    return SheetKind(B1->currentData().toInt());
}

// The document may have changed since the last showing.
void PrintPreviewDialog::FormShow()
{
    B1Change();
}

void PrintPreviewDialog::B1Change()
{
    setSheetPage(m_printer, sheet());
    B2->updatePreview();
}

void PrintPreviewDialog::B2Paint(QPrinter *printer)
{
    guard().runHandler(kPaintError, [this, printer] { print(*printer); });
}

void PrintPreviewDialog::B3Click()
{
    if (m_prompts.choosePrinter(m_printer))
        print(m_printer);
}

void PrintPreviewDialog::print(QPrinter &printer)
{
    const QStringList lines = m_lines.allLines();
    const GraphContent *graph = sheet() == SheetKind::LineGraph ? &m_graphOf() : nullptr;
    printSheet(printer, pageHead(sheet(), lines, QDate::currentDate()), *sheetPages(sheet(), lines, graph));
}

} // namespace tgx
