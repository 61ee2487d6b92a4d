#include "invoicing/ui/optioncheckbox.h"

namespace invoicing {

OptionCheckBox::OptionCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent) {}

CheckValue OptionCheckBox::value() const {
    switch (checkState()) {
    case Qt::Checked:
        return kTicked;
    case Qt::PartiallyChecked:
        return kGreyed;
    case Qt::Unchecked:
        break;
    }
    return kClear;
}

void OptionCheckBox::setValue(CheckValue value) {
    setTristate(value == kGreyed);
    setCheckState(value == kGreyed ? Qt::PartiallyChecked
                                   : (value == kClear ? Qt::Unchecked : Qt::Checked));
}

void OptionCheckBox::nextCheckState() {
    const bool tick = checkState() != Qt::Checked;
    setTristate(false);
    setCheckState(tick ? Qt::Checked : Qt::Unchecked);
}

} // namespace invoicing
