#include "wizard/frmMyAbout.h"

#include "platform/ClickFilter.h"
#include "platform/MsgBox.h"
#include "platform/OpenUrl.h"
#include "platform/ToolFiles.h"
#include "platform/TwipsLayout.h"
#include "platform/WholeFile.h"
#include "shell/ExecCmd.h"
#include "shell/HeaderPictures.h"
#include "shell/MameCommands.h"
#include "shell/ShortPath.h"
#include "wizard/NewsAndUpdates.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTimer>

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, double left, double top, double width,
                  double height = 255)
{
    return makeControl<QLabel>(parent, name, left, top, width, height, text);
}

// Through the palette: a style sheet would take the font over too, and the link's underline with it.
void setTextColor(QLabel* label, const QColor& color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

QFont titleFont()
{
    QFont font(QStringLiteral("URW Chancery L"));
    font.setStyleHint(QFont::Decorative);
    font.setPointSize(26);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

} // namespace

void ShowAbout(AppState& state, QTimer* marquee, std::function<void()> refreshScroll, QWidget* parent)
{
    frmMyAbout box(state, marquee, std::move(refreshScroll), parent);
    box.exec();
}

QPixmap MaintainersPicture()
{
    QPixmap picture(72, 80);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // The base, the stick, and the ball on top; a fire button beside the stick.
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(40, 40, 48));
    p.drawRoundedRect(QRectF(6, 54, 60, 20), 6, 6);
    p.setBrush(QColor(70, 70, 80));
    p.drawEllipse(QRectF(26, 50, 20, 8));
    p.setBrush(QColor(150, 150, 160));
    p.drawRect(QRectF(33, 22, 6, 32));
    QRadialGradient ball(QPointF(32, 14), 14);
    ball.setColorAt(0, QColor(255, 120, 120));
    ball.setColorAt(1, QColor(170, 0, 0));
    p.setBrush(ball);
    p.drawEllipse(QRectF(24, 6, 24, 24));
    p.setBrush(QColor(250, 210, 0));
    p.drawEllipse(QRectF(50, 58, 10, 8));
    return picture;
}

