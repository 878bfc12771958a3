#include "core/application.h"

namespace korvane::core {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    QGuiApplication::notify(receiver, event);
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
