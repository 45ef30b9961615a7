#pragma once

#include <QDialog>

// "关于我们": product name, version and slogan.
class TFrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmAbout(QWidget* parent = nullptr);
    QString productLine() const;
};
