// The report panel fraVerify: the report box txtVerify, where every command that shows text
// writes, and the one button back to the game lists.
#pragma once

#include <QGroupBox>

class QPushButton;
class RichTextBox;

class ReportPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit ReportPanel(QWidget* parent = nullptr);

    RichTextBox* txtVerify = nullptr;
    QPushButton* cmdGameList = nullptr;
};
