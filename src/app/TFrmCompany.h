#pragma once

#include <QDialog>
#include <QHash>

class QLineEdit;
class QPlainTextEdit;

// "公司信息": the shop's own details in the one row of SysInfo.
class TFrmCompany : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmCompany(QWidget* parent = nullptr);

    QLineEdit* box(const QString& column) const { return m_boxes.value(column.toLower()); }
    QPlainTextEdit* profileBox() const { return m_edtMem; }

    void load();   // on showing and "修改"
    void clear();  // "重填"
    bool save();   // "保存"
    void openHomePage();
    void openEmail();

    // Opens addresses with the desktop's handler; tests replace it.
    static std::function<bool(const QString& url)>& urlOpener();

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    QHash<QString, QLineEdit*> m_boxes; // by lower-case column
    QPlainTextEdit* m_edtMem;
};
