#include "app/startup.h"

#include "app/TFrmLogin.h"
#include "app/TFrmMain.h"
#include "app/TFrmSplash.h"
#include "core/dmdata.h"
#include "core/product.h"
#include "core/ui_support.h"

#include <QApplication>
#include <QThread>
#include <memory>

int runProgram(QApplication& app)
{
    app.setApplicationDisplayName(product::appTitle());
    app.setQuitOnLastWindowClosed(true);
    installInteractiveHandlers();

    auto splash = std::make_unique<TFrmSplash>();
    splash->show();
    splash->setLine(QStringLiteral("系统正在启动，请稍候 ....."));

    TdmData dm;
    dm.splashText = [&splash](const QString& t) {
        if (splash)
            splash->setLine(t);
    };
    dm.splashClose = [&splash]() { splash.reset(); };
    dm.splashShow = [&splash]() {
        splash = std::make_unique<TFrmSplash>();
        splash->show();
        splash->setLine(QStringLiteral("系统正在启动，请稍候 ....."));
    };
    if (!dm.ConnectDatabase())
        return 0;

    if (splash)
        splash->setLine(QStringLiteral("连接成功，正在登录 ....."));
    TFrmMain main;
    if (splash) {
        splash->setLine(QStringLiteral("连接成功，正在登录 ..."));
        QThread::msleep(20);
        splash->setLine(QStringLiteral("连接成功，正在登录 ....."));
    }
    splash.reset();
    dm.splashText = nullptr;
    dm.splashClose = nullptr;
    dm.splashShow = nullptr;

    // The login ends the program when nobody logs in.
    if (!ShowLogin(TFrmLogin::StartUp, nullptr))
        return 0;
    main.show();
    return app.exec();
}
