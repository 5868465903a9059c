#include "line/line_graph_builder.h"

#include "line/graph_rows.h"
#include "line/line_catalogue.h"

#include <algorithm>
#include <climits>

namespace tgx {

namespace {

constexpr int kNumbers = 100000; // five digits

// Where a timetable's stations stand on the line, by index in its list.
std::vector<int> placesOn(const QStringList &line, const TimetableStatements &timetable)
{
    std::vector<int> places;
    places.reserve(std::size_t(timetable.stations.size()));
    for (const QString &station : timetable.stations)
        places.push_back(int(line.indexOf(station)));
    return places;
}

// Marks the trains a point of which comes from a line with a finding.
void markFindings(QList<GraphTrain> &trains, const QList<CrossTimetableFindings> &findings)
{
    std::vector<std::vector<bool>> lines(std::size_t(findings.size())); // per timetable, per line
    for (qsizetype t = 0; t < findings.size(); ++t) {
        const QList<CrossFinding> &found = findings[t].findings(); // by line
        std::vector<bool> &marked = lines[std::size_t(t)];
        marked.resize(found.isEmpty() ? 0 : std::size_t(found.last().line) + 1);
        for (const CrossFinding &finding : found)
            marked[std::size_t(finding.line)] = true;
    }
    for (GraphTrain &train : trains) {
        train.hasFinding = std::any_of(train.points.cbegin(), train.points.cend(), [&](const GraphPoint &point) {
            const auto t = std::size_t(point.timetable);
            return t < lines.size() && std::size_t(point.line) < lines[t].size() && lines[t][std::size_t(point.line)];
        });
    }
}

// The trains by their first minute, then number; in the order given where both are equal.
QList<GraphTrain> inTimeOrder(std::vector<GraphTrain> trains)
{
    std::vector<std::pair<std::pair<int, int>, int>> order; // what orders a train, and its index
    order.reserve(trains.size());
    for (std::size_t i = 0; i < trains.size(); ++i)
        order.push_back({{trains[i].points.first().minute, trains[i].number}, int(i)});
    std::sort(order.begin(), order.end());
    QList<GraphTrain> ordered;
    ordered.reserve(qsizetype(trains.size()));
    for (const auto &[key, index] : order)
        ordered.append(std::move(trains[std::size_t(index)]));
    return ordered;
}

} // namespace

void LineGraphBuilder::setLoaded(int line, QList<TimetableStatements> loaded)
{
    m_line = line >= 0 && line < railLines().size() ? railLines()[line].stations : QStringList();
    m_loaded = std::move(loaded);
    m_places.clear();
    for (const TimetableStatements &timetable : m_loaded)
        m_places.push_back(placesOn(m_line, timetable));
    groupLoaded();
    m_first = -1;
    m_built.clear();
}

// Joins the loaded timetables' records by number, as the graph joins them.
void LineGraphBuilder::groupLoaded()
{
    m_groups.clear();
    m_groupOf.assign(kNumbers, -1);
    for (int t = 0; t < m_loaded.size(); ++t) {
        const TimetableStatements &timetable = m_loaded[t];
        for (int i = 0; i < timetable.trains.size(); ++i) {
            const StatedTrain &record = timetable.trains[i];
            const bool joins = timetable.trainWithNumber(record.number) == i;
            int group = joins ? m_groupOf[record.number] : -1;
            if (group < 0) {
                group = int(m_groups.size());
                m_groups.push_back({record, {}, {}});
                if (joins)
                    m_groupOf[record.number] = group;
            }
            appendStops(m_groups[std::size_t(group)].stops, t + 1, timetable, record, m_places[std::size_t(t)]);
        }
    }
}

// A loaded train no document's train joins, drawn when first needed.
const GraphTrain &LineGraphBuilder::groupTrain(Group &group)
{
    if (group.drawnFor != m_first) {
        m_stops = group.stops;
        group.train = finishedTrain(group.first, m_stops, m_first);
        group.drawnFor = m_first;
    }
    return group.train;
}

// The first and last place on the line that any of the timetables names.
std::pair<int, int> LineGraphBuilder::placesNamed(const std::vector<int> &documentPlaces) const
{
    int first = INT_MAX;
    int last = -1;
    const auto take = [&](const std::vector<int> &places) {
        for (const int place : places) {
            if (place >= 0) {
                first = std::min(first, place);
                last = std::max(last, place);
            }
        }
    };
    take(documentPlaces);
    for (const std::vector<int> &places : m_places)
        take(places);
    return {first, last};
}

// The document's train at index, which joins the loaded ones of group (-1
// for none); taken from the last build when neither changed.
const GraphTrain &LineGraphBuilder::documentTrain(const TimetableStatements &document, int index, int group,
                                                  const std::vector<int> &places)
{
    const StatedTrain &record = document.trains[index];
    Built &built = m_built[std::size_t(index)];
    if (built.drawn && built.group == group && built.record == record)
        return built.train;
    m_stops.clear();
    appendStops(m_stops, 0, document, record, places);
    if (group >= 0)
        m_stops.insert(m_stops.end(), m_groups[std::size_t(group)].stops.cbegin(), m_groups[std::size_t(group)].stops.cend());
    built = {record, group, finishedTrain(record, m_stops, m_first), true};
    built.train.documentLine = record.line;
    return built.train;
}

QStringList LineGraphBuilder::ownStations(const TimetableStatements &document) const
{
    QStringList stations;
    for (const TimetableStatements &timetable : QList{document} + m_loaded) {
        if (!timetable.stations.isEmpty())
            stations << timetable.stations.first();
    }
    return stations;
}

// The document's trains, then those only loaded timetables hold.
std::vector<GraphTrain> LineGraphBuilder::documentTrains(const TimetableStatements &document, const std::vector<int> &places)
{
    std::vector<GraphTrain> trains;
    trains.reserve(std::size_t(document.trains.size()) + m_groups.size());
    std::vector<bool> joined(m_groups.size(), false);
    m_built.resize(std::size_t(document.trains.size()));
    for (int i = 0; i < document.trains.size(); ++i) {
        const int number = document.trains[i].number;
        const int group = document.trainWithNumber(number) == i ? m_groupOf[number] : -1;
        if (group >= 0)
            joined[std::size_t(group)] = true;
        const GraphTrain &train = documentTrain(document, i, group, places);
        if (!train.points.isEmpty())
            trains.push_back(train);
    }
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        if (!joined[g] && !groupTrain(m_groups[g]).points.isEmpty())
            trains.push_back(m_groups[g].train);
    }
    return trains;
}

LineGraph LineGraphBuilder::build(const TimetableStatements &document, const QList<CrossTimetableFindings> &findings)
{
    const std::vector<int> places = placesOn(m_line, document);
    const auto [first, last] = placesNamed(places);
    if (last < 0)
        return {};
    if (first != m_first) {
        m_first = first;
        m_built.clear();
    }
    if (document.stations != m_documentStations) {
        m_documentStations = document.stations;
        m_built.clear();
    }
    LineGraph graph;
    graph.trains = inTimeOrder(documentTrains(document, places));
    graph.rows = graphRows(m_line, ownStations(document), first, last);
    spaceRows(graph.rows, graph.trains);
    markFindings(graph.trains, findings);
    return graph;
}

} // namespace tgx