frmMyAbout::frmMyAbout(AppState& state, QTimer* marquee, std::function<void()> refreshScroll, QWidget* parent)
    : QDialog(parent), m_state(state), m_marquee(marquee), m_refreshScroll(std::move(refreshScroll))
{
    setObjectName(QStringLiteral("frmMyAbout"));
    setWindowTitle(QStringLiteral("About Zelvane"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(twipsToPixels(6600), twipsToPixels(6300));
    createControls();
    createExtras();
    Form_Load();
}

void frmMyAbout::createControls()
{
    imgMachine = makeControl<QLabel>(this, "imgMachine", 240, 240, 1080, 1200);
    imgMachine->setPixmap(MachinePicture());
    imgMe = makeControl<QLabel>(this, "imgMe", 240, 240, 1080, 1200);
    imgMe->setPixmap(MaintainersPicture());
    imgMe->hide();

    // The title twice: the second, offset and grey, is the first's shadow.
    lblTitle2 = makeLabel(this, "lblTitle2", QStringLiteral("Zelvane"), 1590, 135, 4800, 660);
    lblTitle = makeLabel(this, "lblTitle", QStringLiteral("Zelvane"), 1560, 105, 4800, 660);
    for (QLabel* title : {lblTitle, lblTitle2})
        title->setFont(titleFont());
    setTextColor(lblTitle2, QColor(0x9a, 0x9a, 0x9a));
    lblTitle->raise();

    lblVersion = makeLabel(this, "lblVersion", QString(), 1560, 840, 4800);
    lblNotice[0] = makeLabel(this, "lblNotice1", QString(), 1560, 1140, 4800);
    lblNotice[1] = makeLabel(this, "lblNotice2", QStringLiteral("A front-end for M.A.M.E., with no warranty."), 1560,
                             1395, 4800);
    lblAuthor = makeLabel(this, "lblAuthor", QStringLiteral("Zelvane maintainers"), 1560, 1740, 4800);
    lblURL = makeLabel(this, "lblURL", WebHost(), 1560, 2040, 4800);
    lblURL->setToolTip(QStringLiteral("Click Here To Visit The Zelvane Website"));
    setTextColor(lblURL, Qt::blue);
    lblURL->setCursor(Qt::PointingHandCursor);
    ConnectClick(lblURL, [this] { lblURL_Click(); });
    ConnectClick(lblAuthor, [this] { lblAuthor_Click(); });

    cmdVersion = makeButton(this, "cmdVersion", "&M.A.M.E.", "Shows The Current Version Of M.A.M.E.", 240, 2520, 1200);
    lblMAMEVersion = makeLabel(this, "lblMAMEVersion", QString(), 1560, 2580, 4800);
    chkOther = makeControl<QCheckBox>(this, "chkOther", 240, 3000, 1800, 255, QStringLiteral("Other Extras"));
    cmdOK = makeButton(this, "cmdOK", "OK", "Returns To Zelvane", 5160, 5640, 1200);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmMyAbout::cmdOK_Click);
    connect(cmdVersion, &QPushButton::clicked, this, &frmMyAbout::cmdVersion_Click);
    connect(chkOther, &QCheckBox::stateChanged, this, &frmMyAbout::chkOther_Click);

    setMouseTracking(true);
    for (QWidget* w : std::initializer_list<QWidget*>{imgMachine, imgMe, lblAuthor, lblNotice[0], lblNotice[1],
                                                      lblTitle, lblTitle2, lblVersion, lblURL}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void frmMyAbout::createExtras()
{
    fraOther = makeControl<QGroupBox>(this, "fraOther", 240, 3300, 4740, 2760, QStringLiteral("Other Extras"));
    const struct {
        QRadioButton* frmMyAbout::* button;
        const char* name;
        const char* caption;
        void (frmMyAbout::*click)();
    } kOptions[] = {
        {&frmMyAbout::optArtwork, "optArtwork", "Artwork", &frmMyAbout::optArtwork_Click},
        {&frmMyAbout::optIcons, "optIcons", "Icons", &frmMyAbout::optIcons_Click},
        {&frmMyAbout::optSamples, "optSamples", "Samples", &frmMyAbout::optSamples_Click},
        {&frmMyAbout::optDATs, "optDATs", "DATs", &frmMyAbout::optDATs_Click},
    };
    double top = 330;
    for (const auto& o : kOptions) {
        auto* b = makeControl<QRadioButton>(fraOther, o.name, 120, top, 1260, 255, QString::fromLatin1(o.caption));
        this->*o.button = b;
        connect(b, &QRadioButton::toggled, this, [this, click = o.click](bool on) {
            if (on)
                (this->*click)();
        });
        top += 330;
    }

    File1 = makeControl<QListView>(fraOther, "File1", 1500, 300, 3120, 2040);
    m_files = new QStringListModel(this);
    File1->setModel(m_files);
    File1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(File1->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmMyAbout::File1_Click);
    Label1 = makeLabel(fraOther, "Label1", QStringLiteral("Total Files:"), 120, 2400, 1260);
    lblTotal = makeLabel(fraOther, "lblTotal", QString(), 1500, 2400, 1200);
    fraOther->hide();
}

void frmMyAbout::Form_Load()
{
    lblVersion->setText(QStringLiteral("Version ") + QStringLiteral(ZELVANE_VERSION));
    lblNotice[0]->setText(QStringLiteral("Copyright ") + QChar(169) + QStringLiteral(" 2025-2026"));
    const bool running = m_marquee && m_marquee->isActive();
    m_state.view.blnScroll = running;
    if (running) {
        m_marquee->stop();
        if (m_refreshScroll)
            m_refreshScroll();
    }
}

void frmMyAbout::cmdOK_Click()
{
    if (m_closing)
        return;
    m_closing = true;
    if (m_state.view.blnScroll && m_marquee)
        m_marquee->start();
    accept();
}

void frmMyAbout::reject() { cmdOK_Click(); }

void frmMyAbout::done(int result)
{
    imgMe->hide();
    QDialog::done(result);
}

void frmMyAbout::cmdVersion_Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cmdOK->setEnabled(false);
    const QString reports = QStringLiteral("reports");
    const QString commandFile = JoinPath(JoinPath(CommandPath(m_state.paths.strAppPath), reports), QStringLiteral("version.txt"));
    const ToolFiles output(JoinPath(m_state.paths.strAppPath, reports), {QStringLiteral("version.txt")});
    ExecCmd(MameHelpCommand(commandFile), ShowState::Minimized, m_state.dirs.strMAMEPath);
    // No output at all (MAME missing, the folder unwritable) reads as no version line.
    const Result<QByteArray> help = ReadWholeFileOr(output.path(QStringLiteral("version.txt")), QByteArray());
    lblMAMEVersion->setText(MameVersionFromHelp(help ? *help : QByteArray()));
    cmdVersion->setEnabled(false);
    QApplication::restoreOverrideCursor();
    cmdOK->setEnabled(true);
    cmdOK->setFocus();
}

void frmMyAbout::chkOther_Click()
{
    if (chkOther->isChecked()) {
        fraOther->show();
        if (optArtwork->isChecked())
            optArtwork_Click();
        else
            optArtwork->setChecked(true);
    } else {
        fraOther->hide();
        lblMAMEVersion->setText(QString());
        cmdVersion->setEnabled(true);
    }
}

void frmMyAbout::showExtras(Extras which)
{
    if (which == Extras::Artwork && cmdVersion->isEnabled())
        lblMAMEVersion->setText(QString());
    const ExtrasFolder& folder = extrasFolder(which);
    const Result<QStringList> files = ListExtras(ExtrasPath(folder, m_state.dirs), QLatin1String(folder.pattern));
    if (!files) {
        MsgBox(QLatin1String(folder.message), MsgStyle::Information, QLatin1String(folder.title));
        return;
    }
    m_extras = which;
    m_files->setStringList(*files);
    lblTotal->setText(QString::number(files->size()));
}

void frmMyAbout::File1_Click()
{
    if (!optDATs->isChecked() || m_extras != Extras::DATs)
        return;
    const QModelIndex current = File1->currentIndex();
    if (!current.isValid())
        return;
    const QFileInfo dat(JoinPath(m_state.dirs.strMAMEPath, current.data().toString()));
    // A file gone since the list was read has no date to show.
    const QDateTime changed = dat.exists() ? dat.lastModified() : QDateTime();
    lblMAMEVersion->setText(changed.isValid() ? QLocale::system().toString(changed, QLocale::ShortFormat) : QString());
    cmdVersion->setEnabled(true);
}

void frmMyAbout::lblURL_Click()
{
    if (!OpenUrl(QUrl(lblURL->text())))
        MsgBox(QStringLiteral("Error launching browser."), MsgStyle::Information, QStringLiteral("About Zelvane"));
}

void frmMyAbout::lblAuthor_Click()
{
    imgMachine->hide();
    imgMe->show();
    imgMe->raise();
}

void frmMyAbout::underlineLink(bool on)
{
    QFont font = lblURL->font();
    if (font.underline() == on)
        return;
    font.setUnderline(on);
    lblURL->setFont(font);
}

bool frmMyAbout::eventFilter(QObject* watched, QEvent* event)
{
    // Taken here: passed on, the move would reach the form, which takes the underline off.
    if (event->type() == QEvent::MouseMove) {
        underlineLink(watched == lblURL);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmMyAbout::mouseMoveEvent(QMouseEvent* event)
{
    underlineLink(false);
    QDialog::mouseMoveEvent(event);
}
