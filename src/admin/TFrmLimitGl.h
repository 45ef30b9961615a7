#pragma once

#include <QDialog>
#include <QVariant>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "操作员": one operator with password, description, disabled flag and the
// permissions ticked in the list of the catalogue. Mode new stays open for
// the next operator after each save; mode edit closes after saving.
class TFrmLimitGl : public QDialog
{
    Q_OBJECT
public:
    enum Mode
    {
        New,
        Edit
    };

    // Mode edit loads the operator with the id.
    TFrmLimitGl(Mode mode, const QVariant& operatorId = QVariant(), QWidget* parent = nullptr);

    Mode mode() const { return m_mode; }
    QComboBox* nameBox() const { return m_cbName; }
    QLineEdit* passwordBox() const { return m_edPassword; }
    QLineEdit* confirmBox() const { return m_edConfirm; }
    QPlainTextEdit* descriptionBox() const { return m_memDescription; }
    QListWidget* limitList() const { return m_lstLimits; }
    QCheckBox* disabledBox() const { return m_chkDisabled; }

    // Ticks the permissions with these display names (and unticks the others).
    void setTicked(const QStringList& names);
    QStringList ticked() const;

    void tickAll(bool on); // "全选" / "清除"
    bool save();           // "保存"

signals:
    // After each save, with the operator's stored name.
    void saved(const QString& name);

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void loadOperator();
    void clearFields();
    void refillNames();
    bool refuse(const QString& message, QWidget* focus);

    Mode m_mode;
    QVariant m_id;
    QString m_loadedName;
    bool m_xtFlag = false;
    QComboBox* m_cbName;
    QLineEdit* m_edPassword;
    QLineEdit* m_edConfirm;
    QPlainTextEdit* m_memDescription;
    QListWidget* m_lstLimits;
    QCheckBox* m_chkDisabled;
};
