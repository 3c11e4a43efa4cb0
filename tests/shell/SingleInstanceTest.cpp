#include "shell/SingleInstance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

// The first instance lives in the test process; the later start is the real program.
class SingleInstance : public ::testing::Test {
protected:
    QString name() const { return m_dir.filePath("instance"); }

    // Starts the program under the test's instance name and waits for its end.
    int startSecondInstance()
    {
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ZELVANE_INSTANCE", name());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        second.setProcessEnvironment(env);
        second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        second.start(QStringLiteral(ZELVANE_BINARY), {});
        if (!second.waitForFinished(20000)) {
            second.kill();
            second.waitForFinished();
            ADD_FAILURE() << "the second instance kept running";
            return -1;
        }
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        return second.exitCode();
    }

    // A minimised main window of the first instance.
    void showMinimised()
    {
        m_window.resize(200, 100);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        m_window.showMinimized();
        ASSERT_TRUE(m_window.isMinimized());
    }

    // What the first instance does once its event loop runs again.
    static bool restoredWithin(QWidget& window, int ms)
    {
        const QDeadlineTimer deadline(ms);
        while (window.isMinimized() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return !window.isMinimized();
    }
    bool restoredWithin(int ms) { return restoredWithin(m_window, ms); }

    QTemporaryDir m_dir;
    QWidget m_window;
};

// What a crashed instance leaves: the socket's name, with nobody listening behind it.
void leaveStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    ASSERT_LT(std::size_t(bytes.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, bytes.constData(), std::size_t(bytes.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(path));
}

} // namespace

TEST_F(SingleInstance, NameLeftByACrashedInstanceIsTakenOverAndASecondStartRaisesIt)
{
    leaveStaleSocket(name());

    // Returns, since nobody answers; this process would end here otherwise.
    ActivatePrevInstance(name());
    EXPECT_FALSE(QFileInfo::exists(name()));
    InstanceServer first;
    first.setWindow(&m_window);
    ASSERT_TRUE(first.listen(name()));
    showMinimised();

    // The first instance is busy: the second ends without waiting for it.
    EXPECT_EQ(startSecondInstance(), 0);
    EXPECT_TRUE(m_window.isMinimized());
    EXPECT_TRUE(restoredWithin(5000));
}

TEST_F(SingleInstance, NamesDifferByTitleAndEnvironmentChoosesItsOwn)
{
    qunsetenv("ZELVANE_INSTANCE");
    EXPECT_NE(InstanceName("Zelvane"), InstanceName("unwanted instance"));
    EXPECT_TRUE(InstanceName("Zelvane").startsWith("Zelvane-"));
    qputenv("ZELVANE_INSTANCE", "run-42");
    EXPECT_EQ(InstanceName("Zelvane"), "run-42");
    qunsetenv("ZELVANE_INSTANCE");
}

// Before the main window shows, the first instance may show the wizard (modal), the splash or a
// message box: a later start brings that to the front.
TEST_F(SingleInstance, ASecondStartBeforeTheMainWindowRaisesWhatTheFirstShows)
{
    InstanceServer first;
    first.setWindow(&m_window);
    ASSERT_TRUE(first.listen(name()));
    // The wizard (modal) and the splash.
    for (const Qt::WindowFlags flags : {Qt::WindowFlags(Qt::Dialog), Qt::SplashScreen | Qt::FramelessWindowHint}) {
        QWidget form(nullptr, flags);
        form.setWindowModality(flags & Qt::SplashScreen ? Qt::NonModal : Qt::ApplicationModal);
        form.resize(200, 100);
        form.showMinimized();
        ASSERT_TRUE(form.isMinimized());
        EXPECT_EQ(startSecondInstance(), 0);
        EXPECT_TRUE(restoredWithin(form, 5000));
        EXPECT_FALSE(m_window.isVisible());
    }
}

TEST_F(SingleInstance, ASecondStartWhileNothingShowsWaitsForTheMainWindow)
{
    InstanceServer first;
    first.setWindow(&m_window);
    ASSERT_TRUE(first.listen(name()));
    // A main window that will show minimised, hidden when the request comes.
    showMinimised();
    QApplication::processEvents();
    m_window.hide();
    EXPECT_EQ(startSecondInstance(), 0);
    QTest::qWait(300);
    ASSERT_TRUE(m_window.isMinimized());

    m_window.show();
    EXPECT_TRUE(restoredWithin(5000));
}
