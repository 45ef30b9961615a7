#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// Card password prompt: "会员口令" before editing a card or a transfer
// (TDLGhyPSD, modes 1 stored-value and 2 count-card) and "会员挂失" before a
// loss report or its cancellation (TDLGhyPSD1).
class TDLGhyPSD : public QDialog
{
    Q_OBJECT
public:
    // loss: the "会员挂失" form.
    TDLGhyPSD(int mode, const QString& cardNo, const QString& name, const QString& cardPassword, bool loss,
              QWidget* parent = nullptr);

    QLineEdit* passwordBox() const { return m_edPass; }
    QString heading() const;

    // "确定": closes with OK when the password is accepted.
    void confirm();

    // Opens the prompt on the main window's current member; true when accepted.
    static bool Execute(int mode, QWidget* parent = nullptr);

private:
    QString m_cardPassword;
    QLabel* m_lblHeading = nullptr;
    QLineEdit* m_edPass;
};

class TDLGhyPSD1
{
public:
    static bool Execute(int mode, QWidget* parent = nullptr);
};
