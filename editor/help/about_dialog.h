#pragma once

#include "document/dialog_form.h"

class QLabel;
class QPushButton;

namespace tgx {

// The About dialog: the program's name and version, the product it belongs
// to, the author's and the maker's contact lines, the terms of distribution
// and three pictures. "OK", Enter and the close box close it; every close
// runs FormClose ("Error A3-A"), which enables the main window again.
class TA3 : public DialogForm {
    Q_OBJECT

public:
    TA3(QWidget &mainWindow, ErrorGuard &guard);

private:
    void createTexts();
    void createPictures();
    void createButton();
    void C2Click(); // "OK": closes the dialog

    QLabel *B0 = nullptr;      // title
    QLabel *B1 = nullptr;      // emblem, a JPEG decoded by libjpeg
    QLabel *B2 = nullptr;      // version
    QLabel *B3 = nullptr;      // product
    QLabel *B4 = nullptr;      // author's name
    QLabel *B5 = nullptr;      // author's web address
    QLabel *B6 = nullptr;      // author's e-mail
    QLabel *B7 = nullptr;      // maker's name
    QLabel *B8 = nullptr;      // maker's web address
    QLabel *B9 = nullptr;      // maker's e-mail
    QLabel *C0 = nullptr;      // terms of distribution
    QLabel *C1 = nullptr;      // author's logo
    QPushButton *C2 = nullptr; // "OK", the default button
    QLabel *C3 = nullptr;      // maker's logo
};

} // namespace tgx
