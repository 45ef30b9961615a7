#pragma once

#include "goods/billstore.h"

#include <QDialog>

class QBoxLayout;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class TDataSet;
class TFrmMain;

// What the bill windows have in common: the member the bill is for, the
// date, number, clerk and memo boxes, the printing and closing buttons, the
// shortcuts and the question before leaving without saving.
class TBillWindow : public QDialog
{
    Q_OBJECT
public:
    bool editMode() const { return m_edit; }

    virtual bool confirm() = 0;    // "确定"
    virtual void printBill() = 0;  // "打印单据"
    virtual void designBill() = 0; // "打印设置"
    // Answers the bill report's variables.
    virtual QVariant reportVariable(const QString& name) const = 0;

    QLineEdit* numberBox() const { return m_edtCode; }
    QDateEdit* dateBox() const { return m_dtDate; }
    QComboBox* clerkBox() const { return m_cmbClerk; }
    QLineEdit* memoBox() const { return m_edtMemo; }
    QPushButton* designButton() const { return m_btnDesign; }

protected:
    TBillWindow(TFrmMain* main, bool edit, QWidget* parent);

    // Escape, Enter without a question only after "取消" or a save.
    void reject() override;

    // One read-only box of the member group; "折" follows its box.
    struct MemberBox
    {
        QString label;
        QString name;
        QString text;
        QLabel** labelOut = nullptr;
    };
    // The group " 会员信息 ", four boxes to a row, each after its label.
    QGroupBox* memberGroup(const QVector<MemberBox>& boxes);

    // The date and number boxes, then the clerk and memo boxes (two steps,
    // so that a window can put its own boxes between them in the tab order).
    void makeDateAndNumber(QWidget* parent);
    void makeClerkAndMemo(QWidget* parent);

    // The bottom row: the printing pair on the left (the design button for
    // the administrator only), "确定" and "取消" on the right.
    void addButtonRow(QBoxLayout* lay, const QString& designText, const QString& printText, bool printFirst);

    // Ctrl+S saves, Escape cancels; true when the key was one of them.
    bool saveOrCancelKey(const QKeyEvent* e);

    // The header as the boxes show it (number, totals and points left to the window).
    billstore::Header header(int kind) const;
    // Saves an edited header under the number in its box; tells a number
    // already taken and returns its result.
    billstore::Result saveEdited(billstore::Header& h);
    // A new bill whose number is already in use takes the next free one.
    void renumberIfTaken(const QString& prefix);
    // After a save: the number box shows the saved number, the main window
    // the member and the bill; the log line (if any) is written and the
    // window closes.
    void saved(const QString& code, const QString& logLine);

    // The report variables every bill answers the same way (invalid for others).
    QVariant commonVariable(const QString& name) const;
    // The bill's report in the preview or the designer; the lines and the
    // member list are bound when there are lines.
    void previewReport(const QString& name, TDataSet* lines);
    void designReport(const QString& name, TDataSet* lines, const QStringList& variables);

    TFrmMain* m_main;
    bool m_edit;
    int m_billId = 0;
    QString m_oldCode;
    int m_memberId = 0;
    QString m_cardNo;
    QString m_memberName;
    QDateEdit* m_dtDate = nullptr;
    QLineEdit* m_edtCode = nullptr;
    QComboBox* m_cmbClerk = nullptr;
    QLineEdit* m_edtMemo = nullptr;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QPushButton* m_btnDesign = nullptr;
    bool m_leaving = false;
};
