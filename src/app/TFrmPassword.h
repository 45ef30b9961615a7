#pragma once

#include <QDialog>

class QLineEdit;

// "更改密码": the logged-in operator changes the own password.
class TFrmPassword : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmPassword(QWidget* parent = nullptr);

    QLineEdit* oldBox() const { return m_edOld; }
    QLineEdit* newBox() const { return m_edNew; }
    QLineEdit* repeatBox() const { return m_edRepeat; }

    // "确定(&O)": the window closes afterwards in every case.
    void confirm();

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    QLineEdit* m_edOld;
    QLineEdit* m_edNew;
    QLineEdit* m_edRepeat;
};
