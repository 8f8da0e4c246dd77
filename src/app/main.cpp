#include "app/main_window.h"
#include "platform/display_platform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    vantaloop::platform::preferX11OverWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantaloop"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setDesktopFileName(QStringLiteral("org.vantaloop.Vantaloop"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vantaloop.svg")));
    // Only the exit command ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    vantaloop::MainWindow window;
    window.show();
    return QApplication::exec();
}
