#pragma once

#include <QString>
#include <QVector>

// The classification trees of members ("memtype") and goods ("goodtype"):
// codes of three digits per level, each class stored with its path of names
// ("\\Retail\Food"). The work behind the tree editor, without widgets.
namespace classtree {

// Captions of a tree kind: the editor's title and the root's name.
QString windowCaption(const QString& kind);
QString rootCaption(const QString& kind);

// Path of a class named `name` under the class with path `parentPath`
// (the root's path is two backslashes).
QString childPath(const QString& parentPath, const QString& name);

// Why a class name cannot be used, or empty text when it can. `path` is the
// path the class would get.
QString nameProblem(const QString& kind, const QString& name, const QString& path);

// Outcome of a change of the tree; the message says why it was refused.
struct Result
{
    enum Status
    {
        Done,
        Unchanged,
        Refused,
        Failed
    };
    Status status = Failed;
    QString message;
    QString code; // code of the class added
};

// Adds a class with the next free code under the parent (`parentCode` empty
// or "000" for the root) or beside the class `siblingOf`. The code is taken
// inside the writing transaction, so two copies of the program never take
// the same one.
Result addClass(const QString& kind, const QString& parentCode, const QString& parentPath,
                const QString& name);
Result addSibling(const QString& kind, const QString& siblingCode, const QString& parentPath,
                  const QString& name);

// Renames the class and rewrites, in one transaction, the paths of every
// class below it and, for member classes, the class of every member filed
// under it or below it.
Result renameClass(const QString& kind, const QString& code, const QString& oldPath,
                   const QString& parentPath, const QString& name);

// Deletes the class with all classes below it.
bool deleteClass(const QString& kind, const QString& code);

// Message of a failed write in the tree editor.
QString failureMessage();

} // namespace classtree
