#pragma once
// What a deposit panel needs to hear from its boxes: a key going down (before it types
// anything or is dropped by a key filter) and the person leaving the box. One watch per
// panel, so a panel's input rules sit in one handler each.

#include <QObject>

class QLineEdit;

namespace deposits {

class BoxWatch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Install after any key filter of the box: the watch then hears keys the filter drops.
    void watch(QLineEdit& box);

signals:
    // Keys that type nothing (Tab, Shift+Tab, Return, Enter) are not counted.
    void keyDown(QLineEdit* box);
    // Only for another control of the program: going to another window or opening a menu
    // is not leaving the box.
    void left(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace deposits
