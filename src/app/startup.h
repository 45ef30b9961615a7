#pragma once

class QApplication;

// The start-up sequence: splash, connection, main window, login, event loop.
int runProgram(QApplication& app);
