#include "platform/display_platform.h"

#include <QByteArray>
#include <QtGlobal>

namespace vantaloop::platform {

void preferX11OverWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArray("xcb"));
}

} // namespace vantaloop::platform
