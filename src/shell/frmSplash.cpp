#include "shell/frmSplash.h"

#include "shell/StartupForms.h"
#include "shell/ShortPath.h"

#include <QFileInfo>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace {

constexpr int kWidth = 446;
constexpr int kHeight = 288;

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, Qt::Alignment align)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(align | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

} // namespace

QPixmap BuiltInSplashPicture()
{
    QPixmap picture(kWidth, kHeight);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(8, 10, 40));
    sky.setColorAt(0.7, QColor(46, 18, 78));
    sky.setColorAt(1.0, QColor(92, 30, 70));
    p.fillRect(picture.rect(), sky);

    // A fixed seed: the same star field at every start.
    QRandomGenerator stars(1982);
    for (int i = 0; i < 160; ++i) {
        const QPointF at(stars.bounded(kWidth), stars.bounded(kHeight * 3 / 4));
        const int light = 120 + stars.bounded(136);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(light, light, 255));
        const double radius = stars.bounded(10) == 0 ? 1.4 : 0.7;
        p.drawEllipse(at, radius, radius);
    }

    // A grid receding to the horizon, as on an arcade cabinet's side art.
    const int horizon = 190;
    p.setPen(QPen(QColor(255, 90, 200, 150), 1));
    for (int x = -12 * kWidth; x <= 13 * kWidth; x += 120)
        p.drawLine(QPointF(kWidth / 2.0, horizon), QPointF(x, kHeight));
    for (int step = 1, y = horizon + 4; y < kHeight; ++step, y += step * 3)
        p.drawLine(0, y, kWidth, y);

    QFont title(QStringLiteral("Sans Serif"), 44, QFont::Black);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    QPainterPath text;
    text.addText(0, 0, title, QStringLiteral("ZELVANE"));
    const QRectF bounds = text.boundingRect();
    text.translate(kWidth / 2.0 - bounds.center().x(), 120 - bounds.center().y());
    QLinearGradient chrome(0, 120 - bounds.height() / 2, 0, 120 + bounds.height() / 2);
    chrome.setColorAt(0.0, QColor(255, 250, 200));
    chrome.setColorAt(0.5, QColor(255, 170, 40));
    chrome.setColorAt(1.0, QColor(200, 60, 20));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    p.setBrush(chrome);
    p.drawPath(text);
    return picture;
}

frmSplash::frmSplash(const QString& appPath, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      lblVersion(makeLabel(this, "lblVersion", QRect(296, 258, 140, 20), Qt::AlignRight)),
      lblMessage(makeLabel(this, "lblMessage", QRect(10, 232, 426, 20), Qt::AlignLeft)),
      lblCount(makeLabel(this, "lblCount", QRect(10, 258, 200, 20), Qt::AlignLeft))
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(kWidth, kHeight);
    Form_Load(appPath);
    CentreOnScreen(*this);
}

frmSplash::~frmSplash() = default;

void frmSplash::Form_Load(const QString& appPath)
{
    lblVersion->setText(QStringLiteral(ZELVANE_VERSION));
    const QString custom = JoinPath(appPath, QStringLiteral("splash.jpg"));
    QPixmap loaded;
    if (QFileInfo::exists(custom) && loaded.load(custom))
        m_picture = loaded;
    else
        m_picture = BuiltInSplashPicture();
}

void frmSplash::message(const QString& text)
{
    ShowCaptionNow(*lblMessage, text);
}

void frmSplash::count(qint32 games)
{
    ShowCaptionNow(*lblCount, QString::number(games));
}

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // A picture smaller than the form leaves the rest black; a larger one is cut at the edges.
    p.fillRect(rect(), Qt::black);
    p.drawPixmap(0, 0, m_picture);
}
