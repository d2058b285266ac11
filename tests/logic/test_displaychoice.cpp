// The window system the game starts on, for each pair of X and Wayland
// states and the platforms a player can name: the live one is taken, and
// where none opens the line names what could not be opened.
#include <QtTest>

#include "core/displaychoice.h"

using namespace zentrivo;

namespace {

// How a display is: not set, set but not opening, or opening.
enum class State { Unset, Dead, Live };

}  // namespace

Q_DECLARE_METATYPE(State)

class TestDisplayChoice : public QObject {
    Q_OBJECT
private slots:
    // Each row: -platform or QT_QPA_PLATFORM, the session type, the X and
    // Wayland states, whether Qt's Wayland plug-in is installed, then the
    // platform given to Qt ("-" where nothing starts; "" where Qt's own
    // choice or the one named is left as it is) and what the line says.
    void choice_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("session");
        QTest::addColumn<State>("x");
        QTest::addColumn<State>("wayland");
        QTest::addColumn<bool>("plugin");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("message");
        using S = State;
        const QString x = "the display \":5\"";
        const QString w = "the Wayland display \"wayland-1\"";
        const QString advice =
            "; to play without one, run it under a virtual display: xvfb-run zentrivo";
        const QString cannot = "Zentrivo needs a graphical display and cannot open ";
        // Nothing named: X and Wayland as the session has them.
        QTest::newRow("X live") << ""
                                << "x11" << S::Live << S::Unset << true << ""
                                << "";
        QTest::newRow("X dead") << ""
                                << "x11" << S::Dead << S::Unset << true << "-"
                                << cannot + x + advice;
        QTest::newRow("Wayland live") << ""
                                      << "wayland" << S::Unset << S::Live << true << ""
                                      << "";
        QTest::newRow("Wayland dead")
            << ""
            << "wayland" << S::Unset << S::Dead << true << "-" << cannot + w + advice;
        QTest::newRow("no Wayland plug-in")
            << ""
            << "wayland" << S::Unset << S::Live << false << "-"
            << cannot + w + " (Qt's Wayland plug-in is not installed: Debian package qt6-wayland)" +
                   advice;
        QTest::newRow("both live") << ""
                                   << "wayland" << S::Live << S::Live << true << ""
                                   << "";
        QTest::newRow("X dead, Wayland live") << ""
                                              << "x11" << S::Dead << S::Live << true << "wayland"
                                              << "";
        QTest::newRow("Wayland dead, X live") << ""
                                              << "wayland" << S::Live << S::Dead << true << "xcb"
                                              << "";
        QTest::newRow("no Wayland plug-in, X live")
            << ""
            << "wayland" << S::Live << S::Live << false << "xcb"
            << "";
        QTest::newRow("both dead, Wayland session")
            << ""
            << "wayland" << S::Dead << S::Dead << true << "-" << cannot + w + " nor " + x + advice;
        QTest::newRow("both dead, X session")
            << ""
            << "" << S::Dead << S::Dead << true << "-" << cannot + x + " nor " + w + advice;
        QTest::newRow("none set")
            << ""
            << "" << S::Unset << S::Unset << true << "-"
            << "Zentrivo needs a graphical display and found none (neither DISPLAY nor "
               "WAYLAND_DISPLAY is set)" +
                   advice;
        // Named by the player.
        QTest::newRow("wayland named, dead")
            << "wayland"
            << "" << S::Live << S::Dead << true << "-" << cannot + w + advice;
        QTest::newRow("wayland named, no plug-in")
            << "wayland-egl"
            << "" << S::Live << S::Live << false << "-"
            << cannot + w + " (Qt's Wayland plug-in is not installed: Debian package qt6-wayland)" +
                   advice;
        QTest::newRow("xcb named, dead")
            << "xcb"
            << "wayland" << S::Dead << S::Live << true << "-" << cannot + x + advice;
        QTest::newRow("xcb named, unset") << "xcb"
                                          << "" << S::Unset << S::Live << true << "-"
                                          << cannot + "the X display (DISPLAY is not set)" + advice;
        QTest::newRow("wayland named, live") << "wayland"
                                             << "" << S::Dead << S::Live << true << ""
                                             << "";
        QTest::newRow("a list: the live one") << "wayland;xcb"
                                              << "" << S::Live << S::Dead << true << "xcb"
                                              << "";
        QTest::newRow("offscreen") << "offscreen"
                                   << "" << S::Unset << S::Unset << true << ""
                                   << "";
        QTest::newRow("a platform Qt has not")
            << "bogus"
            << "" << S::Live << S::Live << true << "-"
            << cannot + "the platform \"bogus\" (Qt has no plug-in for it)" + advice;
    }
    void choice() {
        QFETCH(QString, platform);
        QFETCH(QString, session);
        QFETCH(State, x);
        QFETCH(State, wayland);
        QFETCH(bool, plugin);
        QFETCH(QString, chosen);
        QFETCH(QString, message);
        const DisplaySetting setting{platform.toStdString(), x == State::Unset ? "" : ":5",
                                     wayland == State::Unset ? "" : "wayland-1",
                                     session.toStdString()};
        const DisplayProbes probes{
            [x](const std::string &name) { return name == ":5" && x == State::Live; },
            [wayland](const std::string &name) {
                return name == "wayland-1" && wayland == State::Live;
            },
            [plugin](const std::string &name) {
                return name == "xcb" || name == "offscreen" ||
                       (plugin && name.rfind("wayland", 0) == 0);
            }};
        const DisplayChoice c = chooseDisplay(setting, probes);
        QCOMPARE(c.starts, chosen != "-");
        if (c.starts) QCOMPARE(QString::fromStdString(c.platform), chosen);
        QCOMPARE(QString::fromStdString(c.message), message);
    }
};

QTEST_APPLESS_MAIN(TestDisplayChoice)
#include "test_displaychoice.moc"
