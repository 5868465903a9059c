#include "app_fixture.h"

#include "document/train_list_model.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

namespace tgx::test {

bool keepOutOfUserFolders()
{
    static QTemporaryDir home; // goes when the process ends
    static const bool kept = [] {
        qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
        return true;
    }();
    return kept;
}

void App::trigger(const char *menuItem)
{
    auto *action = main().findChild<QAction *>(QString::fromLatin1(menuItem));
    QVERIFY2(action, menuItem);
    action->trigger();
}

TrainListModel &App::trainList()
{
    return *qobject_cast<TrainListModel *>(main().findChild<QListView *>(QStringLiteral("B1"))->model());
}

QString App::panel(int index)
{
    auto *label = main().findChild<QLabel *>(QStringLiteral("Panel%1").arg(index));
    return label ? label->text() : QStringLiteral("<no panel>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

} // namespace tgx::test
