#include "shell/frmSplash.h"
#include "shell/frmWait.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "support/Files.h"

namespace {

QImage solidJpeg(const QColor& colour, QSize size = QSize(446, 288))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
           std::abs(a.blue() - b.blue()) < 12;
}

// A point of the picture that no label covers.
const QPoint kOpenSky(220, 40);

// Counts the paint events a label receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Sets the message and count through the progress interface and checks that both labels were
// painted before any event ran.
void expectImmediateProgress(QWidget& form, Progress& sink, QLabel* lblMessage, QLabel* lblCount)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    PaintCounter messagePaints(lblMessage), countPaints(lblCount);
    sink.message(QStringLiteral("Creating listxml.txt..."));
    sink.count(45123);
    EXPECT_EQ(lblMessage->text(), "Creating listxml.txt...");
    EXPECT_EQ(lblCount->text(), "45123");
    EXPECT_GE(messagePaints.paints, 1);
    EXPECT_GE(countPaints.paints, 1);
}

} // namespace

TEST(frmSplash, ShowsTheVersionOverSplashJpgOrElseItsBuiltInPicture)
{
    const QColor red(200, 20, 30);
    const QImage builtIn = BuiltInSplashPicture().toImage();
    for (const char* file : {"", "not a picture", "red"}) {
        QTemporaryDir dir;
        if (QByteArray(file) == "red")
            ASSERT_TRUE(solidJpeg(red).save(dir.filePath("splash.jpg"), "JPG"));
        else if (*file)
            writeFile(dir.filePath("splash.jpg"), file);
        frmSplash splash(dir.path());
        EXPECT_EQ(splash.lblVersion->text(), "4.0.0");
        EXPECT_EQ(splash.size(), QSize(446, 288));
        const QImage shown = splash.grab().toImage();
        if (QByteArray(file) == "red") {
            EXPECT_TRUE(near(shown.pixelColor(kOpenSky), red));
            EXPECT_TRUE(near(shown.pixelColor(5, 5), red));
        } else {
            // No file, or one that is no picture: the built-in picture.
            EXPECT_EQ(shown.pixelColor(kOpenSky), builtIn.pixelColor(kOpenSky)) << file;
            EXPECT_EQ(shown.pixelColor(400, 200), builtIn.pixelColor(400, 200)) << file;
        }
    }
}

TEST(frmSplash, PaintsProgressAtOnce)
{
    QTemporaryDir dir;
    frmSplash splash(dir.path());
    expectImmediateProgress(splash, splash, splash.lblMessage, splash.lblCount);
}

TEST(frmWait, HasItsCaptionsAndPaintsProgressAtOnce)
{
    frmWait wait;
    for (const char* name : {"Picture1", "lblText", "lblMessage", "lblCountLabel", "lblCount"})
        EXPECT_NE(wait.findChild<QLabel*>(name), nullptr) << name;
    EXPECT_EQ(wait.lblCountLabel->text(), "Game Count:");
    expectImmediateProgress(wait, wait, wait.lblMessage, wait.lblCount);
}
