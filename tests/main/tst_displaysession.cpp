// Whether a start has a display for its window, from the environment alone.
#include "main/displaysession.h"

#include <QtTest>

using korvane::shell::DisplaySession;

class TestDisplaySession : public QObject {
    Q_OBJECT

private slots:
    void isHeadless_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("headless");
        QTest::newRow("X11") << ":0"
                             << ""
                             << "" << false;
        QTest::newRow("Wayland") << ""
                                 << "wayland-0"
                                 << "" << false;
        QTest::newRow("XWayland") << ":0"
                                  << "wayland-0"
                                  << "" << false;
        QTest::newRow("text console") << ""
                                      << ""
                                      << "" << true;
        QTest::newRow("a platform the user chose") << ""
                                                   << ""
                                                   << "linuxfb" << false;
    }

    void isHeadless()
    {
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(QString, platform);
        QFETCH(bool, headless);
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("HOME"), QStringLiteral("/home/ada"));
        if (!display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), display);
        if (!wayland.isEmpty())
            environment.insert(QStringLiteral("WAYLAND_DISPLAY"), wayland);
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        QCOMPARE(DisplaySession::isHeadless(environment), headless);
    }
};

QTEST_APPLESS_MAIN(TestDisplaySession)
#include "tst_displaysession.moc"
