// The wait form: the progress display of the long jobs that run after start-up.
#pragma once

#include "shell/Progress.h"

#include <QWidget>

class QLabel;

class frmWait : public QWidget, public Progress {
    Q_OBJECT

public:
    explicit frmWait(QWidget* parent = nullptr);
    ~frmWait() override;

    void message(const QString& text) override;
    void count(qint32 games) override;

    QLabel* Picture1;
    QLabel* lblText;        // the job's headline, set by the job
    QLabel* lblMessage;
    QLabel* lblCountLabel;
    QLabel* lblCount;
};
