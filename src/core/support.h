#pragma once

#include <QString>
#include <functional>

// Kinds of ShowMess.
enum MessKind { mkInformation = 0, mkQuestion = 1, mkWarning = 2, mkError = 3 };
// Answers of a question.
enum MessAnswer { maYes = 1, maNo = 2 };

// The program's one message routine. Questions return maYes or maNo.
int ShowMess(const QString& text, int kind);

// Replaces the routine behind ShowMess (the windows install a message box,
// tests install a recorder). Returns the previous one.
using ShowMessHandler = std::function<int(const QString& text, int kind)>;
ShowMessHandler setShowMessHandler(ShowMessHandler handler);

// Compacts the database file in place; true only when it worked.
bool CompactDatabase(const QString& path, const QString& password);

// Stored form of an operator password and back. GetPass(SavePass(p)) == p.
QString SavePass(const QString& plain);
QString GetPass(const QString& stored);
