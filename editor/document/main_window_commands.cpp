#include "document/main_window.h"

#include "document/error_guard.h"
#include "document/menu_keys.h"
#include "document/tool_bar.h"
#include "document/tool_bar_images.h"
#include "trains/train_commands_texts.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

// The main window's menu and tool bar: every command with its caption,
// shortcut, tool-bar hint and the text its guard shows.
namespace tgx {

namespace {

const QString kOpenError = QStringLiteral("Error 00D3");
// The tool bar's entry in the main window's context menu, which hides and shows it.
const QString kToolBarCaption = QStringLiteral("Panel nástrojů");

} // namespace

QAction *TA0::command(const char *name, const QString &caption, void (TA0::*handler)(), const QString &errorText)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, handler, errorText] {
        m_guard.runHandler(errorText, [this, handler] { (this->*handler)(); });
    });
    return action;
}

void TA0::createMenus()
{
    QMenuBar *D0 = menuBar();
    D0->setObjectName(QStringLiteral("D0"));
    auto addMenu = [D0](const char *name, const QString &caption) {
        QMenu *menu = D0->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto separator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QMenu *D1 = addMenu("D1", QStringLiteral("Soubor"));
    QAction *D2 = command("D2", QStringLiteral("Nový"), &TA0::D2Click, QStringLiteral("Error 00D2"));
    D2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction *D3 = command("D3", QStringLiteral("Otevřít..."), &TA0::D3Click, kOpenError);
    D3->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction *D4 = command("D4", QStringLiteral("Uložit"), &TA0::D4Click, QStringLiteral("Error 00D4"));
    D4->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction *D5 = command("D5", QStringLiteral("Uložit jako..."), &TA0::D5Click, QStringLiteral("Error 00D5"));
    D5->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    D1->addActions({D2, D3, D4, D5});
    separator(D1, "D6");
    D1->addAction(command("D7", QStringLiteral("Export"), &TA0::D7Click, QStringLiteral("Error 00D7")));
    QAction *D8 = command("D8", QStringLiteral("Vlastnosti..."), &TA0::D8Click, QStringLiteral("Error 00D8"));
    D8->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)});
    D1->addAction(D8);
    separator(D1, "D9");
    D1->addAction(command("E0", QStringLiteral("Konec"), &TA0::E0Click, QStringLiteral("Error 00E0")));

    QMenu *E1 = addMenu("E1", QStringLiteral("Editace"));
    QAction *E2 = command("E2", QStringLiteral("Přidat vlak..."), &TA0::E2Click, QStringLiteral("Error 00E2"));
    E2->setShortcut(QKeySequence(Qt::Key_F2));
    QAction *E3 = command("E3", QStringLiteral("Upravit vlak..."), &TA0::E3Click, QStringLiteral("Error 00F3"));
    E3->setShortcut(QKeySequence(Qt::Key_F5));
    QAction *E4 = command("E4", QStringLiteral("Odebrat vlak    "), &TA0::E4Click, QStringLiteral("Error 00E4"));
    E4->setShortcut(QKeySequence(Qt::Key_Delete));
    E1->addActions({E2, E3, E4});
    separator(E1, "G0");
    createHistoryCommands(E1);

    QMenu *E5 = addMenu("E5", QStringLiteral("Zobrazit"));
    m_E9 = command("E9", QStringLiteral("Grafikon"), &TA0::E9Click, QStringLiteral("Error 00E9"));
    m_F0 = command("F0", QStringLiteral("Zdrojový kód"), &TA0::F0Click, QStringLiteral("Error 00F0"));
    m_G7 = command("G7", QStringLiteral("Obsazení kolejí"), &TA0::G7Click, QStringLiteral("Error 00G7"));
    m_E9->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    m_F0->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    m_G7->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_3), QKeySequence(Qt::Key_F6)});
    m_L0 = command("L0", QStringLiteral("Grafikon trati"), &TA0::L0Click, QStringLiteral("Error 00L0"));
    m_L0->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_4), QKeySequence(Qt::Key_F7)});
    auto *views = new QActionGroup(this);
    for (QAction *view : {m_E9, m_F0, m_G7, m_L0}) {
        view->setCheckable(true);
        views->addAction(view);
    }
    m_E9->setChecked(true);
    E5->addActions({m_E9, m_F0, m_G7, m_L0});

    QMenu *F1 = addMenu("F1", QStringLiteral("Nápověda"));
    QAction *F2 = command("F2", QStringLiteral("Nápověda pro TGX editor"), &TA0::F2Click, QStringLiteral("Error 00F2"));
    F2->setShortcut(QKeySequence(Qt::Key_F1));
    F1->addAction(F2);
    separator(F1, "F3");
    F1->addAction(command("F4", QStringLiteral("O programu TGX editor"), &TA0::F4Click, QStringLiteral("Error 00F4")));
    createRecentFilesMenu(D1);
    // Added items follow the menu's own, which keep their places.
    separator(D1, "K0");
    D1->addAction(command("K1", QStringLiteral("Exportovat do tabulky..."), &TA0::K1Click, QStringLiteral("Error 00K1")));
    D1->addAction(command("K2", QStringLiteral("Importovat z tabulky..."), &TA0::K2Click, QStringLiteral("Error 00K2")));
    separator(D1, "K3");
    QAction *K4 = command("K4", QStringLiteral("Tisk..."), &TA0::K4Click, QStringLiteral("Error 00K4"));
    K4->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    D1->addAction(K4);
    makeMenusKeyboardReachable(*D0);
}

void TA0::createToolBar()
{
    auto button = [this](const char *name, const char *menuItem, const QString &hint, const QIcon &icon) {
        auto *action = new QAction(icon, hint, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(hint);
        auto *item = findChild<QAction *>(QString::fromLatin1(menuItem));
        connect(action, &QAction::triggered, item, &QAction::trigger);
        return action;
    };
    auto *B6 = new ToolBar(this);
    B6->setObjectName(QStringLiteral("B6"));
    B6->setWindowTitle(kToolBarCaption);
    B6->addSpacer(8);
    B6->addButton(button("B8", "D2", QStringLiteral("Nový"), ToolBarImages::newDocument()));
    B6->addButton(button("B9", "D3", QStringLiteral("Otevřít"), ToolBarImages::open()));
    B6->addButton(button("C0", "D4", QStringLiteral("Uložit"), ToolBarImages::save()));
    B6->addSpacer(15);
    B6->addButton(button("C2", "E2", kAddTrainCaption, ToolBarImages::addTrain()));
    B6->addButton(button("C3", "E3", kEditTrainCaption, ToolBarImages::editTrain()));
    B6->addButton(button("C4", "E4", QStringLiteral("Odstranit vlak"), ToolBarImages::removeTrain()));
    B6->addSpacer(15);
    B6->addButton(button("C9", "F2", QStringLiteral("Nápověda"), ToolBarImages::help()));
    B6->addSpacer(15);
    B6->addButton(button("G8", "G7", QStringLiteral("Obsazení kolejí"), ToolBarImages::trackOccupancy()));
    B6->addButton(button("L1", "L0", QStringLiteral("Grafikon trati"), ToolBarImages::lineGraph()));
    B6->keepAsDefault();
    addToolBar(Qt::TopToolBarArea, B6);
}

void TA0::openFile(const QString &path)
{
    m_guard.runHandler(kOpenError, [this, &path] { m_files.openFile(path); });
}

} // namespace tgx
