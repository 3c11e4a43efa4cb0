#include "shell/frmWait.h"

#include "shell/StartupForms.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {

// An hourglass: the picture beside the headline.
QPixmap hourglass()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 20), 2));
    p.drawLine(6, 3, 26, 3);
    p.drawLine(6, 29, 26, 29);
    QPainterPath glass;
    glass.moveTo(9, 4);
    glass.lineTo(23, 4);
    glass.lineTo(17, 16);
    glass.lineTo(23, 28);
    glass.lineTo(9, 28);
    glass.lineTo(15, 16);
    glass.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 90), 1.2));
    p.setBrush(QColor(220, 235, 255));
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 180, 70));
    p.drawPolygon(QPolygonF({QPointF(12, 8), QPointF(20, 8), QPointF(16, 15)}));
    p.drawPolygon(QPolygonF({QPointF(16, 21), QPointF(21, 27.5), QPointF(11, 27.5)}));
    return picture;
}

QLabel* makeLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

frmWait::frmWait(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Picture1(makeLabel(this, "Picture1")),
      lblText(makeLabel(this, "lblText")),
      lblMessage(makeLabel(this, "lblMessage")),
      lblCountLabel(makeLabel(this, "lblCountLabel")),
      lblCount(makeLabel(this, "lblCount"))
{
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(QStringLiteral("Zelvane"));

    Picture1->setPixmap(hourglass());
    Picture1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    QFont headline = lblText->font();
    headline.setBold(true);
    lblText->setFont(headline);
    lblCountLabel->setText(QStringLiteral("Game Count:"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(10);
    grid->addWidget(Picture1, 0, 0, 3, 1);
    grid->addWidget(lblText, 0, 1, 1, 2);
    grid->addWidget(lblMessage, 1, 1, 1, 2);
    grid->addWidget(lblCountLabel, 2, 1);
    grid->addWidget(lblCount, 2, 2);
    grid->setColumnStretch(2, 1);
    // A message may not move the form's edges while a job runs.
    setFixedSize(360, 100);
    CentreOnScreen(*this);
}

frmWait::~frmWait() = default;

void frmWait::message(const QString& text)
{
    ShowCaptionNow(*lblMessage, text);
}

void frmWait::count(qint32 games)
{
    ShowCaptionNow(*lblCount, QString::number(games));
}
