#pragma once

#include <QByteArray>
#include <QImage>

namespace tgx {

// Decodes JPEG bytes with libjpeg into an RGB image. Bytes that libjpeg
// cannot decode, and pictures that are damaged or cut short (libjpeg's
// warnings), give a null image; nothing is left allocated either way.
QImage decodeJpeg(const QByteArray &bytes);

} // namespace tgx
