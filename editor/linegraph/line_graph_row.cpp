#include "linegraph/line_graph_row.h"

#include "document/named_widget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace tgx {

namespace {

const QString kLineCaption = QStringLiteral("Trať:");
const QString kAdd = QStringLiteral("Přidat grafikon...");
const QString kRemove = QStringLiteral("×");

constexpr int kLineListWidth = 260;

} // namespace

LineGraphRow::LineGraphRow(QWidget *parent)
    : QWidget(parent)
    , m_L3(namedWidget<QComboBox>("L3"))
    , m_loaded(new QHBoxLayout)
{
    m_L3->setMinimumWidth(kLineListWidth);
    auto *L4 = namedWidget<QPushButton>("L4");
    L4->setText(kAdd);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 2, 0, 2);
    row->addWidget(plainLabel("L6", kLineCaption));
    row->addWidget(m_L3);
    row->addWidget(L4);
    m_loaded->setContentsMargins(0, 0, 0, 0);
    row->addLayout(m_loaded);
    row->addStretch(1);
    connect(m_L3, &QComboBox::currentIndexChanged, this, &LineGraphRow::lineChosen);
    connect(L4, &QPushButton::clicked, this, &LineGraphRow::addRequested);
}

void LineGraphRow::setLines(const QStringList &lines)
{
    const QString chosen = chosenLine();
    const QSignalBlocker quiet(m_L3);
    m_L3->clear();
    m_L3->addItems(lines);
    m_L3->setCurrentIndex(std::max(0, int(lines.indexOf(chosen))));
}

QString LineGraphRow::chosenLine() const
{
    return m_L3->currentText();
}

void LineGraphRow::setLoaded(const QStringList &stations)
{
    while (QLayoutItem *item = m_loaded->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (int i = 0; i < stations.size(); ++i) {
        QLabel *name = plainLabel("L7", stations[i]);
        auto *remove = new QToolButton;
        remove->setObjectName(QStringLiteral("L8"));
        remove->setText(kRemove);
        remove->setAutoRaise(true);
        connect(remove, &QToolButton::clicked, this, [this, i] { emit removeRequested(i); });
        m_loaded->addSpacing(8);
        m_loaded->addWidget(name);
        m_loaded->addWidget(remove);
    }
}

} // namespace tgx
