#include "linegraph/line_graph_page.h"

#include "document/error_guard.h"
#include "document/named_widget.h"
#include "document/prompts.h"
#include "line/line_catalogue.h"
#include "line/line_graph.h"
#include "linegraph/line_graph_row.h"
#include "linegraph/line_graph_view.h"
#include "trains/summary_line.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace tgx {

namespace {

const QString kNoSimulator = QStringLiteral("Grafikon trati se kreslí podle simulátoru v řádku 2.");
const QString kAddTitle = QStringLiteral("Přidat grafikon");
const QString kFilter = QStringLiteral("TGX soubory Zelto Edice 246 (*.46g)");
const QString kAddError = QStringLiteral("Error 00L4");
const QString kRemoveError = QStringLiteral("Error 00L8");
const QString kLoadedPrefix = QStringLiteral("%1: %2"); // "Hutky: Os 4521 ..."

} // namespace

LineGraphPage::LineGraphPage(Prompts &prompts, ErrorGuard &guard, const FileStore &store, QWidget *parent)
    : QWidget(parent)
    , m_guard(guard)
    , m_prompts(prompts)
    , m_loaded(prompts, store)
    , m_row(new LineGraphRow)
    , m_view(new LineGraphView(prompts, guard, store))
    , m_noSimulator(plainLabel("L10", kNoSimulator))
    , m_findings{CrossTimetableFindings()}
{
    setObjectName(QStringLiteral("L2"));
    m_noSimulator->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_row);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_noSimulator, 1);
    m_view->setToolTipOf([this](int train) { return toolTipOf(train); });
    connect(m_view, &LineGraphView::trainClicked, this, &LineGraphPage::trainClicked);
    connect(m_view, &LineGraphView::trainDoubleClicked, this, &LineGraphPage::trainDoubleClicked);
    connect(m_view, &LineGraphView::trainDragged, this, &LineGraphPage::trainDragged);
    connect(m_row, &LineGraphRow::lineChosen, this, [this] {
        prepareLoaded();
        refreshGraph();
    });
    connect(m_row, &LineGraphRow::addRequested, this, [this] { m_guard.runHandler(kAddError, [this] { addTimetables(); }); });
    connect(m_row, &LineGraphRow::removeRequested, this,
            [this](int index) { m_guard.runHandler(kRemoveError, [&] { m_loaded.remove(index); }); });
    connect(&m_loaded, &LoadedTimetables::changed, this, &LineGraphPage::loadedChanged);
    offerLines();
    prepareLoaded();
}

void LineGraphPage::setDocument(TimetableStatements statements)
{
    const bool otherStation = statements.simulator != m_document.simulator;
    m_document = std::move(statements);
    if (otherStation) {
        offerLines();
        prepareLoaded();
    }
    gatherTimetables();
    refreshGraph();
}

void LineGraphPage::setSelectedLine(std::optional<int> line)
{
    m_view->setSelectedLine(line);
}

void LineGraphPage::showSelectedTrain()
{
    if (isVisible())
        m_view->showSelectedTrain();
}

void LineGraphPage::setSummaryOf(std::function<QString(int)> summaryOf)
{
    m_summaryOf = std::move(summaryOf);
}

void LineGraphPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_graphStale)
        refreshGraph();
}

void LineGraphPage::addTimetables()
{
    const QStringList paths = m_prompts.openFileNames({kAddTitle, kFilter, QString()});
    if (!paths.isEmpty())
        m_loaded.add(paths, ownStation(m_document.simulator));
}

void LineGraphPage::loadedChanged()
{
    QStringList stations;
    for (int i = 0; i < m_loaded.timetables().size(); ++i)
        stations << m_loaded.station(i);
    m_row->setLoaded(stations);
    prepareLoaded();
    gatherTimetables();
    refreshGraph();
    emit crossFindingsChanged(crossFindings());
}

