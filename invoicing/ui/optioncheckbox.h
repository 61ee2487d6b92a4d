#pragma once
// A check box that also holds the greyed state a stored option may carry (0 clear,
// 1 ticked, 2 greyed). Greyed is set only from the file; a click always gives ticked or
// clear, as people expect from a check box.

#include "invoicing/core/invoiceoptions.h"

#include <QCheckBox>

namespace invoicing {

class OptionCheckBox : public QCheckBox {
public:
    explicit OptionCheckBox(const QString& text, QWidget* parent = nullptr);

    CheckValue value() const;
    void setValue(CheckValue value);

protected:
    void nextCheckState() override;
};

} // namespace invoicing
