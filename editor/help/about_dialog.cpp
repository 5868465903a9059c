#include "help/about_dialog.h"

#include "document/error_guard.h"
#include "document/named_widget.h"
#include "document/program_version.h"
#include "help/jpeg_image.h"

#include <QFile>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace tgx {

namespace {

const QString kTitle = QStringLiteral("TGX editor pro Zelto Edici 246");
const QString kVersion = QStringLiteral("Verze ") + kProgramVersion;
const QString kProduct = QStringLiteral("Součást produktu Zelto Edice 246");
// The author's contact lines are placeholders of the project.
const QString kAuthor = QStringLiteral("Ukázkový Autor");
const QString kAuthorWeb = QStringLiteral("www.example.org/tgx-editor");
const QString kAuthorMail = QStringLiteral("tgx-editor@example.org");
const QString kMaker = QStringLiteral("Zelto");
const QString kMakerWeb = QStringLiteral("www.example.org/zelto");
const QString kMakerMail = QStringLiteral("zelto@example.org");
const QString kTerms = QStringLiteral("Program smí být šířen pouze zdarma a v nezměněné podobě.");

const QString kEmblem = QStringLiteral(":/help/pictures/emblem.jpg");
const QString kAuthorLogo = QStringLiteral(":/help/pictures/author_logo.png");
const QString kMakerLogo = QStringLiteral(":/help/pictures/maker_logo.png");

QByteArray resourceBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TA3::TA3(QWidget &mainWindow, ErrorGuard &guard)
    : DialogForm(mainWindow, guard, QStringLiteral("Error A3-A"))
{
    setObjectName(QStringLiteral("A3"));
    setWindowTitle(QStringLiteral("O programu"));
    setClientSize(392, 266);
    createTexts();
    createPictures();
    createButton();
}

void TA3::createTexts()
{
    auto line = [this](const char *name, const QString &text, QRect place) {
        QLabel *label = plainLabel(name, text, this);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(place);
        return label;
    };
    B0 = line("B0", kTitle, {0, 8, 392, 28});
    B2 = line("B2", kVersion, {124, 72, 260, 16});
    B3 = line("B3", kProduct, {124, 90, 260, 16});
    B4 = line("B4", kAuthor, {8, 152, 184, 16});
    B5 = line("B5", kAuthorWeb, {8, 168, 184, 16});
    B6 = line("B6", kAuthorMail, {8, 184, 184, 16});
    B7 = line("B7", kMaker, {200, 152, 184, 16});
    B8 = line("B8", kMakerWeb, {200, 168, 184, 16});
    B9 = line("B9", kMakerMail, {200, 184, 184, 16});
    C0 = line("C0", kTerms, {8, 202, 376, 14});

    QFont title(QStringLiteral("Verdana"));
    title.setPixelSize(21);
    title.setBold(true);
    title.setUnderline(true);
    B0->setFont(title);
    for (QLabel *name : {B4, B7}) {
        QFont underlined = font();
        underlined.setUnderline(true);
        name->setFont(underlined);
    }
}

void TA3::createPictures()
{
    auto picture = [this](const char *name, const QPixmap &pixmap, QRect place) {
        auto *label = namedWidget<QLabel>(name, this);
        label->setPixmap(pixmap);
        label->setGeometry(place);
        return label;
    };
    // A picture that does not decode leaves B1 empty; the dialog shows without it.
    B1 = picture("B1", QPixmap::fromImage(decodeJpeg(resourceBytes(kEmblem))), {16, 44, 100, 100});
    C1 = picture("C1", QPixmap(kAuthorLogo), {8, 219, 140, 41});
    C3 = picture("C3", QPixmap(kMakerLogo), {294, 216, 90, 44});
}

void TA3::createButton()
{
    C2 = new QPushButton(QStringLiteral("OK"), this);
    C2->setObjectName(QStringLiteral("C2"));
    C2->setGeometry(158, 229, 75, 25);
    C2->setDefault(true);
    connect(C2, &QPushButton::clicked, this,
            [this] { guard().runHandler(QStringLiteral("Error A3-B"), [this] { C2Click(); }); });
}

void TA3::C2Click()
{
    close();
}

} // namespace tgx
