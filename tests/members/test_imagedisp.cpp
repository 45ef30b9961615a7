#include "app/commands.h"
#include "core/ui_support.h"
#include "members/TfrmImageDisp.h"
#include "testenv.h"

#include <QAction>
#include <QFile>
#include <QImageReader>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

class TestImageDisp : public QObject
{
    Q_OBJECT
private slots:
    void zoomLevels()
    {
        TestEnv env(false);
        TfrmImageDisp w;
        QImage img(200, 100, QImage::Format_RGB32);
        img.fill(Qt::green);
        w.setPicture(QStringLiteral("/photos/a.bmp"), img);
        QCOMPARE(w.windowTitle(), QStringLiteral("图像显示"));
        QCOMPARE(w.zoomLevel(), 9);
        QCOMPARE(w.statusText(0), QStringLiteral("/photos/a.bmp"));
        QCOMPARE(w.statusText(1), QStringLiteral("200 x 100"));
        QCOMPARE(w.statusText(2), QStringLiteral("100%"));
        QAction* in = w.action(QStringLiteral("actZoomIn"));
        QAction* out = w.action(QStringLiteral("actZoomOut"));
        const QStringList up{"150%", "200%", "300%", "500%", "700%", "1000%"};
        for (const QString& expected : up) {
            QVERIFY(in->isEnabled());
            in->trigger();
            QCOMPARE(w.statusText(2), expected);
        }
        QCOMPARE(w.zoomLevel(), 15);
        QVERIFY(!in->isEnabled());
        out->trigger();
        QVERIFY(in->isEnabled());
        w.action(QStringLiteral("actActual"))->trigger();
        QCOMPARE(w.zoomLevel(), 9);
        const QStringList down{"70%", "50%", "30%", "20%", "15%", "10%", "7%", "5%"};
        for (const QString& expected : down) {
            out->trigger();
            QCOMPARE(w.statusText(2), expected);
        }
        QVERIFY(!out->isEnabled());
        // The shown picture follows the zoom.
        QCOMPARE(w.scrollArea()->widget()->size(), QSize(10, 5));
        // Space, Backspace and "/" return to actual size.
        for (int key : {int(Qt::Key_Space), int(Qt::Key_Backspace), int(Qt::Key_Slash)}) {
            w.setZoomLevel(3);
            QTest::keyClick(&w, Qt::Key(key));
            QCOMPARE(w.zoomLevel(), 9);
        }
    }

    void keysScrollAndFullScreen()
    {
        TestEnv env(false);
        TfrmImageDisp w;
        QImage img(3000, 3000, QImage::Format_RGB32);
        img.fill(Qt::gray);
        w.setPicture(QString(), img);
        w.resize(400, 300);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QScrollBar* v = w.scrollArea()->verticalScrollBar();
        QCOMPARE(v->value(), 0);
        QTest::keyClick(&w, Qt::Key_PageDown);
        const int page = v->value();
        QVERIFY(page > 0);
        QTest::keyClick(&w, Qt::Key_Down);
        QVERIFY(v->value() > page);
        QTest::keyClick(&w, Qt::Key_PageUp);
        QTest::keyClick(&w, Qt::Key_Up);
        QCOMPARE(v->value(), 0);
        w.setZoomLevel(5);
        w.action(QStringLiteral("actFullScreen"))->trigger();
        QVERIFY(w.isFullScreenMode());
        QCOMPARE(w.zoomLevel(), 9);
        QVERIFY(w.findChild<QWidget*>(QStringLiteral("toolBar"))->isHidden());
        QVERIFY(w.findChild<QWidget*>(QStringLiteral("statusBar"))->isHidden());
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isFullScreenMode());
        QVERIFY(w.isVisible());
        QVERIFY(!w.findChild<QWidget*>(QStringLiteral("toolBar"))->isHidden());
    }

    void loadExportAndClear()
    {
        TestEnv env(false);
        QImage img(30, 20, QImage::Format_RGB32);
        img.fill(Qt::red);
        const QString jpg = env.dir() + QStringLiteral("in.jpeg");
        QVERIFY(img.save(jpg, "JPG"));
        TfrmImageDisp w;
        // "载入" through the file dialog.
        auto previous =
            filedialogs::setHandler([&](const QString&, const QString&, const QString& filter, bool save) {
                return save ? QString() : (filter.contains(QStringLiteral("*.jpeg")) ? jpg : QString());
            });
        w.action(QStringLiteral("actLoad"))->trigger();
        QCOMPARE(w.path(), jpg);
        QCOMPARE(w.picture().size(), QSize(30, 20));
        QCOMPARE(w.statusText(1), QStringLiteral("30 x 20"));

        // "输出" writes the type of the name's extension; a name without one becomes JPEG.
        QVERIFY(w.exportTo(env.dir() + QStringLiteral("out.bmp")));
        QCOMPARE(QImageReader(env.dir() + QStringLiteral("out.bmp")).format(), QByteArray("bmp"));
        QVERIFY(w.exportTo(env.dir() + QStringLiteral("out")));
        QCOMPARE(QImageReader(env.dir() + QStringLiteral("out.jpg")).format(), QByteArray("jpeg"));
        QVERIFY(w.exportTo(env.dir() + QStringLiteral("out.gif")));
        {
            QImageReader gif(env.dir() + QStringLiteral("out.gif"));
            QCOMPARE(gif.format(), QByteArray("gif"));
            const QImage back = gif.read();
            QCOMPARE(back.size(), w.picture().size());
            // Reduced to 256 colours: close to the original.
            const QColor a = back.pixelColor(5, 5);
            const QColor b = w.picture().pixelColor(5, 5);
            QVERIFY(qAbs(a.red() - b.red()) <= 8 && qAbs(a.green() - b.green()) <= 8 &&
                    qAbs(a.blue() - b.blue()) <= 8);
        }

        // "清空" forgets picture and path; "保存" hands the empty path back.
        w.action(QStringLiteral("actClear"))->trigger();
        QVERIFY(w.picture().isNull());
        QVERIFY(w.path().isEmpty());
        filedialogs::setHandler(previous);
    }

    void executeReturnsThePathOnSaveOnly()
    {
        TestEnv env(false);
        QImage img(4, 4, QImage::Format_RGB32);
        img.fill(Qt::black);
        commands::setExecHook([](QDialog& dlg) {
            auto* w = qobject_cast<TfrmImageDisp*>(&dlg);
            w->action(QStringLiteral("actClear"))->trigger();
            return int(QDialog::Rejected);
        });
        QCOMPARE(TfrmImageDisp::Execute(QStringLiteral("a.bmp"), img), QStringLiteral("a.bmp"));
        commands::setExecHook([](QDialog& dlg) {
            auto* w = qobject_cast<TfrmImageDisp*>(&dlg);
            w->action(QStringLiteral("actClear"))->trigger();
            w->action(QStringLiteral("actSave"))->trigger();
            return dlg.result();
        });
        QCOMPARE(TfrmImageDisp::Execute(QStringLiteral("a.bmp"), img), QString());
        commands::setExecHook(nullptr);
    }
};

QTEST_MAIN(TestImageDisp)
#include "test_imagedisp.moc"
