#include "document/menu_keys.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QShortcut>

#include <optional>

namespace tgx {

namespace {

bool isKeyLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool startsWord(const QString &caption, qsizetype at)
{
    return at == 0 || caption.at(at - 1).isSpace();
}

// Where caption's mnemonic goes: a free letter starting a word, else any free letter.
std::optional<qsizetype> mnemonicPlace(const QString &caption, const QSet<QChar> &taken)
{
    std::optional<qsizetype> inside;
    for (qsizetype at = 0; at < caption.size(); ++at) {
        const QChar c = caption.at(at);
        if (!isKeyLetter(c) || taken.contains(c.toLower()))
            continue;
        if (startsWord(caption, at))
            return at;
        if (!inside)
            inside = at;
    }
    return inside;
}

// The letter after the mnemonic "&" of caption, if it has one ("&&" is an ampersand).
std::optional<QChar> mnemonicOf(const QString &caption)
{
    for (qsizetype at = 0; at + 1 < caption.size(); ++at) {
        if (caption.at(at) != u'&')
            continue;
        if (caption.at(at + 1) != u'&')
            return caption.at(at + 1).toLower();
        ++at;
    }
    return std::nullopt;
}

void giveMnemonics(const QList<QAction *> &actions)
{
    QStringList captions;
    for (const QAction *action : actions)
        captions << (action->isSeparator() ? QString() : action->text());
    const QStringList marked = withMnemonics(captions);
    for (qsizetype i = 0; i < actions.size(); ++i) {
        if (marked[i] != captions[i])
            actions[i]->setText(marked[i]);
    }
}

} // namespace

QStringList withMnemonics(const QStringList &captions)
{
    QSet<QChar> taken;
    for (const QString &caption : captions) {
        if (const auto letter = mnemonicOf(caption))
            taken.insert(*letter);
    }
    QStringList marked;
    for (const QString &caption : captions) {
        const auto place = caption.contains(u'&') ? std::nullopt : mnemonicPlace(caption, taken);
        if (!place) {
            marked << caption;
            continue;
        }
        taken.insert(caption.at(*place).toLower());
        marked << QString(caption).insert(*place, u'&');
    }
    return marked;
}

QString shownCaption(QString caption)
{
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption.at(at) == u'&')
            caption.remove(at, 1); // the character after it stays, "&&" leaving one "&"
    }
    return caption;
}

void makeMenusKeyboardReachable(QMenuBar &bar)
{
    giveMnemonics(bar.actions());
    for (const QAction *top : bar.actions()) {
        if (top->menu())
            giveMnemonics(top->menu()->actions());
    }
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), &bar);
    f10->setContext(Qt::WindowShortcut);
    QObject::connect(f10, &QShortcut::activated, &bar, [&bar] {
        const QList<QAction *> menus = bar.actions();
        if (!menus.isEmpty())
            bar.setActiveAction(menus.first());
    });
}

} // namespace tgx
