#pragma once

#include <QDialog>
#include <QHash>
#include <QImage>

class QAction;
class QLabel;
class QMenuBar;
class QScrollArea;
class QStatusBar;
class QToolBar;

// Photo viewer "图像显示": shows a member's photo, loads another picture file,
// clears it, zooms, shows it full screen and exports it. "保存" hands the held
// file path back to the member editor.
class TfrmImageDisp : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kLevels = 15;
    static constexpr int kActualSize = 9;

    explicit TfrmImageDisp(QWidget* parent = nullptr);

    // Shows the picture and returns the path held when closed with "保存"
    // (empty after "清空"), or the given path when cancelled.
    static QString Execute(const QString& path, const QImage& picture, QWidget* parent = nullptr);

    void setPicture(const QString& path, const QImage& picture);
    QString path() const { return m_path; }
    QImage picture() const { return m_picture; }

    // "载入": asks for a file and loads it.
    void load();
    // Loads a file; on failure reports it and keeps the picture and path.
    bool loadFile(const QString& path);
    // "输出": asks for a file name and writes the picture.
    bool exportPicture();
    // Writes the picture as JPEG, BMP or GIF by the name's extension (".jpg"
    // added when it has none of them). False with a message when it cannot.
    bool exportTo(const QString& fileName);
    // "清空".
    void clear();

    // Zoom levels 1..15; 9 is the actual size.
    static double zoomFactorOf(int level);
    int zoomLevel() const { return m_level; }
    void setZoomLevel(int level);
    void zoomIn();
    void zoomOut();
    void actualSize();

    void setFullScreenMode(bool on);
    bool isFullScreenMode() const { return m_fullScreen; }

    QAction* action(const QString& objectName) const { return m_actions.value(objectName); }
    // Status bar panels: 0 path, 1 size "w x h", 2 zoom "100%".
    QString statusText(int panel) const;
    QScrollArea* scrollArea() const { return m_scroll; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QAction* makeAction(const QString& name, const QString& text, void (TfrmImageDisp::*slot)());
    void showPicture();
    void updateStatus();

    QHash<QString, QAction*> m_actions;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QScrollArea* m_scroll = nullptr;
    QLabel* m_image = nullptr;
    QLabel* m_stPath = nullptr;
    QLabel* m_stSize = nullptr;
    QLabel* m_stZoom = nullptr;
    QImage m_picture;
    QString m_path;
    int m_level = kActualSize;
    bool m_fullScreen = false;
};
