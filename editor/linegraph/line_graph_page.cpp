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
    connect(m_row, &LineGraphRow::lineChosen, this, &LineGraphPage::refreshGraph);
    connect(m_row, &LineGraphRow::addRequested, this, [this] { m_guard.runHandler(kAddError, [this] { addTimetables(); }); });
    connect(m_row, &LineGraphRow::removeRequested, this,
            [this](int index) { m_guard.runHandler(kRemoveError, [&] { m_loaded.remove(index); }); });
    connect(&m_loaded, &LoadedTimetables::changed, this, &LineGraphPage::loadedChanged);
    offerLines();
}

void LineGraphPage::setDocument(TimetableStatements statements)
{
    const bool otherStation = statements.simulator != m_document.simulator;
    m_document = std::move(statements);
    if (otherStation)
        offerLines();
    gatherTimetables();
    refreshGraph();
}

void LineGraphPage::setSelectedLine(std::optional<int> line)
{
    m_view->setSelectedLine(line);
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

// A loaded timetable's statements are worked out here only, once per reading.
void LineGraphPage::loadedChanged()
{
    m_loadedStatements.clear();
    QStringList stations;
    for (int i = 0; i < m_loaded.timetables().size(); ++i) {
        m_loadedStatements << statementsOf(m_loaded.timetables()[i].lines);
        stations << m_loaded.station(i);
    }
    m_row->setLoaded(stations);
    gatherTimetables();
    refreshGraph();
    emit crossFindingsChanged(crossFindings());
}

// The document and the loaded timetables of other stations (one of the
// document's own station, opened as the document later, is left out), and
// the document's findings against them.
void LineGraphPage::gatherTimetables()
{
    m_timetables = {m_document};
    m_sources = {-1};
    for (int i = 0; i < m_loadedStatements.size(); ++i) {
        if (m_loadedStatements[i].simulator != m_document.simulator) {
            m_timetables << m_loadedStatements[i];
            m_sources << i;
        }
    }
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
    m_findings.resize(1);
    for (int t = 1; t < m_timetables.size(); ++t)
        m_findings.append(CrossTimetableFindings(m_timetables, t));
    const auto chosen = std::find_if(railLines().cbegin(), railLines().cend(),
                                     [this](const RailLine &line) { return line.name == m_row->chosenLine(); });
    LineGraph graph = simulator ? lineGraph(int(chosen - railLines().cbegin()), m_timetables) : LineGraph();
    QList<bool> withFinding = trainsWithFindings(graph);
    m_view->setGraph(std::move(graph), std::move(withFinding));
}

QList<bool> LineGraphPage::trainsWithFindings(const LineGraph &graph) const
{
    QList<bool> withFinding;
    withFinding.reserve(graph.trains.size());
    for (const GraphTrain &train : graph.trains) {
        withFinding << std::any_of(train.points.cbegin(), train.points.cend(), [this](const GraphPoint &point) {
            return lineHasFinding(point.timetable, point.line);
        });
    }
    return withFinding;
}

bool LineGraphPage::lineHasFinding(int timetable, int line) const
{
    if (timetable >= m_findings.size())
        return false;
    const QList<CrossFinding> &findings = m_findings[timetable].findings();
    const auto at = std::lower_bound(findings.cbegin(), findings.cend(), line,
                                     [](const CrossFinding &finding, int l) { return finding.line < l; });
    return at != findings.cend() && at->line == line;
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
