#pragma once

#include <QByteArray>
#include <QDialog>
#include <QImage>
#include <QVariant>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QWidget;
class TCheckDateEdit;
class TMoneyEdit;

// Member record editor "会员档案资料": issues a member with the card (new) or
// changes the main window's current member (edit).
class TfrmMemEdit : public QDialog
{
    Q_OBJECT
public:
    enum Mode
    {
        NewMode = 0,
        EditMode = 1
    };

    explicit TfrmMemEdit(QWidget* parent = nullptr);

    // The open operation: sets the mode, clears or loads the fields and shows
    // the window modally.
    void open(int mode);
    static void Execute(int mode, QWidget* parent = nullptr);

    // Sets the mode and fills the window without showing it.
    void prepare(int mode);
    int mode() const { return m_mode; }

    // "确定": checks and saves; true when saved.
    bool save();
    void clearFields();
    // Reads the fields from the main window's current member.
    void loadRecord();

    // Handlers of the window.
    void levelChosen();
    void modeChosen();
    void cardTypeChosen();
    void pickClass();
    void openPhotoViewer();
    bool setPhotoFile(const QString& path);
    void clearPhoto();
    void convertConsumption();
    void moveTo(int which); // 0 first, 1 prior, 2 next, 3 last

    // The panel shown: 1 discount cards, 2 stored-value and count-cards.
    int visiblePanel() const;
    QString photoPath() const { return m_photoPath; }
    QImage photo() const { return m_photo; }

    template <typename T> T* widget(const QString& objectName) const { return findChild<T*>(objectName); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Panel
    {
        TCheckDateEdit* fromDate = nullptr;
        TCheckDateEdit* toDate = nullptr;
        TMoneyEdit* hyXF = nullptr;
        TMoneyEdit* hyJF = nullptr;
        TMoneyEdit* beginJF = nullptr;
        TMoneyEdit* beginXF = nullptr;
        QPlainTextEdit* mem = nullptr;
        QLabel* lblHyXF = nullptr;
        QLabel* lblBeginXF = nullptr;
    };
    QWidget* buildPanel(Panel& p, const QString& suffix, bool cards);
    void buildWindow();
    void setMode(int mode);
    void fillLevels();
    void fillModes(int cardType);
    void applyCardType(bool selectFirstMode);
    void showPanel(int panel);
    void showPhoto();
    void setFixedInEditMode();
    void updateConversionButton();
    const Panel& activePanel() const;
    int cardType() const;

    int m_mode = NewMode;
    int m_loadedType = -1;
    QVariant m_id;
    double m_loadedBalance = 0;
    QString m_loadedMode;
    QString m_photoPath;
    QImage m_photo;
    QByteArray m_photoBytes; // as stored, while the photo is unchanged
    bool m_photoChanged = false;
    int m_shownPanel = 1;

    QLabel* m_heading = nullptr;
    QLineEdit* m_name = nullptr;
    QRadioButton* m_male = nullptr;
    QRadioButton* m_female = nullptr;
    QLineEdit* m_movePhone = nullptr;
    TCheckDateEdit* m_birthday = nullptr;
    QLineEdit* m_type = nullptr;
    QLineEdit* m_unit = nullptr;
    QLineEdit* m_postcode = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_homePhone = nullptr;
    QComboBox* m_minzu = nullptr;
    QLineEdit* m_email = nullptr;
    QLineEdit* m_zjName = nullptr;
    QLineEdit* m_zjCode = nullptr;
    QLabel* m_photoBox = nullptr;
    QLineEdit* m_hyCode = nullptr;
    QComboBox* m_jibie = nullptr;
    TMoneyEdit* m_rate = nullptr;
    QComboBox* m_ifNew = nullptr;
    QComboBox* m_status = nullptr;
    QStackedWidget* m_panels = nullptr;
    Panel m_p1;
    Panel m_p2;
    QComboBox* m_yhType = nullptr;
    QLabel* m_yhMemo = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_password2 = nullptr;
    TMoneyEdit* m_beginJE = nullptr;
    QLabel* m_lblBeginJE = nullptr;
    QPushButton* m_btnToCash = nullptr;
    QCheckBox* m_continue = nullptr;
    QWidget* m_navigator = nullptr;
};
