#include "main/resumepoint.h"

#include <QQmlApplicationEngine>

namespace korvane::shell {

namespace {
constexpr char cstVariable[] = "KORVANE_RESUME_PAGE";
} // namespace

void ResumePoint::leave(const QQmlApplicationEngine& engine)
{
    QString page;
    const QList<QObject*> roots = engine.rootObjects();
    const QObject* stack = roots.isEmpty()
        ? nullptr
        : roots.first()->findChild<QObject*>(QStringLiteral("pageStack"));
    if (stack) {
        if (const QObject* current = stack->property("currentItem").value<QObject*>())
            page = current->objectName();
    }
    qputenv(cstVariable, page.toUtf8());
}

bool ResumePoint::take(QString* page)
{
    if (!qEnvironmentVariableIsSet(cstVariable))
        return false;
    *page = qEnvironmentVariable(cstVariable);
    qunsetenv(cstVariable);
    return true;
}

} // namespace korvane::shell
