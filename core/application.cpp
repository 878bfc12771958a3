#include "core/application.h"

namespace korvane::core {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    // The widget level must see the events too: on Linux the tray icon is a
    // widget, and without it the icon stays blank and ignores every click.
    QApplication::notify(receiver, event);
    return true;
}

bool Application::initialize(ApplicationInterface* interface)
{
    m_interface = interface;
    return true;
}

void Application::clean()
{
    m_interface = nullptr;
}

} // namespace korvane::core
