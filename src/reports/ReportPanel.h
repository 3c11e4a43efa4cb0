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

    // Shows the file as plain text. A file that cannot be read is named in a message box from
    // `procedure`, and the box keeps what it showed.
    bool showFile(const QString& path, const QString& procedure);

    // Reduces the shown verify report to its bad sets, counted, under the caption "List Bad
    // Sets", through temp.txt and bad.txt in `reportsFolder`, which are gone afterwards. A
    // failure is shown in a message box and leaves the report as it was.
    bool ListBadSets(const QString& reportsFolder);

    RichTextBox* txtVerify = nullptr;
    QPushButton* cmdGameList = nullptr;
};
