#include "common/ui/tinted.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>

namespace pellar::ui {

namespace {

void apply(QWidget* widget, Tint tint) {
    // Only the text's colour is the widget's own; the rest still comes from the desktop.
    QPalette own;
    own.setResolveMask(0);
    own.setColor(QPalette::WindowText,
                 tintColor(tint, widget->palette().color(QPalette::Active, QPalette::Window)));
    widget->setPalette(own);
}

// Reapplies the tint when the desktop's palette changes under the running program.
class TintKeeper : public QObject {
public:
    TintKeeper(QWidget* widget, Tint tint)
        : QObject(widget)
        , m_tint(tint) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange) {
            auto* widget = static_cast<QWidget*>(watched);
            widget->setPalette(QPalette());
            apply(widget, m_tint);
        }
        return false;
    }

private:
    Tint m_tint;
};

} // namespace

void tinted(QWidget* widget, Tint tint, bool bold) {
    apply(widget, tint);
    if (bold) {
        QFont font = widget->font();
        font.setBold(true);
        widget->setFont(font);
    }
    widget->installEventFilter(new TintKeeper(widget, tint));
}

} // namespace pellar::ui