// What depends on the loaded timetables of other stations than the
// document's alone (one of the document's own station, opened as the
// document later, is left out): their part of the graph and their findings
// against each other.
void LineGraphPage::prepareLoaded()
{
    m_timetables = {m_document};
    m_sources = {-1};
    for (int i = 0; i < m_loaded.timetables().size(); ++i) {
        if (m_loaded.timetables()[i].statements.simulator != m_document.simulator) {
            m_timetables << m_loaded.timetables()[i].statements;
            m_sources << i;
        }
    }
    m_builder.setLoaded(chosenLine(), m_timetables.mid(1));
    QList<int> loaded(m_timetables.size() - 1);
    std::iota(loaded.begin(), loaded.end(), 1);
    m_amongLoaded = {CrossTimetableFindings()};
    for (int t = 1; t < m_timetables.size(); ++t)
        m_amongLoaded << CrossTimetableFindings(m_timetables, t, loaded);
}

// The document at every change, and its findings against the loaded timetables.
void LineGraphPage::gatherTimetables()
{
    m_timetables.first() = m_document;
    m_findings = {m_timetables.size() > 1 ? CrossTimetableFindings(m_timetables, 0) : CrossTimetableFindings()};
}

void LineGraphPage::offerLines()
{
    const QString station = ownStation(m_document.simulator);
    QStringList names;
    for (const RailLine &line : railLines()) {
        if (station.isEmpty() || line.stations.contains(station))
            names << line.name;
    }
    m_row->setLines(names);
}

// The graph and the findings of the loaded timetables against the others,
// drawn up when they are to be seen.
void LineGraphPage::refreshGraph()
{
    const bool simulator = m_document.simulator >= 0;
    m_view->setVisible(simulator);
    m_noSimulator->setVisible(!simulator);
    m_graphStale = !isVisible();
    if (!m_graphStale)
        drawUpGraph();
}

const GraphContent &LineGraphPage::currentGraph()
{
    if (m_graphStale)
        drawUpGraph();
    return m_view->content();
}

void LineGraphPage::drawUpGraph()
{
    const bool simulator = m_document.simulator >= 0;
    m_graphStale = false;
    checkLoaded();
    m_view->setGraph(simulator ? m_builder.build(m_document, m_findings) : LineGraph());
}

// Each loaded timetable's findings: against the others loaded, as found
// at their reading, and against the document as it is now.
void LineGraphPage::checkLoaded()
{
    m_findings.resize(1);
    for (int t = 1; t < m_timetables.size(); ++t)
        m_findings << CrossTimetableFindings::joined(m_amongLoaded[t], CrossTimetableFindings(m_timetables, t, {0}));
}

int LineGraphPage::chosenLine() const
{
    const auto chosen = std::find_if(railLines().cbegin(), railLines().cend(),
                                     [this](const RailLine &line) { return line.name == m_row->chosenLine(); });
    return int(chosen - railLines().cbegin());
}

// The train's summary line, then what the checks found about its records.
QString LineGraphPage::toolTipOf(int train) const
{
    const GraphTrain &shown = m_view->content().graph().trains[train];
    const GraphPoint &first = *std::min_element(shown.points.cbegin(), shown.points.cend(),
                                                [](const GraphPoint &a, const GraphPoint &b) {
                                                    return a.timetable < b.timetable;
                                                });
    QStringList lines{summaryOf(first.timetable, first.line)};
    QList<std::pair<int, int>> records;
    for (const GraphPoint &point : shown.points) {
        if (records.contains(std::pair(point.timetable, point.line)) || point.timetable >= m_findings.size())
            continue;
        records << std::pair(point.timetable, point.line);
        const CrossTimetableFindings &findings = m_findings[point.timetable];
        for (const CrossFinding &finding : findings.findings()) {
            if (finding.line != point.line)
                continue;
            // A loaded timetable's findings say whose they are, as its summary line does.
            const QString text = findings.text(finding);
            lines << (point.timetable == 0 ? text : kLoadedPrefix.arg(m_loaded.station(m_sources[point.timetable]), text));
        }
    }
    return lines.join(u'\n');
}

QString LineGraphPage::summaryOf(int timetable, int line) const
{
    if (timetable == 0)
        return m_summaryOf ? m_summaryOf(line) : QString();
    const int loaded = m_sources[timetable];
    const QStringList &lines = m_loaded.timetables()[loaded].lines;
    const QString summary = summaryLine(lines.value(line - 1), lines.value(1), lines.value(6));
    return kLoadedPrefix.arg(m_loaded.station(loaded), summary);
}

} // namespace tgx
