#pragma once

#include "core/korvane_core_export.h"

#include <QApplication>

namespace korvane::core {

class ApplicationInterface;

// The program's application object. Events go to the GUI-application level of
// Qt's dispatch; the widget level is bypassed because the scene has no widgets.
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
