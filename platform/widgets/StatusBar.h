#pragma once
// A status bar with one simple text panel, kept along the bottom of its window.
#include <QStatusBar>

namespace widgets {

class StatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    QString SimpleText() const { return text; }
    void SetSimpleText(const QString& value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Dock();
    QString text;
};

} // namespace widgets
