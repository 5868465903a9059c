#pragma once

#include "trains/timetable_context.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

namespace tgx {

class DecodedRecord;
struct OccupancyPlan;

// What a record says happens at a station: the train leaves it or reaches it.
enum class StationEvent : quint8 {
    Departure,
    Arrival,
};

// One time a record states for its train: its departure from or arrival at
// one station, in minutes of the day (0 to 1439).
struct Statement {
    qint16 minute = 0;
    // Index of the station in TimetableStatements::stations: 0 for the own
    // station, the neighbour code for a neighbouring station.
    quint8 station = 0;
    StationEvent event = StationEvent::Departure;

    bool operator==(const Statement &) const = default;
};

// The statements of one readable record, in the order the train runs:
// departure from the neighbour it comes from, arrival in the own station,
// departure from the own station, arrival at the neighbour it goes to. An
// originating train lacks the first two, a terminating one the last two; a
// block whose neighbour code names no station of the timetable states nothing.
struct StatedTrain {
    int line = 0;       // document line (from 1)
    int number = 0;     // train number (positions 3-7)
    int typeIndex = -1; // index in trainTypes(), -1 for a code outside the table
    QChar typeCode[2];  // the stored type code
    // The neighbour codes of the two blocks (0 when the train starts or ends
    // here), also when the code names no station of the timetable.
    quint8 fromCode = 0;
    quint8 toCode = 0;
    quint8 count = 0; // statements used
    std::array<Statement, 4> statements;

    bool operator==(const StatedTrain &) const = default;
    const Statement *begin() const { return statements.data(); }
    const Statement *end() const { return statements.data() + count; }
};

// "Os 4521": the type and number as the train list shows them.
QString trainLabel(const StatedTrain &train);

// Everything one timetable states about when its trains run where: the
// readable records of one document with the stations they name. Computed
// once per change of a document, or once per reading of a loaded timetable.
// A plain value: copies share their data.
struct TimetableStatements {
    int simulator = -1;         // catalogue index of header line 2, -1 for none
    QString specifiedNeighbour; // header line 7
    // Full names of the stations the statements name: [0] the own station,
    // [code] the neighbour of that code as the train dialog lists it (header
    // line 7 for the specified neighbour). Empty for a line 2 that names no
    // simulator, whose records then state nothing.
    QStringList stations;
    QList<StatedTrain> trains; // the readable records, in line order

    // Index in trains of the train with number, kNoTrain when no line holds
    // it, or kSeveralLines when several lines do (counting lines that cannot
    // be read but whose number can), so that no one record speaks for it.
    // A number that only a line that cannot be read holds is kUnreadableLine:
    // the timetable may well run that train.
    int trainWithNumber(int number) const;
    static constexpr int kNoTrain = -1;
    static constexpr int kSeveralLines = -2;
    static constexpr int kUnreadableLine = -3;

    // The numbers of the lines that cannot be read but whose number can, in
    // line order.
    QList<int> unreadableNumbers;

private:
    // trainWithNumber's answers, made from trains when first asked for (most
    // changes of a document need none) and shared by every copy; so the
    // statements are not changed once asked.
    struct NumberIndex {
        bool made = false;
        std::vector<qint32> trainOf; // for every number 0 to 99999
    };
    std::shared_ptr<NumberIndex> m_numbers = std::make_shared<NumberIndex>();
    const NumberIndex &numbers() const;
};

// Builds the statements of a document record by record.
class StatementsBuilder {
public:
    explicit StatementsBuilder(const TimetableContext &timetable, qsizetype expectedCount = 0);

    // Takes in the record of one non-empty record line; lines come in order.
    void add(int line, const DecodedRecord &record);
    TimetableStatements finish();

private:
    TimetableStatements m_statements;
};

// The statements of a whole document.
TimetableStatements statementsOf(const QStringList &documentLines);
// The same from the document's occupancy plan, whose trains are its
// readable records, without reading them again.
TimetableStatements statementsOf(const OccupancyPlan &plan, const QStringList &documentLines);

} // namespace tgx
