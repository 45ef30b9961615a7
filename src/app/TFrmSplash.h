#pragma once

#include <QWidget>

class QLabel;

// Start-up splash: borderless, centred, a picture and one line of text.
class TFrmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TFrmSplash(QWidget* parent = nullptr);
    void setLine(const QString& text);
    QString line() const;

private:
    QLabel* m_line;
};
