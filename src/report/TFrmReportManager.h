#pragma once

#include <QDialog>
#include <QMap>
#include <QPointer>

class QListWidget;
class TDataSet;
namespace report {
class TReport;
}

// "报表管理器": designs or previews the member templates of the main window.
class TFrmReportManager : public QDialog
{
    Q_OBJECT
public:
    // members: the main window's member list (bound as "frxMain", and as
    // "frxDM" for all entries but the first); billSets: the member's bills
    // and their lines by name ("frxDetail1" to "frxDetail4").
    explicit TFrmReportManager(TDataSet* members, const QMap<QString, TDataSet*>& billSets = {},
                               QWidget* parent = nullptr);

    // Template name of a list entry (0 to 3).
    static QString templateOf(int entry);
    QListWidget* list() const { return m_list; }

    void design();
    void preview();

private:
    // Loads the chosen entry's template with its data; false without a chosen entry.
    bool prepare(report::TReport& report) const;

    QPointer<TDataSet> m_members;
    QMap<QString, QPointer<TDataSet>> m_billSets;
    QListWidget* m_list = nullptr;
};
