// The option panel fraDefaults: the sixty option controls and Other Commands in their eighteen
// frames, scrolled in a viewport, with the procedures that touch only them.
#pragma once

#include "options/OptionLists.h"
#include "options/SettingsFile.h"

#include <QGroupBox>
#include <QHash>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// Which settings file the panel holds; its caption says it.
enum class SettingsKind { Raster, Vector, Custom };

class OptionPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit OptionPanel(QWidget* parent = nullptr);

    // Fills the drop-down lists; once, before the panel first opens.
    void DefineCombos(const OptionLists& lists);
    const OptionLists& lists() const { return m_lists; }

    void setKind(SettingsKind kind);
    SettingsKind kind() const { return m_kind; }
    // The MAME whose defaults SetDefaults and CheckDefaults mean: the one that listed the games.
    void setMameLayout(MameLayout layout) { m_layout = layout; }

    // The controls as one option set, and put back in catalogue order (change handlers run).
    SettingsValues values() const;
    void setValues(const SettingsValues& values);

    Status SaveControls(const QString& file) const;
    bool CheckDefaults() const;
    // MAME's defaults into every control, then the rules; a list without its default ends the
    // program.
    void SetDefaults();
    void SetFrames();
    // Loads the file, each value the controls refuse reported and replaced by its default; the
    // file stays as it is.
    void LoadControls(const QString& file);

    // The vector-only controls on and the BIOS list off, or the reverse.
    void enableVectorControls(bool vector);
    // Back to the top, with the steps the content's height asks for.
    void scrollSetUp();
    // Moves the content with the scroll bar.
    void scrollContent();

    QWidget* control(int row) const { return m_controls[static_cast<size_t>(row)]; }
    QCheckBox* check(const char* name) const;
    QComboBox* combo(const char* name) const;

    QFrame* picDefaults = nullptr;
    QFrame* picBox1 = nullptr;
    QScrollBar* VScroll0 = nullptr;
    std::array<QGroupBox*, 18> frame{};
    std::array<QLabel*, 36> lblCombo{}; // the items the design numbers; the others stay null
    QLabel* Label1 = nullptr;
    QLabel* lblOtherCommands = nullptr;
    QLineEdit* txtOtherCommands = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdRestore = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void createControls();
    void setValue(int row, const QString& value);
    QWidget* named(const char* name) const;

    std::array<QWidget*, kOptionCount> m_controls{};
    QHash<QString, QWidget*> m_byName; // controls, frames ("frame5") and labels ("lblCombo19")
    OptionLists m_lists;
    SettingsKind m_kind = SettingsKind::Raster;
    MameLayout m_layout = MameLayout::Older;
};
