#pragma once
// The setup form's "Business Info" tab: the nine fields of the business profile in the
// United States or the international address layout.

#include "common/core/profile.h"
#include "deposits/core/addressstyle.h"

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace deposits {

class BusinessInfoPanel : public QWidget {
    Q_OBJECT
public:
    explicit BusinessInfoPanel(QWidget* parent = nullptr);

    void showProfile(const pellar::BusinessProfile& profile);
    pellar::BusinessProfile profile() const;
    // The layout of the style; the United States one shows `postalCode` in its box, the
    // international one has none.
    void showAddressStyle(AddressStyle style, const QString& postalCode);

    bool nameEmpty() const;
    void focusName();

signals:
    void addressStyleClicked();
    void saveClicked();

private:
    QList<QLineEdit*> boxes() const; // in the profile's field order
    void setTabOrder();

    QPushButton* m_addressStyle = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_poBox = nullptr;
    QLineEdit* m_city = nullptr;
    QLineEdit* m_state = nullptr;
    QLineEdit* m_zip = nullptr;
    QLineEdit* m_tel = nullptr;
    QLineEdit* m_fax = nullptr;
    QLineEdit* m_fein = nullptr;
    QList<QLabel*> m_captions; // lblAddress_0 to _6
    QLabel* m_postalNote = nullptr;
    QPushButton* m_save = nullptr;
};

} // namespace deposits
