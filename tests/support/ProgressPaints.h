// Records each paint of the progress forms' labels: what they said, whether the form was on the
// screen, and whether the hourglass showed.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWindow>

#include <vector>

class ProgressPaints : public QObject {
public:
    struct Paint {
        QString form;  // frmSplash or frmWait
        QString label; // lblText, lblMessage or lblCount
        QString text;
        bool onScreen;
        bool busy;
    };

    ProgressPaints() { qApp->installEventFilter(this); }
    ~ProgressPaints() override { qApp->removeEventFilter(this); }

    // The texts `label` of `form` was painted with while on the screen, in turn, repeats left out.
    QStringList shown(const QString& form, const QString& label) const
    {
        QStringList texts;
        for (const Paint& p : paints)
            if (p.form == form && p.label == label && p.onScreen && (texts.isEmpty() || texts.last() != p.text))
                texts << p.text;
        return texts;
    }

    std::vector<Paint> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* label = event->type() == QEvent::Paint ? qobject_cast<QLabel*>(watched) : nullptr;
        if (!label || !label->window())
            return false;
        const QString form = label->window()->objectName();
        if (form != QLatin1String("frmSplash") && form != QLatin1String("frmWait"))
            return false;
        const QWindow* handle = label->window()->windowHandle();
        const QCursor* cursor = QApplication::overrideCursor();
        paints.push_back({form, label->objectName(), label->text(), handle && handle->isExposed(),
                          cursor && cursor->shape() == Qt::WaitCursor});
        return false;
    }
};
