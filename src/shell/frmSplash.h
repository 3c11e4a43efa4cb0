// The splash form: the progress display while the main window loads.
#pragma once

#include "shell/Progress.h"

#include <QPixmap>
#include <QWidget>

class QLabel;

class frmSplash : public QWidget, public Progress {
    Q_OBJECT

public:
    // `appPath` is the program folder, where a splash.jpg replaces the built-in picture.
    explicit frmSplash(const QString& appPath, QWidget* parent = nullptr);
    ~frmSplash() override;

    void message(const QString& text) override;
    void count(qint32 games) override;

    QLabel* lblVersion;
    QLabel* lblMessage;
    QLabel* lblCount;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load(const QString& appPath);

    QPixmap m_picture;
};

// The built-in picture, 446 by 288 pixels.
QPixmap BuiltInSplashPicture();
