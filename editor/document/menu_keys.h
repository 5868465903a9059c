#pragma once

#include <QStringList>

class QMenuBar;

namespace tgx {

// Makes the menus usable without a mouse: every menu of the bar and every item
// in them gets a mnemonic (Alt with the underlined letter opens a menu, the
// letter alone chooses an item of an open menu), and F10 opens the first
// menu. The captions read as before; only an "&" goes before the letter that
// is underlined. Items added to a menu afterwards get none.
void makeMenusKeyboardReachable(QMenuBar &bar);

// The captions of one menu, each with an "&" before its mnemonic. Each takes
// the first letter of one of its words that no caption before it has taken,
// else any other such letter of it; letters are taken whatever their case,
// and only the letters A to Z, which every keyboard has. A caption that
// already has an "&", or has no free letter, stays as it is. Empty captions
// (separators) are skipped.
QStringList withMnemonics(const QStringList &captions);

// A caption as the menu shows it: without the "&" of its mnemonic.
QString shownCaption(QString caption);

} // namespace tgx
