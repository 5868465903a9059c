// Takes the screenshot the software centres show: the program's real windows,
// started as the program starts them, open a small sample timetable the way
// "Otevřít..." does, and the main window is saved as a PNG.
//   QT_QPA_PLATFORM=offscreen take_screenshot OUTPUT.png
// Fails, saving nothing, when opening the sample shows any message or the
// train list does not show every sample train.

#include "document/document_lines.h"
#include "document/failure.h"
#include "document/file_bytes.h"
#include "document/file_store.h"
#include "document/forms.h"
#include "document/header_lines.h"
#include "document/header_rules.h"
#include "document/simulator_catalogue.h"
#include "document/tool_bar_images.h"
#include "scripted_prompts.h"
#include "trains/station_table.h"
#include "trains/train_record.h"
#include "trains/train_types.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QPixmap>

#include <cstdio>

namespace {

using namespace tgx;

const QString kSimulator = QStringLiteral("Zelto ŽST Vrbinov");
const QString kSpecifiedNeighbour = QStringLiteral("Plavy");
// Where the sample seems to come from: status panel 1 shows it.
const QString kSamplePath = QStringLiteral("/home/dispecer/Grafikony/Vrbinov - ranní provoz.46g");

// One sample train: type, number, where it comes from and goes to ("" when it
// starts or ends at Vrbinov), times as hour * 100 + minute, track, vehicles.
struct SampleTrain {
    const char16_t *type;
    const char16_t *number;
    const char16_t *from;
    int leavesFrom, arrives;
    const char16_t *to;
    int departs, reachesTo;
    const char16_t *track;
    QStringList vehicles;
};

RunEntry run(const char16_t *station, int departure, int arrival)
{
    const int simulator = simulatorIndex(kSimulator);
    if (QStringView(station).isEmpty())
        return {true, 0, 0, 0, 0, 0};
    return {false, neighbourCode(simulator, station, kSpecifiedNeighbour).value_or(0),
            departure / 100, departure % 100, arrival / 100, arrival % 100};
}

QString record(const SampleTrain &train)
{
    TrainEntry entry;
    entry.typeIndex = int(trainTypes().indexOf(QStringView(train.type)));
    entry.number = QString::fromUtf16(train.number);
    entry.arrival = run(train.from, train.leavesFrom, train.arrives);
    entry.departure = run(train.to, train.departs, train.reachesTo);
    entry.track = QString::fromUtf16(train.track);
    entry.vehicles.fill(QStringLiteral("000"));
    std::copy(train.vehicles.begin(), train.vehicles.end(), entry.vehicles.begin());
    return composeRecord(entry);
}

const QList<SampleTrain> &sampleTrains()
{
    static const QList<SampleTrain> trains = {
        {u"Os", u"3401", u"Plavy", 512, 531, u"Hutky", 533, 549, u"1", {"012", "013"}},
        {u"Os", u"3402", u"Hutky", 520, 537, u"Plavy", 539, 558, u"2", {"012", "013"}},
        {u"Sv", u"3501", u"", 0, 0, u"Radlická", 548, 611, u"3", {"021"}},
        {u"R", u"811", u"Plavy", 554, 609, u"Hutky", 611, 624, u"1", {"031", "041", "041", "042"}},
        {u"Sp", u"1701", u"Radlická", 601, 619, u"Hutky", 621, 636, u"5", {"012", "014", "013"}},
        {u"R", u"812", u"Hutky", 608, 621, u"Plavy", 623, 638, u"2", {"031", "041", "041", "042"}},
        {u"Os", u"3403", u"Plavy", 612, 631, u"", 0, 0, u"7", {"012", "013"}},
        {u"Mn", u"83210", u"Hutky", 615, 642, u"Radlická", 655, 730, u"3", {"051", "061", "061", "061"}},
        {u"Ex", u"141", u"Plavy", 640, 652, u"Hutky", 653, 704, u"1", {"032", "043", "043", "043", "044"}},
        {u"Os", u"3404", u"Radlická", 645, 704, u"Plavy", 706, 725, u"3", {"012", "013"}},
        {u"Lv", u"72001", u"", 0, 0, u"Hutky", 710, 722, u"5", {"033"}},
        {u"Os", u"3405", u"Plavy", 712, 731, u"Hutky", 733, 749, u"1", {"012", "013"}},
        {u"Os", u"3406", u"Hutky", 720, 737, u"Plavy", 739, 758, u"2", {"012", "013"}},
        {u"Pn", u"54311", u"Radlická", 725, 749, u"", 0, 0, u"7", {"052", "062", "062"}},
        {u"Sp", u"1702", u"Hutky", 731, 746, u"Radlická", 748, 806, u"5", {"012", "014", "013"}},
        {u"IC", u"523", u"Plavy", 801, 812, u"Hutky", 813, 823, u"1", {"034", "045", "045", "046"}},
    };
    return trains;
}

QByteArray sampleFile()
{
    QStringList lines(HeaderLine::Count);
    lines[HeaderLine::Name - 1] = QStringLiteral("Ranní provoz");
    lines[HeaderLine::Simulator - 1] = kSimulator;
    lines[HeaderLine::Encoding - 1] = HeaderRules::kEncodingMarker;
    lines[HeaderLine::Editor - 1] = HeaderRules::kEditorStamp;
    lines[HeaderLine::SpecifiedNeighbour - 1] = kSpecifiedNeighbour;
    lines[HeaderLine::Author - 1] = QStringLiteral("Ukázkový Autor");
    lines[HeaderLine::Version - 1] = QStringLiteral("1.0");
    for (const SampleTrain &train : sampleTrains())
        lines << record(train);
    lines[HeaderLine::TrainCount - 1] = HeaderRules::trainCountText(int(lines.size()));
    return FileBytes::fromText(lines.join(u'\n') + u'\n');
}

// The sample as the one file there is; nothing is ever written.
class SampleStore : public FileStore {
public:
    QByteArray read(const QString &path) const override
    {
        if (path != kSamplePath)
            throw Failure(QStringLiteral("no such sample: ") + path);
        return sampleFile();
    }
    void write(const QString &path, const QByteArray &) const override
    {
        throw Failure(QStringLiteral("the screenshot writes no files: ") + path);
    }
};

int fail(const QString &why)
{
    std::fprintf(stderr, "take_screenshot: %s\n", qPrintable(why));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TGX editor"));
    QApplication::setWindowIcon(ToolBarImages::programIcon());
    if (argc != 2)
        return fail(QStringLiteral("usage: take_screenshot OUTPUT.png"));

    test::ScriptedPrompts prompts;
    SampleStore store;
    Forms forms(prompts, store);
    forms.A0.show();
    prompts.chooseFile(kSamplePath);
    forms.A0.findChild<QAction *>(QStringLiteral("D3"))->trigger();
    auto *list = forms.A0.findChild<QListView *>(QStringLiteral("B1"));
    if (!prompts.messages().isEmpty() || !prompts.unexpected.isEmpty())
        return fail(QStringLiteral("opening the sample showed: ") + prompts.shown.join(u'|'));
    if (list->model()->rowCount() != sampleTrains().size())
        return fail(QStringLiteral("the train list shows %1 trains").arg(list->model()->rowCount()));

    list->setCurrentIndex(list->model()->index(3, 0));
    list->setFocus();
    QApplication::processEvents();
    if (!forms.A0.grab().save(QString::fromLocal8Bit(argv[1])))
        return fail(QStringLiteral("could not save ") + QString::fromLocal8Bit(argv[1]));
    return 0;
}
