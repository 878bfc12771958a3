#pragma once

class QObject;
class QQmlContext;
class QString;

namespace korvane::core {
class ApplicationInterface;
}

namespace korvane::shell {

// What the scene documents can reach: the registered types of "com.korvane"
// and "com.tarnel", and the live objects of one pass as context properties.
void registerSceneTypes();
void setSceneContext(QQmlContext* context, core::ApplicationInterface& interface);
void setSystrayEnabled(QQmlContext* context, bool available);
// True when no user configuration existed: the scene tells where it went.
void setFirstStart(QQmlContext* context, bool firstStart);
// What the window says beside its content (a WindowNotices).
void setWindowNotices(QQmlContext* context, QObject* notices);
// After a restart, the object name of the page the window showed (a string);
// otherwise null, and the window starts as on a new start.
void setRestartPage(QQmlContext* context, bool restarted, const QString& page);

} // namespace korvane::shell
