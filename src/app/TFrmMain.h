#pragma once

#include <QMainWindow>

class QAction;
class QCheckBox;
class QLabel;
class QTimer;

// The main window: member browser and the commands of the program.
class TFrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFrmMain(QWidget* parent = nullptr);

    // Work done once when the window is first shown after the login.
    void firstShow();
    bool firstShowDone() const { return m_firstShowDone; }

    // "连接网络数据库": chooses the database folder for the next start.
    void connectNetworkDatabase();

    QLabel* statusPanel(int index) const;
    QCheckBox* detailCheck() const { return m_chkDetail; }
    QAction* clearImportAction() const { return m_actClearImport; }

    // Status-bar clock text of a moment.
    static QString clockText(const QDateTime& now);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildUi();
    void updateClock();

    QList<QLabel*> m_panels;
    QCheckBox* m_chkDetail = nullptr;
    QAction* m_actClearImport = nullptr;
    QTimer* m_clock = nullptr;
    bool m_firstShowDone = false;
};

extern TFrmMain* FrmMain;
