#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// Operator login at start-up (mode 0) and at a change of operator (mode 1).
class TFrmLogin : public QDialog
{
    Q_OBJECT
public:
    enum Mode { StartUp = 0, ChangeOperator = 1 };

    explicit TFrmLogin(int mode, QWidget* parent = nullptr);

    int mode() const { return m_mode; }
    int failures() const { return m_failures; }
    // Set when the start-up login ended the program (four failures or cancel).
    bool programEnded() const { return m_programEnded; }

    QComboBox* nameBox() const { return m_cbName; }
    QLineEdit* passwordBox() const { return m_edPass; }

    // "确定": checks the operator and password.
    void confirm();
    // "取消".
    void cancelLogin();

    // Called when the start-up login must end the program; tests replace it.
    static std::function<void()>& endProgram();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void succeed(const QString& name);
    void endStartUp();

    int m_mode;
    int m_failures = 0;
    bool m_programEnded = false;
    bool m_allowClose = false;
    QComboBox* m_cbName;
    QLineEdit* m_edPass;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
};

// Shows the login window modally; true when an operator logged in.
bool ShowLogin(int mode, QWidget* parent = nullptr);

// Hook through which ShowLogin runs the dialog (tests drive it instead of exec()).
std::function<int(TFrmLogin&)>& loginExecHook();
