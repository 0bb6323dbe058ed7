#pragma once

#include <QLabel>

// One panel of the status bar. A text longer than the panel is cut at its end with "…"
// and shown whole in the panel's tool-tip, so a long message is never cut mid-word
// without a way to read the rest.
class TStatusPanel : public QLabel
{
    Q_OBJECT
public:
    explicit TStatusPanel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    QString fullText() const { return m_fullText; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void elide();

    QString m_fullText;
};
