#pragma once
// Small makers for the controls every form builds: each named for its documented name, so
// tests and the forms' own code find it by that name.

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include <functional>

namespace pellar::ui {

template <typename Widget> Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

inline QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                               const QString& tip = {}) {
    auto* button = named(new QPushButton(caption, parent), name);
    button->setToolTip(tip);
    return button;
}

inline QLineEdit* makeBox(QWidget* parent, const QString& name, const QString& tip = {}) {
    auto* box = named(new QLineEdit(parent), name);
    box->setToolTip(tip);
    return box;
}

// A caption; with a buddy, its mnemonic puts the focus in that control.
inline QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text,
                         QWidget* buddy = nullptr) {
    auto* label = named(new QLabel(text, parent), name);
    label->setBuddy(buddy);
    return label;
}

// A text of several lines that wraps to its place.
inline QLabel* makeNote(QWidget* parent, const QString& text) {
    auto* note = new QLabel(text, parent);
    note->setWordWrap(true);
    return note;
}

// A start screen's picture, drawn once the window is on the screen: its lettering loads font
// faces the window itself does not need, and the picture's place is kept from the start.
inline void drawPictureLater(QLabel* label, QSize size, std::function<QPixmap()> draw) {
    label->setMinimumSize(size);
    QTimer::singleShot(0, label, [label, draw = std::move(draw)] { label->setPixmap(draw()); });
}

// Screen text skips the shaping pass where its script does not need one: the font's kerning
// table still spaces it, and a window of captions is measured in a good deal less time. Set
// once, on the application's font, which every form's font takes it from. Paper keeps the
// full pass: the print surface asks for it.
inline void useScreenTextStrategy() {
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    QApplication::setFont(font);
}

// The sans face where a form's named font is not installed. A style hint sets a strategy as
// well; this one keeps the application's.
inline void preferSansSerif(QFont& font) {
    font.setStyleHint(QFont::SansSerif, QApplication::font().styleStrategy());
}

inline QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption) {
    return named(new QGroupBox(caption, parent), name);
}

} // namespace pellar::ui
