#pragma once

#include <QString>
#include <functional>

class QWidget;

// Places a window before it is shown modally: 0 fixed 790x580, 1 fixed
// 1016x711, 2 resizable (about the same size, shrunk to the screen).
void DispFormPos(QWidget* window, int mode);

// Installs the message box behind ShowMess and the file dialogs of the data
// module. Called once by the program; tests install their own answers.
void installInteractiveHandlers();

// File dialogs go through here so that tests can answer them.
namespace filedialogs {
using Handler = std::function<QString(const QString& title, const QString& dir, const QString& filter, bool save)>;
Handler setHandler(Handler h);
QString getOpenFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter);
QString getSaveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter);
} // namespace filedialogs
