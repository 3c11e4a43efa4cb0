// The colour list: a choose-only list whose entries show a swatch and a name and carry a 32-bit
// stored colour value.
#pragma once

#include <QComboBox>

class ColorCombo : public QComboBox {
    Q_OBJECT

public:
    explicit ColorCombo(QWidget* parent = nullptr);

    // Appends the built-in set of named system colours. The set holds 27 entries: the fifth is
    // the button shadow and the twenty-sixth the window background, the two fallbacks of the
    // colour dialogs. A second request finds the set present and adds nothing.
    void AddSysColors();

    // The set both colour lists offer: the built-in set, then, where the system has gradient
    // title bars, "ActiveTitleBarGradient", "InactiveTitleBarGradient" and "HotTracking" carrying
    // their current colours.
    void AddSysColorsAndGradients();

    // Appends one entry. Adding never changes the selection (an empty list selects nothing).
    void AddColorItem(const QString& name, qint32 value);

    // The stored colour of an entry.
    qint32 ItemData(int index) const;

    // The first entry carrying the value, or -1.
    int FindValue(qint32 value) const;

    // Selects the first entry carrying the value; false when no entry carries it.
    bool SelectValue(qint32 value);

protected:
    void changeEvent(QEvent* event) override;

private:
    void refreshSwatches();
    bool m_hasSysColors = false;
};
