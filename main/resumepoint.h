#pragma once

#include <QString>

class QQmlApplicationEngine;

namespace korvane::shell {

// Where the user left the window when they asked for a restart. The restart
// comes from the window, so the next pass shows it again on that page instead
// of starting in the tray. Carried in the environment, which both a pass in
// this image and the next image of the process find.
class ResumePoint {
public:
    // Notes the page the window of `engine` shows: its object name, empty
    // for an unnamed one.
    static void leave(const QQmlApplicationEngine& engine);
    // True, once, when this pass follows a restart; `page` receives the page
    // that leave() noted.
    static bool take(QString* page);
};

} // namespace korvane::shell
