// The fixed captions and count texts of the main window and the options wizard fit their
// controls in the interface font: labels, buttons, check boxes, frame captions, list entries,
// status panels; the about box's too.
#include "support/MainWindowFixture.h"

#include "platform/InterfaceFont.h"
#include "platform/StatusPanels.h"
#include "wizard/frmMyAbout.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTreeView>

#include <set>

#include "support/Files.h"

namespace {

// The width that `text` takes as a caption, an access key's "&" left out.
int captionWidth(const QWidget* w, const QString& text)
{
    return w->fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

// What the style gives a button's or a check box's text, as their paint events ask for it.
QRect buttonTextRect(const QAbstractButton* b, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    option.icon = b->icon();
    option.iconSize = b->iconSize();
    return b->style()->subElementRect(element, &option, b);
}

QRect groupBoxTitleRect(const QGroupBox* box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isFlat())
        option.features |= QStyleOptionFrame::Flat;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
}

// Why `w`'s caption does not fit, or "" when it does (or `w` holds no caption).
QString overflow(const QWidget* w)
{
    const auto tooWide = [w](const QString& text, int needed, int room) {
        // Status panels and the folder labels have no names of their own; their frames do.
        const QString className = QLatin1String(w->metaObject()->className());
        const QString name = w->objectName().isEmpty() ? w->parentWidget()->objectName() + '/' + className
                                                       : w->objectName();
        return needed <= room ? QString()
                              : QStringLiteral("%1 \"%2\": %3 px wide for %4 px").arg(name, text).arg(needed).arg(room);
    };
    if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
        // Framed labels keep half an "x" clear of the frame; sizeHint counts that in.
        if (label->wordWrap())
            return tooWide(label->text(), label->heightForWidth(label->width()), label->height());
        return tooWide(label->text(), label->sizeHint().width(), label->width());
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(w))
        return tooWide(box->text(), captionWidth(box, box->text()),
                       buttonTextRect(box, QStyle::SE_CheckBoxContents).width());
    if (const auto* button = qobject_cast<const QPushButton*>(w))
        return tooWide(button->text(), captionWidth(button, button->text()),
                       buttonTextRect(button, QStyle::SE_PushButtonContents).width());
    if (const auto* frame = qobject_cast<const QGroupBox*>(w); frame && !frame->title().isEmpty())
        return tooWide(frame->title(), groupBoxTitleRect(frame).right() + 1, frame->width());
    // A list entry wider than the list is cut off at its edge.
    if (const auto* list = qobject_cast<const QListWidget*>(w))
        for (int i = 0; i < list->count(); ++i)
            if (const QString why = tooWide(list->item(i)->text(), list->visualItemRect(list->item(i)).right() + 1,
                                            list->viewport()->width());
                !why.isEmpty())
                return why;
    return {};
}

// Every caption under `root` that does not fit, and every caption checked.
struct Walk {
    std::set<std::string> overflows;
    std::set<QString> checked;
    std::set<const QWidget*> exempt;

    void over(const QWidget* root)
    {
        for (const QWidget* w : root->findChildren<QWidget*>()) {
            if (exempt.count(w))
                continue;
            if (const QString why = overflow(w); !why.isEmpty())
                overflows.insert(why.toStdString());
            if (const auto* label = qobject_cast<const QLabel*>(w))
                checked.insert(label->text());
            else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
                checked.insert(button->text());
            else if (const auto* frame = qobject_cast<const QGroupBox*>(w))
                checked.insert(frame->title());
            else if (const auto* list = qobject_cast<const QListWidget*>(w))
                for (int i = 0; i < list->count(); ++i)
                    checked.insert(list->item(i)->text());
        }
    }
};

class CaptionsFit : public MainWindowTest {};

TEST_F(CaptionsFit, InterfaceFontIsInstalled)
{
    // A missing family is replaced without a word; the widths below would then measure another face.
    EXPECT_EQ(QFontInfo(InterfaceFont()).family(), InterfaceFont().families().front())
        << "scripts/setup installs the interface font";
}

TEST_F(CaptionsFit, EveryFixedCaptionFitsItsControlInEachStyle)
{
    // 45,000 games, the largest count the lists are built for. The first three cover the texts of
    // the status panels: a clone not installed, a game with settings of its own, one without.
    std::vector<FixtureGame> games = {
        {QStringLiteral("A Clone"), QStringLiteral("1980"), QStringLiteral("aclone"),
         QStringLiteral("Clone of bcustom"), QStringLiteral("Vertical"), false},
        {QStringLiteral("B Custom"), QStringLiteral("1980"), QStringLiteral("bcustom")},
        {QStringLiteral("C Default"), QStringLiteral("1980"), QStringLiteral("cdefault")},
    };
    for (int i = int(games.size()); i < 45000; ++i)
        games.push_back({QStringLiteral("Game %1").arg(i), QStringLiteral("1990"), QStringLiteral("g%1").arg(i),
                         QStringLiteral("Original"), QStringLiteral("Horizontal"), false});
    writeGames(games);
    writeFile(app() + QStringLiteral("/settings/bcustom.cfg"), "");
    writeOptions();
    frmMain& w = loadShown();

    // The themed style, or the classic one when the manifest beside the program is missing.
    const QString program = QApplication::style()->name();
    for (const char* style : {"Fusion", "Windows"}) {
        SCOPED_TRACE(style);
        QApplication::setStyle(QString::fromLatin1(style));
        Walk walk;
        // Texts of the game data: descriptions, ROM names, manufacturers.
        walk.exempt = {w.header->lblList};
        for (StatusPanels* bar : w.StatusBar)
            walk.exempt.insert({bar->panelLabel(2), bar->panelLabel(3)});
        const std::pair<QTreeView*, void (frmMain::*)()> views[] = {
            {w.fraList->lvAll, &frmMain::mnuViewAll_Click},
            {w.fraList->lvInstalled, &frmMain::mnuViewInstalled_Click},
            {w.fraList->lvUninstalled, &frmMain::mnuViewUninstalled_Click}};
        for (const auto& [lv, show] : views) {
            (w.*show)();
            for (int row = 0; row < 3 && row < lv->model()->rowCount(); ++row) {
                selectRow(lv, row);
                walk.over(&w);
            }
        }
        frmChoose wizard(m_state);
        // Shown, so that its list lays out its entries in its own width.
        wizard.show();
        QApplication::processEvents();
        walk.over(&wizard);
        wizard.hide();
        frmMyAbout about(m_state, w.Tmr[0], {});
        about.chkOther->setChecked(true);
        walk.over(&about);
        about.cmdOK_Click();

        EXPECT_EQ(walk.overflows, std::set<std::string>{});
        // The walk saw each view and each panel text.
        for (const char* text : {"Total Games: 45000", "Total Games: 2", "Installed Games", "Uninstalled Games",
                                 "Clone", "Original", "Not Installed", "Custom Settings", "Default Settings",
                                 "Disable Ctrl-Alt-Delete, Ctrl-Esc, && The Windows Key During Games",
                                 "Total Files:", "Zelvane maintainers", "Hide PGM (Polygame Master) System Games",
                                 "Hide PS Arcade 95, PSX, Taito FX1, TPS, ZN1, & ZN2 Games"})
            EXPECT_EQ(walk.checked.count(QString::fromLatin1(text)), 1u) << text;
    }
    QApplication::setStyle(program);
}

} // namespace
