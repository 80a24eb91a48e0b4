#pragma once
// A control's object name (how tests and outside drivers find it) with the name and
// description a screen reader speaks.
#include <QString>
#include <QWidget>

inline void NameControl(QWidget& control, const QString& objectName, const QString& name, const QString& description)
{
    control.setObjectName(objectName);
    control.setAccessibleName(name);
    control.setAccessibleDescription(description);
}
