#pragma once

#include "document/dialog_form.h"
#include "printing/sheet_kinds.h"

#include <QPrinter>

#include <functional>

class QComboBox;
class QPrintPreviewWidget;
class QPushButton;

namespace tgx {

class DocumentLines;
class GraphContent;
class Prompts;

// The print preview "Tisk": the document's pages as one of the sheets
// prints them, the sheet chosen in `B1`, and "Tisknout..." (`B3`), which
// opens the standard print dialog and prints there, a PDF file included.
// The pages are laid out again whenever it opens or the sheet changes.
class PrintPreviewDialog : public DialogForm {
    Q_OBJECT

public:
    // graphOf gives the line's graph as the window's view holds it.
    PrintPreviewDialog(QWidget &mainWindow, ErrorGuard &guard, Prompts &prompts, const DocumentLines &lines,
                       std::function<const GraphContent &()> graphOf);

    SheetKind sheet() const; // the one chosen in B1

protected:
    void FormShow() override;

private:
    void createControls();
    void B1Change();                // the sheet chosen
    void B2Paint(QPrinter *printer); // the preview lays its pages out
    void B3Click();                 // "Tisknout..."
    void print(QPrinter &printer);

    Prompts &m_prompts;
    const DocumentLines &m_lines;
    std::function<const GraphContent &()> m_graphOf;
    QPrinter m_printer;

    QComboBox *B1 = nullptr;           // the sheet
    QPrintPreviewWidget *B2 = nullptr; // the pages
    QPushButton *B3 = nullptr;         // "Tisknout..."
    QPushButton *B4 = nullptr;         // "Zavřít"
};

} // namespace tgx
