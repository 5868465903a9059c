#pragma once

class QPagedPaintDevice;

namespace tgx {

class SheetPages;
struct PageHead;
enum class SheetKind;

// Gives device the page a sheet of kind is printed on: A4, upright for the
// tables and lying for the chart and the graph, whose day runs across.
void setSheetPage(QPagedPaintDevice &device, SheetKind kind);

// Prints a sheet on device, a printer of the preview or of the print dialog
// or a PDF file: lays out all its pages first, so that each knows how many
// there are, then paints each with its head (the sheet, the timetable's
// name, the simulator, the date) and its foot "strana n z m". The one
// function the preview and --print go through. Returns the number of pages;
// fails with Failure when the device cannot be painted on (a file that
// cannot be written).
int printSheet(QPagedPaintDevice &device, const PageHead &head, SheetPages &pages);

} // namespace tgx
