#pragma once

#include <QImage>

class QPagedPaintDevice;

namespace vantaloop {

// Prints the picture once per copy, one page each, fitted to the page with its
// proportions kept and centred. False when the device could not be painted on.
bool printPicture(QPagedPaintDevice &device, const QImage &picture, int copies);

} // namespace vantaloop
