// A Qt input plugin for tests: loaded into the real program (through
// QT_QPA_GENERIC_PLUGINS), it types the text of TGX_TYPIST_TEXT at the end of
// the source view once the main window is shown, as a user at the keyboard
// would. It lets a test give a running editor unsaved work.
#include <QApplication>
#include <QGenericPlugin>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

class Typist : public QObject {
public:
    explicit Typist(const QString &text) : m_text(text)
    {
        connect(&m_poll, &QTimer::timeout, this, &Typist::typeWhenShown);
        m_poll.start(20);
    }

private:
    void typeWhenShown()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *source = window->findChild<QPlainTextEdit *>(QStringLiteral("B0"));
            if (!window->isVisible() || !source)
                continue;
            m_poll.stop();
            press(source, Qt::Key_End, Qt::ControlModifier, QString());
            for (const QChar c : m_text)
                press(source, 0, Qt::NoModifier, QString(c));
            return;
        }
    }

    static void press(QWidget *target, int key, Qt::KeyboardModifiers modifiers, const QString &text)
    {
        QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
        QCoreApplication::sendEvent(target, &up);
    }

    QString m_text;
    QTimer m_poll;
};

} // namespace

class TypistPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "typist.json")

public:
    QObject *create(const QString &, const QString &) override
    {
        return new Typist(qEnvironmentVariable("TGX_TYPIST_TEXT"));
    }
};

#include "typist_plugin.moc"
