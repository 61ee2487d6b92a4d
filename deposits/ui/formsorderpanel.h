#pragma once
// The setup form's "Forms" tab: pictures of the pre-printed forms, how to order them, and
// a note of the order placed.

#include "deposits/core/formsordered.h"

#include <QWidget>

class QGroupBox;
class QLineEdit;

namespace pellar {
struct WebConfig;
}

namespace deposits {

class FormsOrderPanel : public QWidget {
    Q_OBJECT
public:
    // The supplier's telephone number and priority code come from `config`.
    FormsOrderPanel(const pellar::WebConfig& config, QWidget* parent = nullptr);

    void showOrder(const FormsOrder& order);
    FormsOrder order() const;
    void showInstructions(bool shown);

signals:
    // "SAVE": the note is to be written.
    void saveClicked();

private:
    QGroupBox* m_instructions = nullptr;
    QLineEdit* m_representative = nullptr;
    QLineEdit* m_orderNumber = nullptr;
};

} // namespace deposits
