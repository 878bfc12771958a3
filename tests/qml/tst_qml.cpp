// Runs every tests/qml/tst_*.qml against the real registered types, a real
// application interface and its configuration document, and the scene
// resources (including the Korvane.Gui module) linked into this program.
#include "core/applicationinterface.h"
#include "main/sceneregistration.h"
#include "main/windownotices.h"
#include "tests/doubles/recordinginputinjector.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

#include <memory>
#include <vector>

using korvane::core::ApplicationInterface;

class Setup : public QObject {
    Q_OBJECT
public slots:
    void applicationAvailable()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("ormidan"));
        QCoreApplication::setApplicationName(QStringLiteral("korvane-qml-tests"));
        korvane::shell::registerSceneTypes();
    }

    void qmlEngineAvailable(QQmlEngine* engine)
    {
        // A fresh document per test file, so one file's edits never leak into the
        // next; the previous file's engine is gone by now, and with its interface
        // go the catalogues a language test installed.
        m_interfaces.clear();
        m_notices = std::make_unique<korvane::shell::WindowNotices>();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
        auto& interface = m_interfaces.emplace_back(
            std::make_unique<ApplicationInterface>(nullptr));
        // Presses stay recorded instead of reaching the test's own display.
        interface->setInputInjector(std::make_unique<korvane::core::RecordingInputInjector>());
        korvane::shell::setSceneContext(engine->rootContext(), *interface);
        korvane::shell::setSystrayEnabled(engine->rootContext(), false);
        m_notices->watchDocument(interface->get_configuration());
        korvane::shell::setWindowNotices(engine->rootContext(), m_notices.get());
        QObject::connect(interface.get(), &ApplicationInterface::languageChanged, engine,
            &QQmlEngine::retranslate);
        engine->rootContext()->setContextProperty(
            QStringLiteral("screenshotDir"), qEnvironmentVariable("KORVANE_SCREENSHOT_DIR"));
    }

    void cleanupTestCase()
    {
        m_interfaces.clear();
        m_notices.reset();
    }

private:
    std::vector<std::unique_ptr<ApplicationInterface>> m_interfaces;
    std::unique_ptr<korvane::shell::WindowNotices> m_notices;
};

QUICK_TEST_MAIN_WITH_SETUP(korvane_qml, Setup)

#include "tst_qml.moc"
