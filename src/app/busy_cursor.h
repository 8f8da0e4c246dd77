#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace vantaloop {

// Shows the busy pointer for its lifetime, so every way out of a long command
// restores the default pointer. Without a GUI application (command-line tools and
// tests) there is no pointer and it does nothing.
class BusyCursor {
public:
    BusyCursor()
        : m_active(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
    {
        if (m_active)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~BusyCursor()
    {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    bool m_active;
};

} // namespace vantaloop
