#pragma once

#include <QGuiApplication>

namespace vantaloop {

// Shows the busy pointer for its lifetime, so every way out of a long command
// restores the default pointer.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace vantaloop
