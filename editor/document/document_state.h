#pragma once

#include <QString>

namespace tgx {

// The main window's state of the document.
struct DocumentState {
    QString DocumentFileName;      // full path of its file; empty for a never-saved document
    bool DocumentModified = false; // text changed since the last New, Open or successful save
};

} // namespace tgx
