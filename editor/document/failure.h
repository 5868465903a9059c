#pragma once

#include <QString>

#include <stdexcept>

namespace tgx {

// The one error type of the core. Its description is what the error guard
// shows to the user after the guards' own texts.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString &description)
        : std::runtime_error(description.toStdString()) {}
    QString description() const { return QString::fromStdString(what()); }
};

// Description of a value that cannot be read as a number (the editor stamp's
// version, a number field of a record).
inline const QString kConversionError = QStringLiteral("Invalid variant type conversion");

} // namespace tgx
