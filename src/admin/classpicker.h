#pragma once

#include <QString>

class QWidget;

// The classification picker: shows the tree of the kind ("memtype" member
// classes, "goodtype" goods classes) and returns the like-code of the chosen
// node, or empty text when cancelled.
QString PickClass(QWidget* parent, const QString& kind, const QString& current = QString());
