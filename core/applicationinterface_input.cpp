#include "core/applicationinterface.h"

#include "common/logmanager.h"
#include "core/platform/inputbackend.h"

namespace korvane::core {

bool ApplicationInterface::selectInputBackend(const QString& request, const QString& uinputPath)
{
    auto& log = common::LogManager::GetInstance();
    InputBackend::Kind kind = InputBackend::Auto;
    const bool known = request.isEmpty() || InputBackend::parse(request, &kind);
    if (!known)
        log.errorLog(
            QStringLiteral("Unknown input back end \"%1\" (auto, xtest or uinput): using auto")
                .arg(request));
    const QByteArray device = uinputPath.toLocal8Bit();
    InputBackend::Selection selection = uinputPath.isEmpty()
        ? InputBackend::open(kind, InputBackend::Session::current())
        : InputBackend::open(kind, InputBackend::Session::current(), device.constData());
    if (selection.problem.isEmpty())
        log.infoLog(selection.log);
    else
        log.errorLog(selection.log);
    setInputInjector(std::move(selection.injector));
    if (selection.problem != m_inputProblem) {
        m_inputProblem = selection.problem;
        emit inputProblemChanged(m_inputProblem);
    }
    return known;
}

} // namespace korvane::core
