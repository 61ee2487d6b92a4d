#pragma once
// Keyboard and feedback every form shares: Enter on a focused button clicks it, Return in
// the last box of a step does what the step's button does, and a refusal is said in words
// beside the beep, so a person on a muted desktop still learns why nothing happened.

#include <QLabel>
#include <QObject>
#include <QString>

class QAbstractButton;
class QLineEdit;

namespace pellar {
class Desk;
}

namespace pellar::ui {

// Watches the whole application: Return or Enter on a focused, enabled push button clicks
// it, as Space does; in a one-line box whose Return does nothing else (no step, no move of
// its own) and outside a dialog, it goes on to the next control as Tab does. The program
// shell installs one for the life of the program.
class EnterClicksButtons : public QObject {
public:
    explicit EnterClicksButtons(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Return in `box` clicks `button` when the button is enabled (a refused step beeps and says
// why in the button's own handler, so the box needs nothing more).
void returnClicks(QLineEdit* box, QAbstractButton* button);

// Return or Enter in `field` (a box or a spin box) goes on as Tab does, or, given `last`,
// clicks that button when it is enabled: a form that is not a dialog has no default button.
void returnGoesOn(QWidget* field, QAbstractButton* last = nullptr);

// Return or Enter on the focused choice `option` (a radio button) chooses it, as Space does:
// a person moving through the choices with the arrows need not know Space.
void returnChooses(QAbstractButton* option);

// The usual keys for a printed document: Ctrl+P clicks `print`, Ctrl+Shift+P `preview`, while
// the button shows and is enabled (the button's own Alt letter stays as it is).
void printKeys(QAbstractButton* print, QAbstractButton* preview);

// A one-line status area at the foot of a form: says what was refused and why, and clears
// on the next keystroke anywhere in its window.
class StatusNote : public QLabel {
public:
    explicit StatusNote(QWidget* parent, const QString& name = QStringLiteral("lblStatusNote"));

    void say(const QString& text);
    void clearNote() { setText(QString()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QEvent* m_pressSeen = nullptr; // the key press being delivered, until its release
};

// The beep and the words together: every refusal of a form goes through here.
void refuse(Desk& desk, StatusNote* note, const QString& why);

} // namespace pellar::ui
