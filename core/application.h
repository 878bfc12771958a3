#pragma once

#include "core/korvane_core_export.h"

#include <QApplication>

namespace korvane::core {

class ApplicationInterface;

// The program's application object; every event is reported as handled.
class KORVANE_CORE_EXPORT Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    bool initialize(ApplicationInterface* interface);
    void clean();

private:
    ApplicationInterface* m_interface = nullptr;
};

} // namespace korvane::core
